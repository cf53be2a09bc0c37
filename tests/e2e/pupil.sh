#!/usr/bin/env bash
# The real MARLO driven as a pupil would, with the mouse and with the keyboard: a program
# built on the keypad runs with the blue trail to where it leaves the robot and ends with
# "finished"; a press during a run stops it; the target challenge gives "well done!" for a
# program that drives onto the marker and "missed!" for one that does not.
# Usage: pupil.sh path/to/marlo output-folder
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

is_blue() { [[ $(pixel "$1" "$2" "$3") == "0,0,255" ]]; }
# A 31-pixel square round a cell's centre shows the robot's white ground when it stands there.
robot_at() {
    convert "$1" -crop 31x31+$(($(cell_x "$2") - 15))+$(($(cell_y "$3") - 15)) +repage \
        -format '%[fx:maxima.r*maxima.g*maxima.b > 0.99 ? 1 : 0]' info: | grep -q 1
}

marlo_start "$marlo" "$out"

# 1. With the mouse: forwards, forwards, right, forwards, then Go.
for button in forwards forwards RightTurn forwards; do press "$button"; done
press go
wait_status running 2 "$out" || fail "no 'running' after Go"
wait_status finished 6 "$out" || fail "mouse run did not finish"
shot "$out/mouse_run.png"
for point in "342 367" "342 328" "361 309"; do
    is_blue "$out/mouse_run.png" $point || fail "no trail at $point: $(pixel "$out/mouse_run.png" $point)"
done
robot_at "$out/mouse_run.png" 9 5 || fail "robot not on square (9, 5)"
robot_at "$out/mouse_run.png" 8 7 && fail "robot still at home"
echo "mouse: trail up two squares and right one, robot on (9, 5), finished"

# 2. With the keyboard: clear, then backwards, left, forwards and Enter for Go.
keypad_active
xdotool key Delete
sleep 0.3
shot "$out/cleared.png"
robot_at "$out/cleared.png" 8 7 || fail "clear did not send the robot home"
is_blue "$out/cleared.png" 342 367 && fail "clear left the trail"
xdotool key Down Left Up Return
wait_status finished 6 "$out" || fail "keyboard run did not finish"
shot "$out/keyboard_run.png"
robot_at "$out/keyboard_run.png" 7 8 || fail "keyboard run did not end on (7, 8)"
echo "keyboard: Delete cleared, Down Left Up Enter ran to (7, 8), finished"

# 3. A press during a run stops it: eight pauses give it time, also on a busy machine.
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

# 4. The target challenge: find the red marker and drive onto it.
keypad_active
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
keypad_active
xdotool key Delete "${keys[@]}" Return
wait_status "well done!" $((${#keys[@]} + 3)) "$out" || fail "driving onto the target"
echo "target: ${#keys[@]} keys drove onto it: well done!"

# With the robot home, a new target is never the home square: an empty program misses it.
xdotool key Delete
press aim
press go
wait_status "missed!" 3 "$out" || fail "empty program against a target"
echo "target: the empty program missed"

# 5. Leaving: with an unsaved program the confirmation asks; cancel keeps MARLO, "exit anyway"
# ends it. A fresh MARLO with nothing to save ends at once.
confirmation_showing() { visible_windows | grep -q '314x195+355+287'; }
press forwards
press ExitButton 0.4
confirmation_showing || fail "no confirmation for an unsaved program"
xdotool mousemove 512 397 click 1 # cancel
sleep 0.4
confirmation_showing && fail "cancel left the confirmation showing"
kill -0 "$MARLO_PID" || fail "cancel ended MARLO"
press ExitButton 0.4
xdotool mousemove 512 454 click 1 # exit anyway
marlo_ended_within 3 || fail "exit anyway did not end MARLO"
echo "exit: the confirmation asked, cancel kept MARLO, exit anyway ended it"

marlo_start "$marlo" "$out"
press ExitButton 0.1
marlo_ended_within 3 || fail "exit with nothing to save did not end MARLO at once"
echo "exit: with nothing to save MARLO ended at once"
