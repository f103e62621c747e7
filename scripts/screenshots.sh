#!/usr/bin/env bash
# Starts the real program under Xvfb (platform xcb) and saves screenshots of its windows:
# docs/main-window.png, and docs/contact-window.png after a click on "申请贷款".
# Usage: scripts/screenshots.sh [build folder] [scale]   (scale 2 writes the @2x pictures)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scale=${2:-1}
suffix=""
[[ $scale == 1 ]] || suffix="@${scale}x"

if [[ -z ${INSIDE_XVFB:-} ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$scale"
fi

QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$build/ui/岚禾信贷计算器" &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT

main=""
for _ in $(seq 50); do
    main=$(xdotool search --sync --onlyvisible --name '^岚禾小额信用贷款计算器$' 2>/dev/null | head -n1) && break
    sleep 0.1
done
sleep 0.5
import -window "$main" "docs/main-window${suffix}.png"

# Click "申请贷款" (224 + 40, 72 + 12 design pixels inside the window).
xdotool mousemove --window "$main" $((264 * scale)) $((84 * scale)) click 1
contact=$(xdotool search --sync --onlyvisible --name '^扫一扫　加微信$' | head -n1)
sleep 0.5
import -window "$contact" "docs/contact-window${suffix}.png"
echo "saved docs/main-window${suffix}.png and docs/contact-window${suffix}.png"
