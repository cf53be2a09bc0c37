# Shared by the real-display checks: start MARLO on its own Xvfb with HOME in a temporary
# folder, press its buttons as a pupil would, and read what the screen shows.
# Geometry is that of a 1024 x 768 screen at 96 dpi (15 twips per pixel).
set -euo pipefail

E2E_FONT=/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf

# Re-runs the calling script inside a fresh Xvfb, once.
e2e_in_xvfb() {
    if [[ -z "${INSIDE_XVFB:-}" ]]; then
        INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$@"
    fi
    unset QT_QPA_PLATFORM
}

# Screen centres of the keypad buttons, the main window's buttons and the exit button.
declare -A E2E_AT=(
    [forwards]="843 445" [LeftTurn]="731 557" [pause]="843 557" [RightTurn]="955 557"
    [clear]="731 669" [backwards]="843 669" [go]="955 669"
    [aim]="51 715" [load]="131 715" [PrintButton]="201 715" [save]="271 715"
    [ExitButton]="841 17" [progname]="172 67" [myname]="506 67"
)

# marlo_start BINARY OUTDIR: starts MARLO with HOME in OUTDIR/home; sets MARLO_PID.
marlo_start() {
    local binary=$1 out=$2
    mkdir -p "$out/home"
    HOME="$out/home" "$binary" >>"$out/marlo.log" 2>&1 &
    MARLO_PID=$!
    local i
    for i in $(seq 150); do
        [[ $(xwininfo -root -children | grep -c '("marlo"') -ge 3 ]] && { sleep 0.3; return 0; }
        kill -0 "$MARLO_PID" 2>/dev/null || { echo "marlo ended at start-up" >&2; return 1; }
        sleep 0.1
    done
    echo "marlo's windows did not appear" >&2
    return 1
}

marlo_stop() {
    if [[ -n "${MARLO_PID:-}" ]] && kill -0 "$MARLO_PID" 2>/dev/null; then
        kill "$MARLO_PID"
        wait "$MARLO_PID" 2>/dev/null || true
    fi
    MARLO_PID=
}

# True once the MARLO process has ended, within the given seconds.
marlo_ended_within() {
    local i
    for i in $(seq $(($1 * 10))); do
        kill -0 "$MARLO_PID" 2>/dev/null || { wait "$MARLO_PID" 2>/dev/null || true; return 0; }
        sleep 0.1
    done
    return 1
}

press() {
    local at=(${E2E_AT[$1]})
    xdotool mousemove "${at[0]}" "${at[1]}" click 1
    sleep "${2:-0.15}"
}

# Keys go to the keypad while its window is active: a click on its panel, beside the buttons,
# makes it so.
keypad_active() {
    xdotool mousemove 731 445 click 1
    sleep 0.2
}

shot() { import -window root "$1"; }

# The colour of one pixel as r,g,b.
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Centre of a floor square on screen.
cell_x() { echo $((30 + 39 * $1)); }
cell_y() { echo $((114 + 39 * $1)); }

# The words of the status label, read by comparing its ink with each candidate rendered in the
# label's own font and size; prints the best match, or "" for an empty label.
status_word() {
    local shotfile=$1 tmp
    tmp=$(mktemp -d)
    convert "$shotfile" -crop 338x41+311+695 +repage -colorspace Gray -threshold 40% \
        "$tmp/label.png"
    if [[ $(convert "$tmp/label.png" -format '%[fx:minima]' info:) == 1 ]]; then
        rm -rf "$tmp"
        echo ""
        return
    fi
    convert "$tmp/label.png" -trim +repage "$tmp/ink.png"
    local size best="" bestscore=999999 second=999999 word score
    size=$(identify -format '%wx%h' "$tmp/ink.png")
    for word in "running" "stopped!" "crashed!" "finished" "well done!" "missed!" \
        "program full" "cancelled!" "not printed"; do
        convert -font "$E2E_FONT" -pointsize 32 -density 72 "label:$word" -colorspace Gray \
            -threshold 40% -trim +repage -resize "${size}!" -threshold 50% "$tmp/word.png"
        score=$(compare -metric AE "$tmp/ink.png" "$tmp/word.png" null: 2>&1 || true)
        score=${score%% *}
        score=${score%.*}
        if ((score < bestscore)); then
            second=$bestscore
            bestscore=$score
            best=$word
        elif ((score < second)); then
            second=$score
        fi
    done
    rm -rf "$tmp"
    # Text of another size, or ink that fits no word clearly better than the rest, is unknown.
    local w=${size%x*} h=${size#*x}
    if ((bestscore * 4 > w * h || bestscore * 3 > second * 2)); then
        echo "?($size)"
    else
        echo "$best"
    fi
}

# Waits until the status label reads the word; fails after the given seconds.
wait_status() {
    local word=$1 seconds=$2 out=$3 i now=""
    for i in $(seq $((seconds * 5))); do
        shot "$out/status.png"
        now=$(status_word "$out/status.png")
        [[ "$now" == "$word" ]] && return 0
        sleep 0.2
    done
    echo "status still '$now', expected '$word'" >&2
    return 1
}
