#!/usr/bin/env bash
# Builds the program file reader's fuzzer with clang and runs it for a bounded time.
# Usage: run.sh SECONDS [build-folder]   (the README's test runs it briefly; try 3600 for a
# long run). Inputs that once broke the reader belong in tests/files as unit tests.
set -euo pipefail
seconds=${1:-20}
here=$(cd "$(dirname "$0")" && pwd)
build=${2:-$here/../../build-fuzz}

mkdir -p "$build"
log=$build/build.log
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
    >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
cmake --build "$build" >>"$log" 2>&1 || { cat "$log" >&2; exit 1; }

# The seeds stay in the repo; what the fuzzer finds goes to a scratch corpus in the build.
mkdir -p "$build/corpus" "$build/crashes"
"$build/reader_fuzz" "$build/corpus" "$here/corpus" -max_total_time="$seconds" \
    -timeout=5 -rss_limit_mb=512 -malloc_limit_mb=256 -max_len=65536 \
    -artifact_prefix="$build/crashes/" -print_final_stats=1 2>&1 | grep -v -e '# Uses:' -e 'dictionary ######' | tail -n 25
