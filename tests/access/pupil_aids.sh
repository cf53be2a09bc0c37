#!/usr/bin/env bash
# Runs pupil_aids.py MODE against the real MARLO on its own Xvfb, with a private session bus
# and the accessibility bus that a screen reader would use.
# Usage: pupil_aids.sh path/to/marlo output-folder screen-reader|keyboard|switch
source "$(dirname "$0")/../e2e/lib.sh"
if [[ -n ${INSIDE_XVFB:-} && -z ${INSIDE_DBUS:-} ]]; then
    INSIDE_DBUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
e2e_begin "$@"
mode=$3
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
trap 'marlo_stop; kill $bus 2>/dev/null || true' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
options=()
[[ $mode == switch ]] && options=(--scan)
marlo_start "$marlo" "${options[@]}"
/usr/bin/python3 "$(dirname "$0")/pupil_aids.py" "$mode" || fail "$mode"
