#!/usr/bin/env bash
# Takes the software-centre screenshot: MARLO on a 1024 x 768 X screen after a pupil has
# keyed forwards, forwards, right, forwards and Go on the keypad, once the run has ended.
# Usage: packaging/screenshot.sh [path/to/marlo] [output.png]
set -euo pipefail
marlo=$(realpath "${1:-build/marlo}")
out=$(realpath -m "${2:-packaging/screenshot.png}")

if [[ -z "${INSIDE_XVFB:-}" ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$marlo" "$out"
fi

unset QT_QPA_PLATFORM
"$marlo" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# The keypad is the window at the bottom right; the arrow keys and Enter press its buttons.
keypad=""
for _ in $(seq 100); do
    keypad=$(xdotool search --class marlo 2>/dev/null | while read -r id; do
        xwininfo -id "$id" | grep -q 'Absolute upper-left Y: *[1-9]' && xwininfo -id "$id" |
            grep -q 'Absolute upper-left X: *[1-9]' && echo "$id"
    done | head -1 || true)
    [[ -n "$keypad" ]] && break
    sleep 0.2
done
[[ -n "$keypad" ]] || { echo "no keypad window" >&2; exit 1; }
sleep 0.5
xdotool windowactivate --sync "$keypad" 2>/dev/null || xdotool windowfocus --sync "$keypad"
for key in Up Up Right Up Return; do
    xdotool key --window "$keypad" "$key"
    sleep 0.3
done
# Four commands at 0.8 s each and one more wait before the verdict.
sleep 5
import -window root "$out"
# Few colours: a palette PNG keeps the picture small in the repository.
convert "$out" -strip -colors 64 "PNG8:$out"
echo "screenshot: $out ($(stat -c %s "$out") bytes)"
