#!/usr/bin/env bash
# Every text the sources pass through tr() is in each shipped translation, and translated:
# lupdate, run over the sources into a copy of each .ts, must find nothing new or unfinished.
#   ts_complete.sh LUPDATE SOURCE-DIR TRANSLATIONS-DIR
set -euo pipefail
lupdate=$1 sources=$2 translations=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for shipped in "$translations"/marlo_*.ts; do
    copy=$work/$(basename "$shipped")
    cp "$shipped" "$copy"
    "$lupdate" -silent -locations none -no-obsolete "$sources" -ts "$copy"
    # lupdate marks a text it has just added, and one left untranslated, as unfinished.
    if grep -q 'type="unfinished"' "$copy"; then
        echo "$(basename "$shipped"): missing or untranslated:"
        grep -B1 'type="unfinished"' "$copy" | sed -n 's/.*<source>\(.*\)<\/source>.*/    \1/p'
        status=1
    fi
done
exit $status
