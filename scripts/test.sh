#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

# The formatting tests run the core under a German locale, whose decimal point is a comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

echo "== Tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"

# The whole suite again with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer;
# any report fails the run. The whole-program tests (package, strace) are left to the build above.
echo "== Tests with sanitizers"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=ON -DBUILD_BENCHMARKS=OFF
cmake --build build-sanitize
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0" \
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)" -LE whole_program

echo "== Fuzzing"
scripts/fuzz.sh 20
