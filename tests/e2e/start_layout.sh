#!/usr/bin/env bash
# Starts the real marlo on a 1024 x 768 X screen at 96 dpi, checks that its three windows
# tile the screen where the layout puts them and that the floor and robot are on screen, and
# that the floor and a two-word listing come back whole after a covering window.
# Usage: start_layout.sh path/to/marlo output-folder
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

marlo_start "$marlo" "$out"
press forwards
press LeftTurn
# Away from the buttons, so no tooltip comes and goes between the screenshots.
xdotool mousemove 500 745
sleep 0.3
found=$(visible_windows | sort | tr '\n' ' ')
expected=$(printf '%s\n' 366x372+658+0 366x396+658+372 658x768+0+0 | sort | tr '\n' ' ')
import -window root "$out/start.png"
echo "windows: $found"
if [[ "$found" != "$expected" ]]; then
    echo "expected: $expected" >&2
    cat "$out/marlo.log" >&2
    exit 1
fi

pixel() { convert "$out/start.png" -format "%[pixel:p{$1,$2}]" info:; }
# The left boundary runs down x = 10 pixels inside the border; the floor between is green.
[[ $(pixel 11 400) =~ ^(black|srgb\(0,0,0\))$ ]] || { echo "no boundary: $(pixel 11 400)" >&2; exit 1; }
[[ $(pixel 30 400) =~ ^(lime|srgb\(0,255,0\))$ ]] || { echo "no floor: $(pixel 30 400)" >&2; exit 1; }
# The listing holds its two words.
listing=$(convert "$out/start.png" -crop 200x80+700+36 -threshold 50% -format '%[fx:round(w*h*(1-mean))]' info:)
((listing > 100)) || { echo "no words in the listing: $listing dark pixels" >&2; exit 1; }
# The robot: a black figure on white in the 35-pixel box at 4860, 5530 twips on cell (8, 7).
robot=$(convert "$out/start.png" -crop 35x35+325+370 -threshold 50% -format %c histogram:info:)
grep -q white <<<"$robot" && grep -q black <<<"$robot" || { echo "no robot: $robot" >&2; exit 1; }

# A window over the floor and the listing, then gone: what was drawn must come back whole.
xmessage -geometry 600x400+300+20 "covering MARLO" &
cover=$!
for _ in $(seq 50); do
    xwininfo -root -children | grep -q '"xmessage"' && break
    sleep 0.1
done
import -window root "$out/covered.png"
kill $cover
wait $cover 2>/dev/null || true
sleep 0.5
import -window root "$out/uncovered.png"
changed=$(compare -metric AE "$out/start.png" "$out/covered.png" null: 2>&1 || true)
restored=$(compare -metric AE "$out/start.png" "$out/uncovered.png" null: 2>&1 || true)
echo "pixels changed while covered: $changed, after uncovering: $restored"
[[ "$changed" != 0 && "$restored" == 0 ]] || { echo "drawing lost under a covering window" >&2; exit 1; }
echo "screenshot: $out/start.png"
