#!/usr/bin/env bash
# The real MARLO driven as a pupil would, with the mouse and with keys in each of its windows:
# the three windows tile the screen; Go double-clicked runs the program with the blue trail to
# its end; Delete clears the floor; a press stops a run and no verdict follows; a run against a
# target gets its verdict; closing a window from the desktop asks while the program is unsaved
# and otherwise ends MARLO; started with --speak, MARLO runs as it does silently. With no
# printer, print saves the report as a PDF (its contents are the print tests').
# Usage: pupil.sh path/to/marlo output-folder
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
# No CUPS server to ask, so no default printer, whatever this machine has.
export CUPS_SERVER=$out/no-cups.sock
# A speech-dispatcher that the spoken MARLO started for this HOME goes with it.
trap 'marlo_stop; kill -9 $(pgrep -f "$out/home/.cache/speech-dispatcher") 2>/dev/null || true' EXIT

MAIN=658x768+0+0 LISTING=366x372+658+0 KEYPAD=366x396+658+372 QUESTION=314x195+355+287
showing() { [[ $(windows) == *"$1 "* ]]; }
trail_at() { [[ $(convert "$out/screen.png" -format "%[hex:p{$1,$2}]" info:) == 0000FF ]]; }
# The robot's white ground fills a 31-pixel square round the centre of the cell it stands on.
robot_at() {
    convert "$out/screen.png" -crop 31x31+$((15 + 39 * $1))+$((99 + 39 * $2)) +repage \
        -format '%[fx:maxima.r*maxima.g*maxima.b > 0.99 ? 1 : 0]' info: | grep -q 1
}
# Closes a window as the desktop's close button would, with WM_DELETE_WINDOW: there is no
# window manager here to ask.
cc -x c -o "$out/close" - -lX11 <<'EOF'
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
int main(int argc, char** argv) {
    Display* display = XOpenDisplay(NULL);
    if (display == NULL || argc != 2) return fputs("cannot open display\n", stderr), 1;
    XEvent event = {.xclient = {.type = ClientMessage, .window = strtoul(argv[1], NULL, 0),
        .message_type = XInternAtom(display, "WM_PROTOCOLS", False), .format = 32}};
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    return XCloseDisplay(display);
}
EOF
close_window() {
    x "$out/close" "$(windows | awk -v at="$1" '$1 == at {print $2}')" ||
        fail "no window $1 to close"
    sleep 0.4
}

marlo_start
[[ $(windows | cut -d' ' -f1 | sort | tr '\n' ' ') == "$LISTING $KEYPAD $MAIN " ]] ||
    fail "windows: $(windows)"

# With the mouse: forwards, forwards, right, forwards, then Go double-clicked, whose second
# click belongs to the first.
press forwards forwards RightTurn forwards
xdotool mousemove ${AT[go]} click --repeat 2 --delay 120 1
wait_status running 2 "Go double-clicked"
wait_status finished 6 "Go double-clicked"
trail_at 342 367 && robot_at 9 5 || fail "no trail up two squares and right one to (9, 5)"
press PrintButton
report="$out/home/brindle/marlo/programs/me/my program.pdf"
for _ in $(seq 50); do [[ -s $report ]] && break || sleep 0.2; done
pdftotext "$report" - | grep -q "written by me" || fail "no report saved as a PDF"

# Keys in the listing window: Delete clears the floor, then down, left, up and Enter for Go.
xdotool mousemove 841 300 click 1 sleep 0.2 key Delete sleep 0.3
shot
robot_at 8 7 && ! trail_at 342 367 || fail "Delete did not clear the floor"
xdotool key Down Left Up Return
wait_status finished 6 "keys in the listing window"
robot_at 7 8 || fail "keys in the listing window did not run to (7, 8)"

# Keys in the keypad window, whose panel a click makes active: eight pauses give the run time,
# also on a busy machine, to be stopped by a press; no verdict follows.
xdotool mousemove 731 445 click 1 sleep 0.2 key Delete p p p p p p p p
press go
wait_status running 2 "a run of pauses"
press pause
wait_status stopped! 2 "a press during the run"
sleep 1.8
shot
reads stopped! || fail "a verdict followed the stop"

# Keys in the main window, straight after the click on target: with the robot at home the
# target is elsewhere, so an empty program misses it.
xdotool key Delete
press aim
xdotool key Return
wait_status missed! 3 "an empty program against a target"

# Leaving an unsaved program: the desktop's close on the main window or the keypad asks and
# keeps the window, cancel or closing the question keeps MARLO, "exit anyway" ends it.
press forwards
close_window $MAIN
showing $QUESTION && showing $MAIN || fail "closing the main window did not ask, or lost it"
xdotool mousemove 512 397 click 1 sleep 0.4 # cancel
showing $QUESTION && fail "cancel left the question showing"
close_window $KEYPAD
showing $QUESTION && showing $KEYPAD || fail "closing the keypad did not ask, or lost it"
close_window $QUESTION
showing $QUESTION && fail "closing the question left it showing"
press ExitButton
sleep 0.3
showing $QUESTION || fail "no question from the exit button"
xdotool mousemove 512 454 click 1 # exit anyway
ended_within 3 || fail "exit anyway did not end MARLO"

# Spoken, with whatever speech engine this machine has (none on a bare one): a run goes as it
# does silently, and MARLO says at most once that it has no engine. With nothing to save,
# closing the keypad ends it, and so does closing a fresh MARLO's main window.
marlo_start "$marlo" --speak
press forwards LeftTurn forwards go
wait_status finished 8 "a spoken run"
press clear
(($(grep -c "speech engine" "$out/marlo.log" || true) <= 1)) || fail "no engine said more than once"
close_window $KEYPAD
ended_within 3 || fail "closing the keypad with nothing to save did not end MARLO"
marlo_start
close_window $MAIN
ended_within 3 || fail "closing the main window with nothing to save did not end MARLO"
