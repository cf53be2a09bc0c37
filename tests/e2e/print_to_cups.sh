#!/usr/bin/env bash
# Starts a private CUPS server whose default printer is a queue writing to a file, starts the
# real marlo on an X screen talking only to that server, presses print and checks that the
# job went to the printer: the queue's file holds the report and no PDF is saved instead;
# then makes the queue refuse jobs and checks that the pupil is told.
# Usage: print_to_cups.sh path/to/marlo output-folder   (needs cupsd and lpadmin, as root)
set -euo pipefail
marlo=$1
out=$(realpath -m "$2")

if [[ -z "${INSIDE_XVFB:-}" ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$@"
fi

rm -rf "$out"
cups=$out/cups
mkdir -p "$cups"/{etc/ppd,spool,tmp,cache,state,log,paper}
chmod 1777 "$cups/paper" "$cups/tmp"
cat >"$cups/cups-files.conf" <<CONF
ServerRoot $cups/etc
RequestRoot $cups/spool
TempDir $cups/tmp
CacheDir $cups/cache
StateDir $cups/state
ErrorLog $cups/log/error_log
AccessLog $cups/log/access_log
PageLog $cups/log/page_log
FileDevice Yes
CONF
cat >"$cups/cupsd.conf" <<CONF
Listen $cups/cups.sock
LogLevel ${CUPS_LOG_LEVEL:-warn}
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
export CUPS_SERVER=$cups/cups.sock
/usr/sbin/cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" &
cupsd=$!
trap 'kill $cupsd 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [[ -S $CUPS_SERVER ]] && break
    sleep 0.1
done
# A printer that takes PDF as it comes, so the file is the very document MARLO sent.
cat >"$out/paper.ppd" <<'PPD'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "PAPER.PPD"
*Manufacturer: "Test"
*Product: "(Paper file)"
*ModelName: "Paper file"
*ShortNickName: "Paper file"
*NickName: "Paper file"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*cupsFilter: "application/pdf 0 gziptoany"
*OpenUI *PageSize: PickOne
*DefaultPageSize: A4
*PageSize A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: A4
*ImageableArea A4: "18 18 577 824"
*DefaultPaperDimension: A4
*PaperDimension A4: "595 842"
PPD
lpadmin -p classroom -E -v "file://$cups/paper/job" -P "$out/paper.ppd" 2>"$out/lpadmin.log" ||
    { cat "$out/lpadmin.log" "$cups/log/error_log" >&2; exit 1; }
lpadmin -d classroom
lpstat -d

unset QT_QPA_PLATFORM
export HOME=$out/home
mkdir -p "$HOME"
"$marlo" >"$out/marlo.log" 2>&1 &
pid=$!
trap 'kill $pid $cupsd 2>/dev/null || true' EXIT
for _ in $(seq 150); do
    [[ $(xwininfo -root -children | grep -c '("marlo"' || true) -ge 3 ]] && break
    sleep 0.2
done
[[ $(xwininfo -root -children | grep -c '("marlo"' || true) -ge 3 ]] ||
    { echo "marlo's windows did not appear" >&2; cat "$out/marlo.log" >&2; exit 1; }
sleep 0.5
xdotool mousemove 843 445 click 1 # forwards
sleep 0.3
import -window root "$out/before_print.png"
xdotool mousemove 200 715 click 1 # print
for _ in $(seq 100); do
    [[ -s "$cups/paper/job" ]] && ! lpstat -o | grep -q . && break
    sleep 0.2
done
sleep 0.3
import -window root "$out/after_print.png"
[[ -s "$cups/paper/job" ]] || { echo "the printer got nothing" >&2; cat "$cups/log/error_log" >&2; exit 1; }
file "$cups/paper/job"
text=$(pdftotext -layout "$cups/paper/job" -)
grep -q "my program.*written by.*me.*on $(date +%d/%m/%Y)" <<<"$text" ||
    { echo "no header on the printer's paper: $text" >&2; exit 1; }
grep -q forwards <<<"$text" || { echo "no listing on the printer's paper" >&2; exit 1; }
[[ ! -e "$HOME/brindle/marlo/programs/me/my program.pdf" ]] ||
    { echo "a PDF was saved although there is a printer" >&2; exit 1; }
# Paper came out: the status label says nothing new.
label=340x45+305+692
convert "$out/before_print.png" -crop $label +repage "$out/label_before.png"
convert "$out/after_print.png" -crop $label +repage "$out/label_after.png"
changed=$(compare -metric AE "$out/label_before.png" "$out/label_after.png" null: 2>&1 || true)
[[ "$changed" == 0 ]] || { echo "the status label changed ($changed pixels)" >&2; exit 1; }
echo "printed to the classroom queue: $cups/paper/job"

# A queue that refuses jobs: the pupil must not be left believing it printed.
cupsreject classroom
xdotool mousemove 200 715 click 1 # print
sleep 1
import -window root "$out/refused.png"
convert "$out/refused.png" -crop $label +repage "$out/label_refused.png"
changed=$(compare -metric AE "$out/label_before.png" "$out/label_refused.png" null: 2>&1 || true)
[[ "$changed" != 0 ]] || { echo "a refused job left the status label blank" >&2; exit 1; }
echo "refused job: the status label changed ($changed pixels), see $out/label_refused.png"
