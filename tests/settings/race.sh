#!/usr/bin/env bash
# Two savers write one program file TIMES times each through MARLO's save routine, one the
# program OLD and one NEW, each through its own path to the file (two mounts of one share are
# two PCs), while a reader reads it at READ over and over: every read must be one of the two
# programs whole. With "refusing" last, the share refuses to rename over a file: a read may
# then find no file for a moment and a save may lose to the other, which is counted, not failed.
# Usage: race.sh write_whole PATH1 PATH2 READ TIMES OLD NEW [refusing]
set -euo pipefail
write_whole=$1 first_path=$2 second_path=$3 read=$4 times=$5 old=$6 new=$7 refusing=${8:-}
start=${EPOCHREALTIME/./}
"$write_whole" "$first_path" "$times" "$old" 2>"$read.first.err" &
first=$!
"$write_whole" "$second_path" "$times" "$new" 2>"$read.second.err" &
second=$!
olds=0 news=0 absent=0 mixed=0
while kill -0 "$first" 2>/dev/null || kill -0 "$second" 2>/dev/null; do
    got=
    # Opened apart from the read, as a file that is not there and an empty one differ.
    if ! exec {fd}<"$read"; then
        absent=$((absent + 1))
        continue
    fi 2>/dev/null
    IFS= read -r -d '' -u "$fd" got || true
    exec {fd}<&-
    case $got in
    "$old") olds=$((olds + 1)) ;;
    "$new") news=$((news + 1)) ;;
    *) mixed=$((mixed + 1)) && echo "read: $(od -c <<<"$got" | head -3)" >&2 ;;
    esac
done
failed=0
wait "$first" || failed=$((failed + $(grep -o '^[0-9]*' "$read.first.err")))
wait "$second" || failed=$((failed + $(grep -o '^[0-9]*' "$read.second.err")))
rm -f "$read.first.err" "$read.second.err"
ms=$(((${EPOCHREALTIME/./} - start) / 1000))
echo "2 x $times saves in $ms ms, $failed failed; $((olds + news + absent + mixed)) reads:" \
    "$olds of one program, $news of the other, $absent finding no file, $mixed neither"
((mixed == 0)) || { echo "FAIL: a read was not one of the two programs whole" >&2; exit 1; }
((olds > 0 && news > 0)) || { echo "FAIL: the reader did not see both programs" >&2; exit 1; }
[[ -n $refusing ]] || ((absent == 0 && failed == 0)) ||
    { echo "FAIL: a save failed or the file was missing" >&2; exit 1; }
