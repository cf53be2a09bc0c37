#!/usr/bin/env bash
# Start-up time, CPU while idle and memory of the real marlo on a 1024 x 768 X screen.
# Usage: bench/startup_idle.sh [path/to/marlo] [runs] [idle-seconds]
# Start-up is measured from launch until all three windows are mapped.
set -euo pipefail
marlo=$(realpath "${1:-build/marlo}")
runs=${2:-5}
idle=${3:-10}

if [[ -z "${INSIDE_XVFB:-}" ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$marlo" "$runs" "$idle"
fi
unset QT_QPA_PLATFORM

mapped() { xwininfo -root -children | grep -c '("marlo"' || true; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

log=$(mktemp)
trap 'rm -f "$log"' EXIT
times=()
for ((run = 1; run <= runs; run++)); do
    start=$(date +%s%N)
    "$marlo" >"$log" 2>&1 &
    pid=$!
    until [[ $(mapped) -ge 3 ]]; do
        if ! kill -0 $pid 2>/dev/null; then
            wait $pid && status=0 || status=$?
            echo "run $run: marlo ended with status $status before its windows appeared:" >&2
            cat "$log" >&2
            exit 1
        fi
        sleep 0.005
    done
    times+=($((($(date +%s%N) - start) / 1000000)))
    if ((run == runs)); then
        sleep 1
        before=$(cpu_ticks $pid)
        sleep "$idle"
        after=$(cpu_ticks $pid)
        hz=$(getconf CLK_TCK)
        rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    fi
    kill $pid
    wait $pid 2>/dev/null || true
    for _ in $(seq 500); do
        [[ $(mapped) -eq 0 ]] && break
        sleep 0.01
    done
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to three windows, ms: ${times[*]} (median ${sorted[$((runs / 2))]})"
awk -v t=$((after - before)) -v hz="$hz" -v s="$idle" \
    'BEGIN { printf "idle CPU over %d s: %d ticks = %.2f%% of one core\n", s, t, 100 * t / (hz * s) }'
echo "resident memory: $((rss / 1024)) MiB"
