#!/usr/bin/env bash
# Runs the real program under strace on Xvfb, calculates, opens the contact window, closes both
# windows, and checks that the program wrote no file and opened no socket but the display's and
# the accessibility bus's. Usage: no_files_no_network.sh <program> <close_window tool>
set -euo pipefail
program=$(realpath "$1")
close_window=$(realpath "$2")

if [[ -z ${INSIDE_XVFB:-} ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
tracer=""
cleanup() {
    [[ -n $tracer ]] && kill "$tracer" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
log="$work/strace.log"

# What Qt and fontconfig keep for themselves: the runtime folder Qt makes when XDG_RUNTIME_DIR is
# unset, and fontconfig's font cache.
allowed_writes='^(/dev/null|/tmp/runtime-[^/]+|'"${XDG_RUNTIME_DIR:-/nonexistent}"'|'"$HOME"'/\.cache/fontconfig(/.*)?|/var/cache/fontconfig(/.*)?)$'
# The display, the accessibility (D-Bus) bus, and glibc's name service cache that it asks for
# the user's home folder.
allowed_sockets='^@?(/tmp/\.X11-unix/X[0-9]+|/var/run/nscd/socket|/run/dbus/.*|/tmp/dbus-.*|/run/user/[0-9]+/(bus|at-spi/.*))$'

strace -f -qq -o "$log" -e trace=execve,openat,open,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,link,linkat,symlink,symlinkat,truncate,socket,connect,bind \
    "$program" >"$work/program.log" 2>&1 &
tracer=$!

# The first visible window whose title matches, waiting up to `$2` tenths of a second.
window() {
    local found=""
    for _ in $(seq "$2"); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [[ -n $found ]] && break
        sleep 0.1
    done
    echo "$found"
}
main=$(window '^岚禾小额信用贷款计算器$' 300)
[[ -n $main ]] || { echo "FAIL: the main window did not show" >&2; exit 1; }
sleep 0.5  # let it paint and take input, even on a busy machine
xdotool mousemove --window "$main" 264 52 click 1   # 立即计算
contact=""
for _ in 1 2 3 4 5; do   # a click may be lost while the machine is busy
    xdotool mousemove --window "$main" 264 84 click 1   # 申请贷款
    contact=$(window '^扫一扫　加微信$' 20)
    [[ -n $contact ]] && break
done
[[ -n $contact ]] || { echo "FAIL: the contact window did not open" >&2; exit 1; }
# Close one window as a window manager would, and wait until it is gone.
close_and_wait() {
    "$close_window" "$1"
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$2" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    echo "FAIL: the window $2 did not close" >&2
    exit 1
}
close_and_wait "$main" '^岚禾小额信用贷款计算器$'
close_and_wait "$contact" '^扫一扫　加微信$'
for _ in $(seq 100); do kill -0 "$tracer" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$tracer" 2>/dev/null; then
    echo "FAIL: the program did not end when its last window closed" >&2
    exit 1
fi
status=0
wait "$tracer" || status=$?
tracer=""
[[ $status -eq 0 ]] || { echo "FAIL: the program ended with status $status after its windows closed" >&2; exit 1; }

violations=$(awk -v writes="$allowed_writes" -v sockets="$allowed_sockets" '
    function path(line,   p) { if (match(line, /"[^"]*"/)) return substr(line, RSTART + 1, RLENGTH - 2); return "" }
    / = -1 / { next }                                   # failed calls did nothing
    /(openat|open)\(/ && !/O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND/ { next }
    /(openat|open|creat|mkdir|mkdirat|unlink|unlinkat|truncate|rename|renameat2?|link|linkat|symlink|symlinkat)\(/ {
        p = path($0); if (p !~ writes) print "writes " p; next }
    /socket\(/ && !/AF_UNIX/ { print "socket " $0; next }
    /(connect|bind)\(/ { p = path($0); if (p !~ sockets) print "connects to " p; next }
    /execve\(/ && !/dbus-launch/ && NR > 1 { print "runs " path($0) }
' "$log")
if [[ -n $violations ]]; then
    echo "FAIL: the program touched more than it may:" >&2
    echo "$violations" >&2
    exit 1
fi
echo "no files written, no sockets but the display's and the accessibility bus's ($(wc -l <"$log") calls traced)"
