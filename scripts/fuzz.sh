#!/usr/bin/env bash
# Builds the calculation core's fuzzers with Clang's libFuzzer and runs each for a bounded time
# from the committed seed corpus. Usage: scripts/fuzz.sh [seconds per fuzzer, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_FUZZERS=ON -DBUILD_TESTING=OFF -DBUILD_UI=OFF -DBUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for fuzzer in amount_text money_format; do
    mkdir -p "$work/$fuzzer"
    cp tests/fuzz/corpus/$fuzzer/* "$work/$fuzzer/"
    echo "== ${fuzzer}_fuzzer for ${seconds} s"
    (cd "$work" && "$OLDPWD/build-fuzz/tests/fuzz/${fuzzer}_fuzzer" -max_total_time="$seconds" \
        -print_final_stats=1 "$work/$fuzzer" 2>"$work/$fuzzer.log") || {
        cat "$work/$fuzzer.log"
        echo "${fuzzer}_fuzzer found a failing input (saved above as crash-*)"
        exit 1
    }
    grep -E '^#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss' "$work/$fuzzer.log"
done
