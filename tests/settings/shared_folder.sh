#!/usr/bin/env bash
# Saves on a shared folder. A share that refuses to rename over a file, as some SMB mounts do,
# made so by fault_shim: the save still replaces the old file whole, and when the new one then
# cannot take the name the old one is put back; nothing is left beside it either way. Then two
# savers race on one file, TIMES saves each (race.sh).
# Usage: shared_folder.sh path/to/write_whole path/to/libfault_shim.so output-folder TIMES
set -euo pipefail
write_whole=$1 shim=$2 out=$3 times=$4
rm -rf "$out"
mkdir -p "$out/share"
file=$out/share/square.mlo
old=$'"","square","me","FFRF"\r\n'
new=$'"","square","me","LLLLLLLLRRRRRRRRFFFFFFFF"\r\n'
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

refused='replace 17 */square.mlo 0'
for case in "$refused|0|$new" "$refused"$'\nrename 5 */square.mlo.?????? 1|1|'"$old"; do
    IFS='|' read -r -d '' rules status expected <<<"$case" || true
    printf '%s' "$old" >"$file"
    echo "$rules" >"$out/faults"
    got=0
    LD_PRELOAD=$shim MARLO_FAULTS=$out/faults "$write_whole" "$file" 1 "$new" 2>/dev/null || got=$?
    [[ $got == "$status" ]] || fail "$rules: write_whole ended $got"
    printf '%s' "${expected%$'\n'}" | cmp - "$file" || fail "$rules: square.mlo holds $(od -c "$file")"
    [[ $(ls -A "$out/share") == square.mlo ]] || fail "$rules: left $(ls -A "$out/share")"
    echo "$(tr '\n' ';' <<<"$rules"): ended $got, square.mlo $( ((got)) && echo kept || echo new), nothing left"
done

printf '%s' "$old" >"$file"
bash "$(dirname "$0")/race.sh" "$write_whole" "$file" "$file" "$file" "$times" "$old" "$new"
