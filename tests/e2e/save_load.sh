#!/usr/bin/env bash
# The real marlo on a real X server with HOME in a fresh folder: enter a program on the keypad,
# name it, save it through the real save dialogue and check the file's bytes; leave; start
# marlo again, load the file through the real open dialogue and check that the listing and
# the name boxes show it again. Screenshots stay in the output folder.
# Usage: save_load.sh path/to/marlo output-folder
set -euo pipefail
marlo=$1
out=$2
rm -rf "$out"
mkdir -p "$out"

if [[ -z "${INSIDE_XVFB:-}" ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$@"
fi

unset QT_QPA_PLATFORM
export HOME=$out/home
mkdir -p "$HOME"
pid=
trap '[[ -n $pid ]] && kill $pid 2>/dev/null || true' EXIT

fail() {
    echo "$*" >&2
    cat "$out"/marlo*.log >&2 || true
    exit 1
}
start() {
    "$marlo" >"$out/marlo-$1.log" 2>&1 &
    pid=$!
    for _ in $(seq 150); do
        [[ $(xwininfo -root -children | grep -c '("marlo"') -ge 3 ]] && break
        sleep 0.2
    done
    sleep 0.5
}
click() {
    xdotool mousemove "$1" "$2" click 1
    sleep 0.3
}
# Waits for the file dialogue, gives it the keyboard and types a file name into it.
answer_dialogue() {
    local title=$1 name=$2 window=
    for _ in $(seq 50); do
        window=$(xdotool search --name "^$title\$" 2>/dev/null | head -n 1 || true)
        [[ -n $window ]] && break
        sleep 0.2
    done
    [[ -n $window ]] || fail "no \"$title\" dialogue"
    sleep 0.5
    import -window root "$out/dialogue-$title.png"
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 50 "$name"
    xdotool key Return
    sleep 1
}
crop() { convert "$1" -crop "$2" +repage "$3"; }
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

# Where things are on a 1024 x 768 screen.
forwards=(842 444)
right=(954 556)
progname=(172 66)
save=(270 715)
load=(130 715)
exit_button=(842 17)
listing=364x334+659+35
namebox=322x35+12+49

start first
click "${forwards[@]}"
click "${forwards[@]}"
click "${right[@]}"
click "${forwards[@]}"
click "${progname[@]}"
xdotool key ctrl+a
xdotool type --delay 50 square
sleep 0.3
import -window root "$out/entered.png"
click "${save[@]}"
answer_dialogue "Save As" square

file=$HOME/brindle/marlo/programs/me/square.mlo
[[ -f $file ]] || fail "nothing saved at $file: $(find "$HOME" -type f)"
printf '"","square","me","FFRF"\r\n' >"$out/expected.mlo"
cmp "$file" "$out/expected.mlo" || fail "saved bytes: $(od -c "$file")"
echo "saved $(wc -c <"$file") bytes: $(od -An -c "$file" | tr -s ' ')"
import -window root "$out/saved.png"

# Saved, so exit ends at once.
click "${exit_button[@]}"
for _ in $(seq 25); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
kill -0 $pid 2>/dev/null && fail "exit did not end a saved marlo"
pid=

start second
import -window root "$out/fresh.png"
click "${load[@]}"
answer_dialogue Open square.mlo
import -window root "$out/loaded.png"

for image in entered fresh loaded; do
    crop "$out/$image.png" "$listing" "$out/$image-listing.png"
    crop "$out/$image.png" "$namebox" "$out/$image-name.png"
done
# A text cursor may blink in one shot and not the other: a few pixels are allowed.
same_listing=$(differing "$out/entered-listing.png" "$out/loaded-listing.png")
fresh_listing=$(differing "$out/fresh-listing.png" "$out/loaded-listing.png")
same_name=$(differing "$out/entered-name.png" "$out/loaded-name.png")
fresh_name=$(differing "$out/fresh-name.png" "$out/loaded-name.png")
echo "pixels differing from what was saved: listing $same_listing, name $same_name;" \
    "from a fresh start: listing $fresh_listing, name $fresh_name"
((same_listing < 60 && same_name < 60)) || fail "the loaded program does not look as it was saved"
((fresh_listing > 300 && fresh_name > 300)) || fail "the load changed nothing on screen"
echo "screenshots: $out"
