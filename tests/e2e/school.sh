#!/usr/bin/env bash
# A school's settings on the real binary: a system file (XDG_CONFIG_DIRS in the output folder)
# puts the programs folder on a "share" and fixes the floor at 16 x 15. `marlo --settings` says
# where each came from; a save lands in the share; a save over the old file on a read-only
# share says "cancelled!" and keeps the old file byte for byte (a share gone is the settings
# tests'); the class view opens on the share.
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

# A read-only share (30 is EROFS); full disks are save_load.sh's, through the same save.
echo "create 30 $share/* 0" >"$out/faults"
press forwards save
answer "Save As" square
answer "Save As" y typed # yes, replace it
wait_status cancelled! 5 "a read-only share"
printf '%s' "$old" | cmp - "$file" || fail "a read-only share: square.mlo changed"
[[ $(ls -A "$share/me") == square.mlo ]] || fail "a read-only share: left $(ls -A "$share/me")"

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
