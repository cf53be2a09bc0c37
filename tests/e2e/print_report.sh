#!/usr/bin/env bash
# With no printer, print saves the report as a PDF in the writer's folder: names too long for
# the header's usual sizes still leave the whole header on the paper, and printing again adds
# a second file beside the first and nothing else. The first page is kept as a picture.
# Usage: print_report.sh path/to/marlo output-folder
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
# No CUPS server to ask, so no default printer, whatever this machine has.
export CUPS_SERVER=$out/no-cups.sock

marlo_start "$marlo" "$out"
for button in forwards forwards RightTurn forwards; do press "$button"; done
type_into() { press "$1" && xdotool key ctrl+a && xdotool type --delay 50 "$2"; }
type_into progname "my very very long prog"
# Plain letters: under load xdotool now and then drops one it has to map to a spare key.
type_into myname "Zoe Lukasz-Wroblewska"
shot "$out/before_print.png"

folder="$out/home/brindle/marlo/programs/Zoe Lukasz-Wroblewska"
pdf="$folder/my very very long prog.pdf"
for copy in "$pdf" "$folder/my very very long prog 2.pdf"; do
    press PrintButton
    for _ in $(seq 50); do
        [[ -s "$copy" ]] && break
        sleep 0.2
    done
    [[ -s "$copy" ]] || fail "no PDF at $copy: $(ls -A "$out/home/brindle/marlo/programs"/*)"
done
sleep 0.3
shot "$out/after_print.png"
files=$(cd "$folder" && LC_ALL=C ls -A | tr '\n' '|')
[[ "$files" == "my very very long prog 2.pdf|my very very long prog.pdf|" ]] || fail "files: $files"
cp "$pdf" "$out/report.pdf"

text=$(pdftotext -layout "$pdf" -)
echo "$text" | sed '/^\s*$/d' | head -8
header=$(grep -m1 'written by' <<<"$text" | tr -s ' ')
expected="my very very long prog written by Zoe Lukasz-Wroblewska on $(date +%d/%m/%Y)"
[[ "$header" == *"$expected"* ]] || fail "header: '$header'"
words=$(grep -oE '\b(forwards|right)\b' <<<"$text" | tr '\n' ' ')
[[ "$words" == "forwards forwards right forwards " ]] || fail "words: '$words'"
pdftoppm -r 100 -f 1 -l 1 -png -singlefile "$pdf" "$out/report"
echo "page: $out/report.png, screen: $out/after_print.png"
