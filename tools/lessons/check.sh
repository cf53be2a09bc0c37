#!/usr/bin/env bash
# Checks that drawlessons reproduces the shipped lessons byte for byte, so what is in
# lessons/ is what the tool draws. After changing a mat: drawlessons lessons/
#
#   tools/lessons/check.sh <drawlessons> <lessons-dir>
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$1" "$tmp"
diff -rq "$tmp" "$2"
echo "$(ls "$tmp" | wc -l) lessons as drawn"
