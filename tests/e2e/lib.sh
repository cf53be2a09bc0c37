# Shared by the real-display checks: start MARLO on its own Xvfb with HOME in a temporary
# folder, press its buttons as a pupil would, and read what the screen shows.
# Geometry is that of a 1024 x 768 screen at 96 dpi (15 twips per pixel).
set -euo pipefail

E2E_FONT=/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf

# Re-runs the calling script inside a fresh Xvfb, once. The search for a free display starts
# at a random number: an X server that the check before this one is still closing may hold
# the first free-looking one.
e2e_in_xvfb() {
    if [[ -z "${INSIDE_XVFB:-}" ]]; then
        INSIDE_XVFB=1 exec xvfb-run -a -n $((100 + RANDOM % 800)) \
            -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$@"
    fi
    unset QT_QPA_PLATFORM
    render_words
}

# Xvfb here now and then refuses a client that connects while another one is connecting (one
# connection in fifteen with three connecting at once). The checks' own X clients try again
# when the display would not open, and so does MARLO's start.
x_client() {
    local err status try
    err=$(mktemp)
    for try in 1 2 3 4 5; do
        status=0
        command "$@" 2>"$err" || status=$?
        grep -q -i -E "open display|open X server|xdo instance" "$err" || break
        sleep "0.$try"
    done
    cat "$err" >&2
    rm -f "$err"
    return "$status"
}
xdotool() { x_client xdotool "$@"; }
xwininfo() { x_client xwininfo "$@"; }
import() { x_client import "$@"; }

# Starts a check: runs it inside its own Xvfb, sets `marlo` and an emptied output folder `out`,
# and stops MARLO when the check ends.
e2e_begin() {
    e2e_in_xvfb "$@"
    marlo=$1
    out=$(realpath -m "$2")
    rm -rf "$out"
    mkdir -p "$out"
    trap marlo_stop EXIT
}

# Ends a check as failed, with MARLO's output and the last screenshot of the status kept.
fail() {
    echo "FAIL: $*" >&2
    cat "$out/marlo.log" >&2 2>/dev/null || true
    cp "$out/status.png" "$out/failed.png" 2>/dev/null || true
    exit 1
}

# Screen centres of the keypad buttons, the main window's buttons and the exit button.
declare -A E2E_AT=(
    [forwards]="843 445" [LeftTurn]="731 557" [pause]="843 557" [RightTurn]="955 557"
    [clear]="731 669" [backwards]="843 669" [go]="955 669"
    [aim]="51 715" [load]="131 715" [PrintButton]="201 715" [save]="271 715"
    [ExitButton]="841 17" [progname]="172 67" [myname]="506 67"
)

# MARLO's mapped windows, one WIDTHxHEIGHT+X+Y a line.
visible_windows() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$MARLO_PID" 2>/dev/null); do
        xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
            /Width:/ {w = $NF} /Height:/ {h = $NF} END {print w "x" h "+" x "+" y}'
    done
}

# marlo_start BINARY OUTDIR: starts MARLO with HOME in OUTDIR/home; sets MARLO_PID.
marlo_start() {
    local binary=$1 out=$2
    mkdir -p "$out/home"
    local try i logged
    for try in 1 2 3 4 5; do
        logged=$(stat -c %s "$out/marlo.log" 2>/dev/null || echo 0)
        HOME="$out/home" "$binary" >>"$out/marlo.log" 2>&1 &
        MARLO_PID=$!
        for i in $(seq 150); do
            [[ $(visible_windows | wc -l) -ge 3 ]] && { sleep 0.3; return 0; }
            if ! kill -0 "$MARLO_PID" 2>/dev/null; then
                wait "$MARLO_PID" 2>/dev/null || true
                # Qt ends the program when the display refuses it: that is the X server's
                # doing, so start again.
                if tail -c +$((logged + 1)) "$out/marlo.log" | grep -q "could not connect to display"; then
                    sleep "0.$try"
                    continue 2
                fi
                echo "marlo ended at start-up" >&2
                return 1
            fi
            sleep 0.1
        done
        echo "marlo's windows did not appear" >&2
        return 1
    done
    echo "the display refused marlo five times" >&2
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

E2E_WORDS=("running" "stopped!" "crashed!" "finished" "well done!" "missed!" "program full"
    "cancelled!" "not printed")
# The same for every run, so they are made once and kept.
E2E_WORD_DIR=${TMPDIR:-/tmp}/marlo-e2e-words-$(id -u)
E2E_WORD_SIZES=()

# Each message rendered once in the label's font and size, thresholded and trimmed to its ink.
render_words() {
    mkdir -p "$E2E_WORD_DIR"
    local i
    for i in "${!E2E_WORDS[@]}"; do
        # Renamed into place, so a check running beside this one never reads half a picture.
        [[ -f "$E2E_WORD_DIR/$i.png" ]] ||
            { convert -font "$E2E_FONT" -pointsize 32 -density 72 "label:${E2E_WORDS[$i]}" \
                -colorspace Gray -threshold 40% -trim +repage "$E2E_WORD_DIR/$i.$$.png" &&
                mv "$E2E_WORD_DIR/$i.$$.png" "$E2E_WORD_DIR/$i.png"; }
        E2E_WORD_SIZES[$i]=$(identify -format '%w %h' "$E2E_WORD_DIR/$i.png")
    done
}

# The words of the status label, read by comparing its ink with each message of the same ink
# size rendered in the label's own font; prints the best match, "" for an empty label, or
# "?(WxH)" for ink that is no message.
status_word() {
    local label
    label=$(mktemp --suffix=.png)
    convert "$1" -crop 338x41+311+695 +repage -colorspace Gray -threshold 40% -trim +repage \
        "$label"
    local size w h
    size=$(identify -format '%wx%h' "$label")
    w=${size%x*}
    h=${size#*x}
    # Trimming a blank label leaves one pixel.
    if ((w * h <= 1)); then
        rm -f "$label"
        echo ""
        return
    fi
    local i cw ch score best="" bestscore=$((w * h))
    for i in "${!E2E_WORDS[@]}"; do
        read -r cw ch <<<"${E2E_WORD_SIZES[$i]}"
        ((cw - w <= 4 && w - cw <= 4 && ch - h <= 3 && h - ch <= 3)) || continue
        score=$(convert "$E2E_WORD_DIR/$i.png" -resize "${size}!" -threshold 50% - |
            compare -metric AE "$label" - null: 2>&1 || true)
        score=${score%% *}
        score=${score%.*}
        if ((score < bestscore)); then
            bestscore=$score
            best=${E2E_WORDS[$i]}
        fi
    done
    rm -f "$label"
    if [[ -n "$best" ]] && ((bestscore * 4 < w * h)); then echo "$best"; else echo "?($size)"; fi
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
