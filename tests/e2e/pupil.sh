#!/usr/bin/env bash
# The real MARLO driven as a pupil would, with the mouse and with the keyboard from each of its
# windows: the three windows tile the screen; a program built on the keypad and double-clicked
# with Go runs with the blue trail to where it leaves the robot and ends with "finished"; a
# press during a run stops it; the target challenge gives "well done!" for a program that
# drives onto the marker and "missed!" for one that does not; closing a window from the
# desktop asks while the program is unsaved and otherwise ends MARLO; started with --speak,
# MARLO runs as it does silently.
# Usage: pupil.sh path/to/marlo output-folder
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
# A speech-dispatcher that the spoken MARLO started for this HOME goes with it.
cleanup() {
    marlo_stop
    local daemon
    for daemon in $(pgrep -f "$out/home/.cache/speech-dispatcher" || true); do
        kill -9 "$daemon" 2>/dev/null || true
    done
}
trap cleanup EXIT

is_blue() { [[ $(pixel "$1" "$2" "$3") == "0,0,255" ]]; }
# A 31-pixel square round a cell's centre shows the robot's white ground when it stands there.
robot_at() {
    convert "$1" -crop 31x31+$(($(cell_x "$2") - 15))+$(($(cell_y "$3") - 15)) +repage \
        -format '%[fx:maxima.r*maxima.g*maxima.b > 0.99 ? 1 : 0]' info: | grep -q 1
}

MAIN=658x768+0+0
LISTING=366x372+658+0
KEYPAD=366x396+658+372
QUESTION=314x195+355+287
showing() { [[ $(visible_windows) == *"$1"* ]]; }

# Closes the MARLO window of the given geometry as the desktop's close button would, with
# WM_DELETE_WINDOW: there is no window manager here to ask.
close_window() {
    [[ -x "$out/close_window" ]] || cc -x c -o "$out/close_window" - -lX11 <<'EOF'
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
int main(int argc, char** argv) {
    Display* display = XOpenDisplay(NULL);
    if (display == NULL || argc != 2) {
        fputs("cannot open display\n", stderr);
        return 1;
    }
    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = strtoul(argv[1], NULL, 0);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return 0;
}
EOF
    local id
    for id in $(xdotool search --onlyvisible --pid "$MARLO_PID" 2>/dev/null); do
        [[ $(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
            /Width:/ {w = $NF} /Height:/ {h = $NF} END {print w "x" h "+" x "+" y}') == "$1" ]] || continue
        x_client "$out/close_window" "$id"
        sleep 0.4
        return 0
    done
    fail "no window $1 to close"
}

marlo_start "$marlo" "$out"
found=$(visible_windows | sort | tr '\n' ' ')
[[ "$found" == "$LISTING $KEYPAD $MAIN " ]] || fail "windows: $found"
echo "start: the three windows tile the screen: $found"

# 1. With the mouse: forwards, forwards, right, forwards, then a double-click on Go, whose
# second click belongs to the first.
for button in forwards forwards RightTurn forwards; do press "$button"; done
go=(${E2E_AT[go]})
xdotool mousemove "${go[0]}" "${go[1]}" click --repeat 2 --delay 120 1
wait_status running 2 "$out" || fail "no 'running' after a double-click on Go"
wait_status finished 6 "$out" || fail "double-clicked run did not finish"
shot "$out/mouse_run.png"
for point in "342 367" "342 328" "361 309"; do
    is_blue "$out/mouse_run.png" $point || fail "no trail at $point: $(pixel "$out/mouse_run.png" $point)"
done
robot_at "$out/mouse_run.png" 9 5 || fail "robot not on square (9, 5)"
robot_at "$out/mouse_run.png" 8 7 && fail "robot still at home"
# The boundary runs down x = 10 inside the border with green floor beside it; the listing
# holds the four words.
[[ $(pixel "$out/mouse_run.png" 11 400)/$(pixel "$out/mouse_run.png" 30 400) == 0,0,0/0,255,0 ]] ||
    fail "no boundary or floor at x = 11, 30"
listing=$(convert "$out/mouse_run.png" -crop 200x160+700+36 -threshold 50% -format '%[fx:round(w*h*(1-mean))]' info:)
((listing > 200)) || fail "no words in the listing: $listing dark pixels"
echo "mouse: double-clicked Go drew the trail up two squares and right one, robot on (9, 5), finished"

# 2. With the keyboard from the listing window: clear, then backwards, left, forwards and
# Enter for Go.
xdotool mousemove 841 300 click 1
sleep 0.2
xdotool key Delete
sleep 0.3
shot "$out/cleared.png"
robot_at "$out/cleared.png" 8 7 || fail "clear did not send the robot home"
is_blue "$out/cleared.png" 342 367 && fail "clear left the trail"
xdotool key Down Left Up Return
wait_status finished 6 "$out" || fail "keyboard run did not finish"
shot "$out/keyboard_run.png"
robot_at "$out/keyboard_run.png" 7 8 || fail "keyboard run did not end on (7, 8)"
echo "keyboard in the listing: Delete cleared, Down Left Up Enter ran to (7, 8), finished"

# 3. A press during a run stops it: eight pauses typed on the keypad give it time, also on a
# busy machine.
keypad_active
xdotool key Delete p p p p p p p p
press go
wait_status running 2 "$out" || fail "no second run"
press pause
wait_status "stopped!" 2 "$out" || fail "a press during the run did not stop it"
sleep 1.8
shot "$out/stopped.png"
[[ $(status_word "$out/stopped.png") == "stopped!" ]] || fail "a verdict followed the stop"
echo "stop: a press during the run showed 'stopped!' and no verdict followed"

# 4. The target challenge: find the red marker and drive onto it with keys typed straight
# after the click on "target", in the main window.
xdotool key Delete
press aim
sleep 0.3
shot "$out/target.png"
read -r w h x y < <(convert "$out/target.png" -crop 624x585+11+94 +repage -fill black \
    +opaque "rgb(255,0,0)" -trim -format '%w %h %X %Y\n' info: | tr -d '+')
[[ "$w $h" == "35 35" ]] || fail "marker is ${w}x$h, not 35x35"
column=$(((x + 11 + 17 - 30 + 19) / 39))
row=$(((y + 94 + 17 - 114 + 19) / 39))
echo "target on square ($column, $row)"
keys=()
for ((i = 0; i < 7 - row; i++)); do keys+=(Up); done
for ((i = 0; i < row - 7; i++)); do keys+=(Down); done
if ((column != 8)); then
    ((column > 8)) && keys+=(Right) || keys+=(Left)
    for ((i = 0; i < (column > 8 ? column - 8 : 8 - column); i++)); do keys+=(Up); done
fi
xdotool key "${keys[@]}" Return
wait_status "well done!" $((${#keys[@]} + 3)) "$out" || fail "driving onto the target"
echo "target: ${#keys[@]} keys typed after the click on target drove onto it: well done!"

# With the robot home, a new target is never the home square: an empty program misses it.
xdotool key Delete
press aim
press go
wait_status "missed!" 3 "$out" || fail "empty program against a target"
echo "target: the empty program missed"

# 5. Leaving with an unsaved program: the desktop's close on the main window, then on the
# keypad, asks and keeps the window; cancel, or closing the question, keeps MARLO; "exit
# anyway" ends it.
press forwards
close_window $MAIN
showing $QUESTION || fail "closing the main window did not ask"
showing $MAIN || fail "closing the main window lost it"
xdotool mousemove 512 397 click 1 # cancel
sleep 0.4
showing $QUESTION && fail "cancel left the confirmation showing"
close_window $KEYPAD
showing $QUESTION || fail "closing the keypad did not ask"
showing $KEYPAD || fail "closing the keypad lost it"
close_window $QUESTION
showing $QUESTION && fail "closing the question left it showing"
kill -0 "$MARLO_PID" || fail "MARLO ended"
press ExitButton 0.4
showing $QUESTION || fail "no confirmation from the exit button"
xdotool mousemove 512 454 click 1 # exit anyway
marlo_ended_within 3 || fail "exit anyway did not end MARLO"
echo "exit: closing the main window and the keypad asked and kept them, exit anyway ended MARLO"

# 6. Spoken, with whatever speech engine this machine has (none on a bare one): a program
# runs as it does silently, and MARLO says at most once that it has no engine. Clear leaves
# nothing to save, so closing the keypad ends MARLO; so does closing a fresh one's main window.
printf '#!/bin/sh\nexec "%s" --speak "$@"\n' "$(realpath "$marlo")" >"$out/marlo-spoken"
chmod +x "$out/marlo-spoken"
marlo_start "$out/marlo-spoken" "$out"
for button in forwards LeftTurn forwards; do press "$button"; done
press go
wait_status running 2 "$out" || fail "no 'running' after Go with --speak"
wait_status finished 6 "$out" || fail "spoken run did not finish"
press clear
reports=$(grep -c "speech engine" "$out/marlo.log" || true)
((reports <= 1)) || fail "no engine reported $reports times"
echo "spoken: FLF ran to 'finished'; engine reports on stderr: $reports"
close_window $KEYPAD
marlo_ended_within 3 || fail "closing the keypad with nothing to save did not end MARLO"
marlo_start "$marlo" "$out"
close_window $MAIN
marlo_ended_within 3 || fail "closing the main window with nothing to save did not end MARLO"
echo "exit: with nothing to save, closing the keypad or the main window ended MARLO"
