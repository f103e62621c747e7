#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the calculator need.
# Safe to run again: it asks apt-get only for what is missing.
set -euo pipefail

packages=(
    # build
    build-essential cmake ninja-build pkgconf
    # windows: Qt 6 Widgets, its platform plugins, its Chinese translation, a Song-style CJK font
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev fonts-noto-cjk
    # tests and benchmarks: GoogleTest, a German locale, a virtual X server, a QR reader,
    # strace, X11 input and a small xcb tool, Clang's libFuzzer and sanitizer runtimes
    libgtest-dev libbenchmark-dev locales xvfb xauth zbar-tools
    strace xdotool libxcb1-dev clang libclang-rt-14-dev
    # the Debian package and its checks
    dpkg-dev file desktop-file-utils appstream lintian
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
