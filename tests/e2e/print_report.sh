#!/usr/bin/env bash
# With no printer, print saves the report as a PDF in the writer's folder: names too long for
# the header's usual sizes still leave the whole header on the paper, and printing again adds
# a second file beside the first and nothing else.
# Usage: print_report.sh path/to/marlo output-folder
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
# No CUPS server to ask, so no default printer, whatever this machine has.
export CUPS_SERVER=$out/no-cups.sock

marlo_start
press forwards forwards RightTurn forwards
type_into progname "my very very long prog"
# Plain letters: under load xdotool now and then drops one it has to map to a spare key.
type_into myname "Zoe Lukasz-Wroblewska"
folder="$out/home/brindle/marlo/programs/Zoe Lukasz-Wroblewska"
for copy in "my very very long prog.pdf" "my very very long prog 2.pdf"; do
    press PrintButton
    for _ in $(seq 50); do
        [[ -s "$folder/$copy" ]] && break
        sleep 0.2
    done
done
files=$(cd "$folder" && LC_ALL=C ls -A | tr '\n' '|' || true)
[[ $files == "my very very long prog 2.pdf|my very very long prog.pdf|" ]] || fail "files: $files"
text=$(pdftotext -layout "$folder/my very very long prog.pdf" -)
header=$(grep -m1 'written by' <<<"$text" | tr -s ' ')
[[ $header == *"my very very long prog written by Zoe Lukasz-Wroblewska on $(date +%d/%m/%Y)"* ]] ||
    fail "header: '$header'"
words=$(grep -oE '\b(forwards|right)\b' <<<"$text" | tr '\n' ' ')
[[ $words == "forwards forwards right forwards " ]] || fail "the listing on the paper: $words"
