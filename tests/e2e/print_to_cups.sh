#!/usr/bin/env bash
# Printing through a private CUPS server whose default printer writes its jobs into a file: the
# job reaches the printer as the report, no PDF is saved instead and the status label stays
# blank; a queue that refuses jobs gets "not printed".
# Usage: print_to_cups.sh path/to/marlo output-folder   (needs cupsd and lpadmin, as root)
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
cups=$out/cups
mkdir -p "$cups/paper" "$cups/spool"
chmod 1777 "$cups/paper"
printf '%s\n' "ServerRoot $cups" "RequestRoot $cups/spool" "TempDir $cups" "CacheDir $cups" \
    "StateDir $cups" "ErrorLog $cups/log" "AccessLog $cups/log" "PageLog $cups/log" \
    "FileDevice Yes" >"$cups/files.conf"
printf '%s\n' "LogLevel ${CUPS_LOG_LEVEL:-warn}" "Listen $cups/socket" "<Location />" "Allow all" \
    "</Location>" >"$cups/cupsd.conf"
export CUPS_SERVER=$cups/socket
/usr/sbin/cupsd -f -c "$cups/cupsd.conf" -s "$cups/files.conf" &
trap "marlo_stop; kill $!" EXIT
for _ in $(seq 50); do
    [[ -S $CUPS_SERVER ]] && break
    sleep 0.1
done
# A printer that takes PDF as it comes, so the file is the very document MARLO sent.
printf '%s\n' '*PPD-Adobe: "4.3"' '*cupsFilter: "application/pdf 0 gziptoany"' >"$cups/paper.ppd"
lpadmin -p classroom -E -v "file://$cups/paper/job" -P "$cups/paper.ppd" && lpadmin -d classroom ||
    fail "no queue: $(cat "$cups/log")"

marlo_start
press forwards PrintButton
for _ in $(seq 100); do
    [[ -s $cups/paper/job && -z $(lpstat -o) ]] && break
    sleep 0.2
done
text=$(pdftotext -layout "$cups/paper/job" - || true)
grep -q "my program.*written by.*me.*on $(date +%d/%m/%Y)" <<<"$text" &&
    grep -q forwards <<<"$text" ||
    fail "no report on the printer's paper: $text $(cat "$cups/log")"
[[ ! -e "$out/home/brindle/marlo/programs/me/my program.pdf" ]] || fail "a PDF was saved instead"
shot
reads "" || fail "the status label changed although the paper came out"
cupsreject classroom
press PrintButton
wait_status "not printed" 3 "a queue refusing jobs"
