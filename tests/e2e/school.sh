#!/usr/bin/env bash
# A school's settings on the real binary: a system file (XDG_CONFIG_DIRS in the output folder)
# puts the programs folder on a "share" and fixes the floor at 16 x 15. `marlo --settings` says
# where each came from; a save lands in the share; a save over the old file on a read-only
# share says "cancelled!" and on a share gone "folder missing", each keeping the old file byte
# for byte and the program in MARLO, which the next save, once the share is back, writes.
# Usage: school.sh path/to/marlo output-folder path/to/libfault_shim.so
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
export XDG_CONFIG_DIRS=$out/xdg XDG_CONFIG_HOME=$out/home/.config
share=$out/share/marlo/programs
mkdir -p "$XDG_CONFIG_DIRS/brindle" "$share"
printf '[programs]\nfolder=%s\n[floor]\ncolumns=16\nrows=15\n' "$share" \
    >"$XDG_CONFIG_DIRS/brindle/marlo.conf"
faulty=(env LD_PRELOAD="$3" MARLO_FAULTS="$out/faults" "$marlo")
: >"$out/faults"

"$marlo" --settings >"$out/settings.txt"
from="(from $XDG_CONFIG_DIRS/brindle/marlo.conf)"
for line in "[programs] folder: $share $from" "[floor] columns: 16 $from" \
    "[floor] rows: 15 $from" "[pupil] speak: false (default)"; do
    tr -s ' ' <"$out/settings.txt" | grep -qxF " $line" ||
        fail "--settings lacks '$line': $(cat "$out/settings.txt")"
done

marlo_start "${faulty[@]}"
shot "$out/floor-1024x768.png"
press forwards forwards RightTurn forwards
type_into progname square
press save
answer "Save As" square
file=$share/me/square.mlo
old=$'"","square","me","FFRF"\r\n'
printf '%s' "$old" | cmp - "$file" || fail "saved: $(find "$out/share" "$out/home" -type f)"
[[ -z $(find "$out/home" -name '*.mlo') ]] || fail "a program went to the home"
echo "saved in the share: $file"

# One more command, so the program in MARLO differs from the file.
press forwards
new=$'"","square","me","FFRFF"\r\n'
# A read-only share (30, EROFS); full disks are save_load.sh's, through the same save.
for rule in "create 30 $share/* 0"; do
    echo "$rule" >"$out/faults"
    press save
    answer "Save As" square
    answer "Save As" y typed # yes, replace it
    wait_status cancelled! 5 "$rule"
    shot "$out/fault-${rule%% *}-${rule##* }.png"
    printf '%s' "$old" | cmp - "$file" || fail "$rule: square.mlo changed"
    [[ $(ls -A "$share/me") == square.mlo ]] || fail "$rule: left $(ls -A "$share/me")"
    echo "$rule: cancelled!, square.mlo as it was"
done
: >"$out/faults"

# The share gone: no dialogue at all, and the old file, kept aside here as a server would
# keep it, untouched.
mv "$out/share" "$out/share-away"
press save
wait_status "folder missing" 5 "the share gone"
shot "$out/fault-gone.png"
[[ -z $(dialogue "Save As") ]] || fail "a save dialogue on a missing share"
[[ ! -e $out/share ]] || fail "MARLO made the missing share: $(find "$out/share")"
printf '%s' "$old" | cmp - "$out/share-away/marlo/programs/me/square.mlo" ||
    fail "the share gone: square.mlo changed"
echo "share gone: folder missing, nothing made"

# Back again: the program kept in MARLO is saved whole.
mv "$out/share-away" "$out/share"
press save
answer "Save As" square
answer "Save As" y typed
for _ in $(seq 25); do printf '%s' "$new" | cmp -s - "$file" && break || sleep 0.2; done
printf '%s' "$new" | cmp - "$file" || fail "saved once the share was back: $(od -c "$file")"
echo "share back: the program in MARLO saved"

# The class view opens on the share: the one program saved there, none from the home.
marlo_stop
HOME=$out/home MARLO_CLASSVIEW_TIMING=1 "$marlo" --class >"$out/class.log" 2>&1 &
class=$!
for _ in $(seq 50); do grep -q "read .* files" "$out/class.log" && break || sleep 0.2; done
sleep 1
shot "$out/class-view.png"
kill "$class"
grep -q "read 1 files" "$out/class.log" || fail "the class view: $(cat "$out/class.log")"
echo "class view on the share: $(grep -o 'read .* files' "$out/class.log")"
