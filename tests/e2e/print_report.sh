#!/usr/bin/env bash
# Starts the real marlo on an X screen with no printer, enters a short program on the keypad,
# presses print and checks the PDF it saves in the writer's folder: the header line and the
# words as text, and the first page as a picture to look at.
# Usage: print_report.sh path/to/marlo output-folder
set -euo pipefail
marlo=$1
out=$(realpath -m "$2")
mkdir -p "$out"

if [[ -z "${INSIDE_XVFB:-}" ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$@"
fi

unset QT_QPA_PLATFORM
export HOME=$out/home
rm -rf "$HOME"
mkdir -p "$HOME"
# No CUPS server to ask, so no default printer, whatever this machine has.
export CUPS_SERVER=$out/no-cups.sock
"$marlo" >"$out/marlo.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

for _ in $(seq 150); do
    [[ $(xwininfo -root -children | grep -c '("marlo"' || true) -ge 3 ]] && break
    sleep 0.2
done
[[ $(xwininfo -root -children | grep -c '("marlo"' || true) -ge 3 ]] ||
    { echo "marlo's windows did not appear" >&2; cat "$out/marlo.log" >&2; exit 1; }
sleep 0.5

click() {
    xdotool mousemove "$1" "$2" click 1
    sleep 0.3
}
# Keypad on the 1024 x 768 layout: forwards, forwards, right turn, forwards.
click 843 445
click 843 445
click 955 557
click 843 445
import -window root "$out/before_print.png"
click 200 715 # print

pdf="$HOME/brindle/marlo/programs/me/my program.pdf"
for _ in $(seq 50); do
    [[ -s "$pdf" ]] && break
    sleep 0.2
done
sleep 0.3
import -window root "$out/after_print.png"
[[ -s "$pdf" ]] || { echo "no PDF at $pdf" >&2; cat "$out/marlo.log" >&2; exit 1; }
cp "$pdf" "$out/report.pdf"

text=$(pdftotext -layout "$pdf" -)
echo "$text" | sed '/^\s*$/d' | head -8
today=$(date +%d/%m/%Y)
header=$(grep -m1 'written by' <<<"$text" | tr -s ' ')
[[ "$header" == *"my program written by me on $today"* ]] ||
    { echo "header line wrong: '$header'" >&2; exit 1; }
words=$(grep -oE '\b(forwards|right)\b' <<<"$text" | tr '\n' ' ')
[[ "$words" == "forwards forwards right forwards " ]] || { echo "words wrong: '$words'" >&2; exit 1; }

pdftoppm -r 100 -f 1 -l 1 -png -singlefile "$pdf" "$out/report"
echo "page: $out/report.png, screen: $out/after_print.png"
