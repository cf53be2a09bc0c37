#!/usr/bin/env bash
# The real MARLO started with --speak, with whatever speech engine this machine has (none on a
# bare one): it runs a program typed on the keypad as it does silently, and says at most once
# that it has no engine.
# Usage: spoken.sh path/to/marlo output-folder
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
# A speech-dispatcher that MARLO started for this HOME goes with it.
cleanup() {
    marlo_stop
    local daemon
    for daemon in $(pgrep -f "$out/home/.cache/speech-dispatcher" || true); do
        kill -9 "$daemon" 2>/dev/null || true
    done
}
trap cleanup EXIT

printf '#!/bin/sh\nexec "%s" --speak "$@"\n' "$(realpath "$marlo")" >"$out/marlo-spoken"
chmod +x "$out/marlo-spoken"
marlo_start "$out/marlo-spoken" "$out"

for button in forwards LeftTurn forwards; do press "$button"; done
press go
wait_status running 2 "$out" || fail "no 'running' after Go"
wait_status finished 6 "$out" || fail "spoken run did not finish"
press clear
sleep 0.3
kill -0 "$MARLO_PID" || fail "marlo ended"
reports=$(grep -c "speech engine" "$out/marlo.log" || true)
((reports <= 1)) || fail "no engine reported $reports times"
echo "spoken: FLF ran to 'finished'; engine reports on stderr: $reports"
