#!/usr/bin/env bash
# Builds one of the file readers' fuzzers with clang and runs it for a bounded time.
# Usage: run.sh SECONDS [build-folder] [fuzzer]   (fuzzer: reader_fuzz, the program file
# reader, by default, or lesson_fuzz; the README's test runs each briefly; try 3600 for a
# long run). Inputs that once broke a reader belong in its tests as unit tests.
set -euo pipefail
seconds=${1:-20}
here=$(cd "$(dirname "$0")" && pwd)
build=${2:-$here/../../build-fuzz}
fuzzer=${3:-reader_fuzz}

# The seeds stay in the repo; a lesson's mat may be tens of kilobytes.
case $fuzzer in
reader_fuzz) seeds=$here/corpus limits=(-max_len=65536 -rss_limit_mb=512 -malloc_limit_mb=256) ;;
lesson_fuzz) seeds=$here/lesson_corpus
             limits=(-max_len=65536 -rss_limit_mb=1024 -malloc_limit_mb=512 -dict=$here/lesson.dict) ;;
*) echo "run.sh: no fuzzer $fuzzer" >&2; exit 2 ;;
esac

mkdir -p "$build"
log=$build/build.log
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
    >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
cmake --build "$build" --target "$fuzzer" >>"$log" 2>&1 || { cat "$log" >&2; exit 1; }

export LSAN_OPTIONS=suppressions=$here/lsan.supp
# What the fuzzer finds goes to a scratch corpus of its own in the build.
mkdir -p "$build/corpus/$fuzzer" "$build/crashes/$fuzzer"
"$build/$fuzzer" "$build/corpus/$fuzzer" "$seeds" -max_total_time="$seconds" -timeout=5 "${limits[@]}" \
    -artifact_prefix="$build/crashes/$fuzzer/" -print_final_stats=1 2>&1 | grep -v -e '# Uses:' -e 'dictionary ######' | tail -n 25
