#!/usr/bin/env bash
# With no printer, print saves the report as a PDF in the writer's folder: its header line and
# words are checked as text, and its first page is kept as a picture to look at.
# Usage: print_report.sh path/to/marlo output-folder
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
# No CUPS server to ask, so no default printer, whatever this machine has.
export CUPS_SERVER=$out/no-cups.sock

marlo_start "$marlo" "$out"
for button in forwards forwards RightTurn forwards; do press "$button"; done
shot "$out/before_print.png"
press PrintButton

pdf="$out/home/brindle/marlo/programs/me/my program.pdf"
for _ in $(seq 50); do
    [[ -s "$pdf" ]] && break
    sleep 0.2
done
sleep 0.3
shot "$out/after_print.png"
[[ -s "$pdf" ]] || fail "no PDF at $pdf"
cp "$pdf" "$out/report.pdf"

text=$(pdftotext -layout "$pdf" -)
echo "$text" | sed '/^\s*$/d' | head -8
header=$(grep -m1 'written by' <<<"$text" | tr -s ' ')
[[ "$header" == *"my program written by me on $(date +%d/%m/%Y)"* ]] || fail "header: '$header'"
words=$(grep -oE '\b(forwards|right)\b' <<<"$text" | tr '\n' ' ')
[[ "$words" == "forwards forwards right forwards " ]] || fail "words: '$words'"
pdftoppm -r 100 -f 1 -l 1 -png -singlefile "$pdf" "$out/report"
echo "page: $out/report.png, screen: $out/after_print.png"
