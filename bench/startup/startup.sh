#!/usr/bin/env bash
# Start-up time and memory of the calculator, side by side with the floor that Qt allows (a bare
# Qt Widgets window) and two desktop calculators from Debian, all in one run under Xvfb.
# Each program starts once to warm the caches, then RUNS times (default 10); medians are shown.
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${RUNS:-10}

if [[ -z ${INSIDE_XVFB:-} ]]; then
    scripts/install-deps.sh
    for peer in speedcrunch galculator; do
        command -v $peer >/dev/null || {
            sudo=(); [[ $(id -u) -eq 0 ]] || sudo=(sudo)
            "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $peer
        }
    done
    cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build build-release --target lanhe_calculator bare_qt_window map_timer
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
home=$(mktemp -d)   # the peers keep settings; give them a clean home each run
trap 'rm -rf "$home"' EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A time rss pss
measure() {
    local name=$1; shift
    local results=()
    HOME=$home build-release/bench/map_timer 300 "$@" >/dev/null 2>&1 || true   # warm-up
    for _ in $(seq "$runs"); do
        results+=("$(HOME=$home build-release/bench/map_timer 300 "$@" 2>/dev/null)")
    done
    time[$name]=$(printf '%s\n' "${results[@]}" | awk '{print $1}' | median)
    rss[$name]=$(printf '%s\n' "${results[@]}" | awk '{print $2 / 1024}' | median)
    pss[$name]=$(printf '%s\n' "${results[@]}" | awk '{print $3 / 1024}' | median)
    printf '%-24s %8.1f ms %8.1f MB %8.1f MB\n' "$name" "${time[$name]}" "${rss[$name]}" "${pss[$name]}"
}

printf '%-24s %11s %11s %11s   (medians of %d runs)\n' program "to window" RSS PSS "$runs"
measure "this calculator" build-release/ui/岚禾信贷计算器
measure "bare Qt window (floor)" build-release/bench/bare_qt_window
measure "Qt window, Chinese line" build-release/bench/bare_qt_window --chinese-text
measure "speedcrunch" speedcrunch
measure "galculator" galculator

ours="this calculator"
floor="bare Qt window (floor)"
text="Qt window, Chinese line"
awk -v t="${time[$ours]}" -v f="${time[$floor]}" -v c="${time[$text]}" -v s="${time[speedcrunch]}" \
    -v g="${time[galculator]}" -v r="${rss[$ours]}" -v rf="${rss[$floor]}" -v rc="${rss[$text]}" 'BEGIN {
    printf "start-up: %.2f x the blank floor, %.2f x the Chinese-text floor, %.2f x speedcrunch, %.2f x galculator\n", t / f, t / c, t / s, t / g
    printf "RSS: %+.1f MB against the blank floor, %+.1f MB against the Chinese-text floor\n", r - rf, r - rc
}'
