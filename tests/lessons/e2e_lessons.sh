#!/usr/bin/env bash
# The real marlo started as `marlo town.marlo-lesson` on a real X server: three runs typed on
# the keypad are judged on the town's targets and obstacles, the report of the last one is a
# PDF with the lesson in it, and the challenge mat opens through the real load dialogue, where the
# lessons' folder lists lessons; the same program crashes there, on paper too.
# Usage: e2e_lessons.sh path/to/marlo output-folder lessons-folder
source "$(dirname "$0")/../e2e/lib.sh"
e2e_begin "$@"
lessons=$(realpath "$3")
marlo_start "$marlo" "$lessons/town.marlo-lesson"
shot "$out/town.png"

# run KEYS WORD: a fresh program typed on the keypad, run to the word on the status label.
run() {
    xdotool mousemove 731 445 click 1 sleep 0.2 key Delete $1 Return
    wait_status "$2" 30 "$1"
    shot "$out/$2.png"
}
run "Left Up" "crashed!"
run "Up Right Up Right Up" "missed!"
run "Up Up Up Up Left Up Right Up Right Right Up Left Up Right Up Up Up Left Up Right Up" "well done!"

# report NAME WORDS...: prints and checks the PDF's text and that the lesson's pictures are in it.
report() {
    local pdf=$out/home/brindle/marlo/programs/me/$1 words
    press PrintButton
    for _ in $(seq 50); do
        [[ -s $pdf ]] && break
        sleep 0.2
    done
    [[ -s $pdf ]] || fail "no report at $pdf"
    shift
    for words; do pdftotext "$pdf" - | grep -qF "$words" || fail "${pdf##*/} lacks '$words'"; done
    (($(pdfimages -list "$pdf" | tail -n +3 | wc -l) > 0)) || fail "no lesson pictures in $pdf"
}
report "my program.pdf" "Town: my program" "well done!"

press load
sleep 1
xdotool key Return # yes, leave the unsaved program's floor
sleep 1
xdotool key ctrl+a type --delay 30 "$lessons"
xdotool key Return
# There the dialogue lists lessons: the second is chosen from its list.
sleep 0.5
xdotool key shift+Tab Down Return
sleep 1
shot "$out/challenge.png"
report "my program 2.pdf" "Challenge mat: my program" "crashed!!"
echo "lesson checks passed"
