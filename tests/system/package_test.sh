#!/usr/bin/env bash
# Builds the Debian package, checks its metadata and files, installs it into a scratch root and
# starts the installed program. Usage: package_test.sh <build folder>
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
program=""
cleanup() {
    [[ -n $program ]] && kill "$program" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb="$work/out/lanhe-xindai-jisuanqi_1.0.0.0_amd64.deb"
[[ -f $deb ]] || fail "no package named for the program and version: $(ls "$work/out")"

[[ $(dpkg-deb -f "$deb" Version) == 1.0.0.0 ]] || fail "version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-noto-cjk; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for expected in ./usr/bin/岚禾信贷计算器 \
                ./usr/share/applications/cn.chensiyuan.LanheXindai.desktop \
                ./usr/share/metainfo/cn.chensiyuan.LanheXindai.metainfo.xml; do
    grep -qxF "$expected" <<<"$files" || fail "missing $expected"
done
# The picture and translations are inside the program; nothing else is installed for it.
if grep -E '\.(jpg|png|qm)$' <<<"$files"; then fail "run-time data files in the package"; fi

dpkg -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/cn.chensiyuan.LanheXindai.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/cn.chensiyuan.LanheXindai.metainfo.xml" >/dev/null
if command -v lintian >/dev/null; then
    errors=$(lintian "$deb" 2>/dev/null | grep '^E:' || true)
    [[ -z $errors ]] || fail "lintian: $errors"
fi

QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/岚禾信贷计算器" &
program=$!
sleep 2
kill -0 "$program" 2>/dev/null || fail "the installed program did not stay up"
kill "$program"
wait "$program" 2>/dev/null || true
program=""
echo "package: built, checked, installed into a scratch root and started"
