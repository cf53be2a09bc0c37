# Shared by the real-display checks: MARLO on its own Xvfb with HOME in the output folder,
# pressed as a pupil would press it and read from screenshots of a 1024 x 768 screen at 96 dpi.
set -euo pipefail
MARLO_PID=
# The status label's font.
E2E_FONT=/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf

# e2e_begin MARLO OUTPUT-FOLDER...: runs the calling script again inside a fresh Xvfb, then
# sets `marlo` and an emptied `out`, and stops MARLO when the check ends.
e2e_begin() {
    # From a random display number: an X server that the check before is still closing may
    # hold the first free-looking one.
    [[ -n ${INSIDE_XVFB:-} ]] || INSIDE_XVFB=1 exec xvfb-run -a -n $((100 + RANDOM % 800)) \
        -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$@"
    unset QT_QPA_PLATFORM
    marlo=$1
    out=$(realpath -m "$2")
    rm -rf "$out"
    mkdir -p "$out"
    trap marlo_stop EXIT
}

# Ends the check as failed, keeping MARLO's output and the last screenshot.
fail() {
    echo "FAIL: $*" >&2
    cat "$out/marlo.log" >&2 2>/dev/null || true
    cp "$out/screen.png" "$out/failed.png" 2>/dev/null || true
    exit 1
}

# Xvfb now and then refuses a client that connects while another one is connecting, so X
# clients try again when the display would not open.
x() {
    local try
    for try in 1 2 3 4 5; do
        "$@" 2>"$out/x.err" && return 0
        grep -qiE "open display|open X server|xdo instance" "$out/x.err" || break
        sleep "0.$try"
    done
    cat "$out/x.err" >&2
    return 1
}
xdotool() { x command xdotool "$@"; }
shot() { x import -window root "${1:-$out/screen.png}"; }

# Screen centres of the buttons pressed.
declare -A AT=([forwards]="843 445" [LeftTurn]="731 557" [pause]="843 557" [RightTurn]="955 557"
    [clear]="731 669" [go]="955 669" [aim]="51 715" [load]="131 715" [PrintButton]="201 715"
    [save]="271 715" [ExitButton]="841 17" [progname]="172 67" [myname]="506 67")
press() {
    local button
    for button; do
        xdotool mousemove ${AT[$button]} click 1
        sleep 0.15
    done
}
type_into() {
    press "$1"
    xdotool key ctrl+a type --delay 50 "$2"
}

# MARLO's mapped windows, one "WIDTHxHEIGHT+X+Y ID" a line.
windows() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$MARLO_PID" 2>/dev/null || true); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        echo "${WIDTH}x$HEIGHT+$X+$Y $id"
    done
}

# marlo_start [COMMAND...]: starts MARLO (or the command that runs it) with HOME in the output
# folder, and waits for its three windows.
marlo_start() {
    local try i
    mkdir -p "$out/home"
    for try in 1 2 3 4 5; do
        HOME=$out/home "${@:-$marlo}" >"$out/marlo.log" 2>&1 &
        MARLO_PID=$!
        for i in $(seq 150); do
            (($(windows | wc -l) >= 3)) && { sleep 0.3; return; }
            kill -0 "$MARLO_PID" 2>/dev/null || break
            sleep 0.1
        done
        # Qt ends the program when the display refuses it: the X server's doing, so again.
        grep -q "could not connect to display" "$out/marlo.log" || fail "marlo did not start"
        sleep "0.$try"
    done
    fail "the display refused marlo five times"
}
marlo_stop() {
    [[ -z $MARLO_PID ]] || { kill "$MARLO_PID" && wait "$MARLO_PID"; } 2>/dev/null || true
    MARLO_PID=
}
# True once MARLO has ended, within the given seconds.
ended_within() {
    local i
    for i in $(seq $(($1 * 10))); do
        kill -0 "$MARLO_PID" 2>/dev/null || { wait "$MARLO_PID" 2>/dev/null || true; return 0; }
        sleep 0.1
    done
    return 1
}

# reads WORDS [SCREENSHOT]: the status label shows the words ("" for none): its ink has their
# size when drawn in the label's font, and mostly their pixels.
reads() {
    local label=$out/label.png words=$out/words-${1//[^a-z]/_}.png w h ww wh differ
    convert "${2:-$out/screen.png}" -crop 338x41+311+695 +repage -colorspace Gray -threshold 40% \
        -trim +repage "$label" 2>/dev/null
    read -r w h < <(identify -format '%w %h' "$label")
    # Trimming a blank label leaves one pixel.
    [[ -n $1 ]] || return $((w * h > 1))
    [[ -f $words ]] || convert -font "$E2E_FONT" -pointsize 32 -density 72 "label:$1" \
        -colorspace Gray -threshold 40% -trim +repage "$words"
    read -r ww wh < <(identify -format '%w %h' "$words")
    ((ww - w <= 4 && w - ww <= 4 && wh - h <= 3 && h - wh <= 3)) || return 1
    differ=$(convert "$words" -resize "${w}x$h!" -threshold 50% - |
        compare -metric AE "$label" - null: 2>&1 || true)
    ((${differ%%[. ]*} * 5 < w * h))
}
# wait_status WORDS SECONDS WHAT: fails unless the status label reads the words in time.
wait_status() {
    local deadline=$((${EPOCHREALTIME/./} + $2 * 1000000))
    until shot && reads "$1"; do
        ((${EPOCHREALTIME/./} < deadline)) ||
            fail "$3: the status label does not read '$1' within $2 s"
        sleep 0.2
    done
}

# The first visible window of that title, if any.
dialogue() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true; }
# answer TITLE TEXT [typed]: waits for the window, types into it and, unless "typed", Return.
answer() {
    local window= i
    for i in $(seq 50); do
        window=$(dialogue "$1")
        [[ -n $window ]] && break
        sleep 0.2
    done
    [[ -n $window ]] || fail "no \"$1\" window to answer $2"
    sleep 0.5
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers ctrl+a type --delay 50 "$2"
    [[ ${3:-} == typed ]] || { xdotool key Return && sleep 1; }
}
