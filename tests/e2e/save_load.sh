#!/usr/bin/env bash
# The real marlo on a real X server with HOME in a fresh folder: enter a program on the keypad,
# name it, save it through the real save dialogue and check the file's bytes; leave; start
# marlo again, load the file through the real open dialogue and check that the listing and
# the name boxes show it again. Then what can go wrong: a name with a dot in it; a pipe, a
# device and a socket chosen in the open dialogue, which must answer at once and load
# nothing; and saves over an old file that fail on a full disk, on write, on sync or on
# rename, each keeping the old file byte for byte with "cancelled!" and nothing left behind.
# marlo runs with fault_shim preloaded, its rules in $out/faults. Screenshots stay in the
# output folder.
# Usage: save_load.sh path/to/marlo output-folder path/to/libfault_shim.so path/to/time_to_change
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
time_to_change=$4
faults=$out/faults
: >"$faults"
printf '#!/bin/sh\nLD_PRELOAD=%q MARLO_FAULTS=%q exec %q\n' "$3" "$faults" "$marlo" \
    >"$out/marlo-with-faults"
chmod +x "$out/marlo-with-faults"
marlo=$out/marlo-with-faults
# Waits for the file dialogue; sets `window` and `dialogue_at`, its place on the screen.
wait_dialogue() {
    local title=$1
    window=
    for _ in $(seq 50); do
        window=$(visible "$title")
        [[ -n $window ]] && break
        sleep 0.2
    done
    [[ -n $window ]] || fail "no \"$title\" dialogue"
    sleep 0.5
    dialogue_at=$(xwininfo -id "$window" |
        awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x "," y}')
}
# Waits for the file dialogue, gives it the keyboard and types a file name into it.
answer_dialogue() {
    local title=$1 name=$2
    wait_dialogue "$title"
    shot "$out/dialogue-$title.png"
    focus "$window"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 50 "$name"
    [[ ${3:-} == typed ]] && return
    xdotool key Return
    sleep 1
}
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true; }
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
crop() { convert "$1" -crop "$2" +repage "$3"; }
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

listing=364x334+659+35
namebox=322x35+12+49

marlo_start "$marlo" "$out"
for button in forwards forwards RightTurn forwards; do press "$button"; done
press progname
xdotool key ctrl+a
xdotool type --delay 50 square
sleep 0.3
shot "$out/entered.png"
press save
answer_dialogue "Save As" square

file=$out/home/brindle/marlo/programs/me/square.mlo
[[ -f $file ]] || fail "nothing saved at $file: $(find "$out/home" -type f)"
printf '"","square","me","FFRF"\r\n' >"$out/expected.mlo"
cmp "$file" "$out/expected.mlo" || fail "saved bytes: $(od -c "$file")"
echo "saved $(wc -c <"$file") bytes: $(od -An -c "$file" | tr -s ' ')"
shot "$out/saved.png"

# Saved, so exit ends at once.
press ExitButton
marlo_ended_within 5 || fail "exit did not end a saved marlo"

marlo_start "$marlo" "$out"
shot "$out/fresh.png"
press load
answer_dialogue Open square.mlo
shot "$out/loaded.png"

# Once more: the first click after a load typed into the dialogue must reach MARLO, and the
# dialogue, shown again, is where it was the first time.
first_at=$dialogue_at
press load
wait_dialogue Open
[[ $dialogue_at == "$first_at" ]] || fail "the Open dialogue came back at $dialogue_at, first at $first_at"
xdotool key Escape
sleep 0.5
echo "the Open dialogue again, at $dialogue_at as the first time"

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

# "Mr. Smith" is saved as "Mr. Smith.mlo", and the open dialogue starts on that file, so
# Return alone opens it.
dir=$out/home/brindle/marlo/programs/me
press progname
xdotool key ctrl+a
xdotool type --delay 50 "Mr. Smith"
press save
answer_dialogue "Save As" "Mr. Smith"
printf '"","Mr. Smith","me","FFRF"\r\n' | cmp - "$dir/Mr. Smith.mlo" || fail "Mr. Smith: $(ls "$dir")"
shot "$out/smith-saved.png"
mkfifo "$dir/pipe.mlo"
ln -s /dev/ptmx "$dir/device.mlo"
perl -MIO::Socket::UNIX -e 'IO::Socket::UNIX->new(Local => $ARGV[0], Listen => 1) or die $!' \
    "$dir/socket.mlo"
press load
answer_dialogue Open ""
cp "$out/dialogue-Open.png" "$out/open-smith.png"
[[ -z $(visible Open) ]] || fail "the open dialogue did not open Mr. Smith.mlo at once"
shot "$out/smith-loaded.png"

# A pipe, a device that never answers and a socket, each chosen by name in the open dialogue:
# marlo answers at once the press on go that follows Return (the time includes a 30 ms pause
# between the two), loads nothing, and a run afterwards finishes.
for name in pipe device socket; do
    press load
    answer_dialogue Open "$name.mlo" typed
    ms=$("$time_to_change" 338x41+311+695 3000 xdotool key Return sleep 0.03 mousemove 955 669 \
        click 1) || fail "no answer after choosing $name.mlo"
    echo "$name.mlo: go answered $ms ms after Return"
    wait_status running 2 "$out" || fail "no run after choosing $name.mlo"
    # Later than a double-click, which would count as the press that started the run.
    sleep 0.5
    press go
    wait_status stopped! 2 "$out" || fail "the run after $name.mlo did not stop"
done
press go
wait_status finished 10 "$out" || fail "the run after the odd files did not finish"
shot "$out/odd-files.png"
for image in smith-loaded odd-files; do
    crop "$out/$image.png" "$listing" "$out/$image-listing.png"
    crop "$out/$image.png" 646x35+12+49 "$out/$image-names.png"
done
for part in listing names; do
    (($(differing "$out/smith-loaded-$part.png" "$out/odd-files-$part.png") < 60)) ||
        fail "a pipe, a device or a socket changed the $part"
done

# Failures over an old file, which each must keep byte for byte. A row is the button, then a
# rule for fault_shim: no room at all, a disk that fills up after ten bytes, a failing drive,
# a refused rename.
declare -A fails_with=([save]=cancelled!) keeps=([save]=square.mlo)
for case in "save|write ENOSPC */programs/me/* 0" "save|write ENOSPC */programs/me/* 10" \
    "save|sync EIO */programs/me/* 0" "save|rename EACCES */programs/me/* 0"; do
    button=${case%%|*}
    kept=$dir/${keeps[$button]}
    printf '"","square","me","FRFRFRFR"\r\n' >"$kept"
    cp "$kept" "$out/kept"
    before=$(ls -A "$dir")
    echo "${case#*|}" >"$faults"
    press "$button"
    if [[ $button == save ]]; then
        answer_dialogue "Save As" square
        window=$(visible "Save As")
        [[ -n $window ]] || fail "no question before replacing square.mlo"
        focus "$window"
        xdotool key y
    fi
    wait_status "${fails_with[$button]}" 5 "$out" || fail "$case: no ${fails_with[$button]}"
    : >"$faults"
    cmp "$out/kept" "$kept" || fail "$case: ${keeps[$button]} changed"
    [[ $(ls -A "$dir") == "$before" ]] || fail "$case: left $(ls -A "$dir")"
    echo "$case: ${fails_with[$button]}, ${keeps[$button]} kept, nothing left"
done
echo "screenshots: $out"
