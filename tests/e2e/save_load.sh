#!/usr/bin/env bash
# Program files through the real dialogues on a real disk: a program saved through the save
# dialogue has the file's exact bytes and, after MARLO is started again, loads through the open
# dialogue to look as it did; "Mr. Smith" is saved as "Mr. Smith.mlo", which the open dialogue
# then starts on; after a pipe, a device or a socket is chosen in the open dialogue MARLO
# answers at once; a save over an old file that fails on a full disk, on a disk filling up, on
# sync or on rename says "cancelled!", keeps the old file byte for byte and leaves nothing
# behind. MARLO runs with fault_shim preloaded, its rule in $out/faults.
# Usage: save_load.sh path/to/marlo output-folder path/to/libfault_shim.so path/to/time_to_change
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
faulty=(env LD_PRELOAD="$3" MARLO_FAULTS="$out/faults" "$marlo")
time_to_change=$4
dir=$out/home/brindle/marlo/programs/me

# Pixels that differ between two screenshots in a part of the screen.
differing() {
    convert "$out/$1.png" "$out/$2.png" -crop "$3" +repage -metric AE -compare \
        -format '%[distortion]' info:
}

marlo_start "${faulty[@]}"
press forwards forwards RightTurn forwards
type_into progname square
sleep 0.3
shot "$out/entered.png"
press save
answer "Save As" square
printf '"","square","me","FFRF"\r\n' | cmp - "$dir/square.mlo" ||
    fail "saved: $(od -c "$dir"/* 2>&1)"
# Saved, so exit ends at once.
press ExitButton
ended_within 5 || fail "exit did not end a saved marlo"

marlo_start "${faulty[@]}"
shot "$out/fresh.png"
press load
answer Open square.mlo
shot "$out/loaded.png"
# The listing and the name boxes as saved, where a blinking text cursor may differ.
for part in 364x334+659+35 322x35+12+49; do
    (($(differing entered loaded $part) < 60)) || fail "loaded $part does not look as saved"
    (($(differing fresh loaded $part) > 300)) || fail "the load left $part as it was"
done

type_into progname "Mr. Smith"
press save
answer "Save As" "Mr. Smith"
printf '"","Mr. Smith","me","FFRF"\r\n' | cmp - "$dir/Mr. Smith.mlo" ||
    fail "Mr. Smith: $(ls "$dir")"
press load
answer Open ""
[[ -z $(dialogue Open) ]] || fail "the open dialogue did not open Mr. Smith.mlo at once"

# A pipe, a device that never answers and a socket, each chosen by name: MARLO answers at once
# the press on Go after Return, and runs.
mkfifo "$dir/pipe.mlo"
ln -s /dev/ptmx "$dir/device.mlo"
# Made from within the folder, whose path may be longer than a socket's address can be.
(cd "$dir" && perl -MIO::Socket::UNIX -e 'IO::Socket::UNIX->new(Local => "socket.mlo", Listen => 1)
    or die $!')
for name in pipe device socket; do
    press load
    answer Open "$name.mlo" typed
    ms=$(x "$time_to_change" 338x41+311+695 3000 xdotool key Return sleep 0.03 mousemove ${AT[go]} \
        click 1) || fail "no answer after choosing $name.mlo"
    echo "$name.mlo: Go answered $ms ms after Return"
    # Later than the second click of a double-click, which would not stop the run.
    sleep 0.5
    press go
    wait_status stopped! 2 "a run after choosing $name.mlo"
done

# Saves over an old file that fail: no room at all (28 is ENOSPC), a disk that fills up after
# ten bytes, a failing drive (5, EIO), a refused rename (13, EACCES).
for rule in "write 28 */me/* 0" "write 28 */me/* 10" "sync 5 */me/* 0" "rename 13 */me/* 0"; do
    printf '"","square","me","FRFRFRFR"\r\n' >"$dir/square.mlo"
    cp "$dir/square.mlo" "$out/kept"
    before=$(ls -A "$dir")
    echo "$rule" >"$out/faults"
    press save
    answer "Save As" square
    answer "Save As" y typed # yes, replace it
    wait_status cancelled! 5 "$rule"
    : >"$out/faults"
    cmp "$out/kept" "$dir/square.mlo" || fail "$rule: square.mlo changed"
    [[ $(ls -A "$dir") == "$before" ]] || fail "$rule: left $(ls -A "$dir")"
done
