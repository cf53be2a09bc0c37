#!/usr/bin/env bash
# Sets up, builds and then starts MARLO (run), runs every test (test) or makes the Debian
# package for installing on classroom machines (deb). `install [PACKAGE...]` only installs
# what those need, and the packages named; bench/run uses it.
#
# Missing Debian packages are installed first: directly as root, through sudo as a plain user.
# Building and running are the caller's: started through sudo, it goes back to the user who
# called sudo, so MARLO runs as that user and a pupil's files go to their home.
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."

# qt6-declarative-dev holds a header that Debian 12's qt6-speech-dev includes but does not depend on.
packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev libfontconfig-dev libgtest-dev
          qt6-speech-dev qt6-declarative-dev
          qt6-svg-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          fonts-liberation fonts-dejavu-core clang-format clang libclang-rt-14-dev
          xvfb xauth xdotool x11-utils imagemagick poppler-utils file
          # the screen-reader check: a private session bus, the accessibility bus, pyatspi
          dbus at-spi2-core python3-pyatspi
          dpkg-dev desktop-file-utils appstream lintian man-db)
# The engines for spoken mode; tests use a fake, so only running MARLO needs them.
# Speech-dispatcher with its Flite voice comes first: Qt 6.4's own Flite plugin drops
# words said soon after one another.
# espeak-ng brings the voices for MARLO's other languages.
speech=(qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-flite qt6-speech-flite-plugin
        speech-dispatcher-espeak-ng)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    echo "installing: ${missing[*]}"
    if ((EUID == 0)); then
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    elif ! command -v sudo >/dev/null ||
        ! sudo apt-get update -qq ||
        ! sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"; then
        echo "MARLO needs Debian packages that are not installed. As root, run:" >&2
        echo "    apt-get install --no-install-recommends ${missing[*]}" >&2
        echo "then run this command again." >&2
        exit 1
    fi
}

# The user who called sudo, when this runs as root through sudo.
sudo_caller() {
    ((EUID == 0)) && [[ -n ${SUDO_USER:-} && $SUDO_USER != root && -n ${SUDO_UID:-} ]]
}

# cmake cannot write over another user's files, so a build folder that someone else built in
# first (root, before sudo was used) is handed to the user who builds now.
own_folder() {
    local folder=$1
    if sudo_caller; then
        mkdir -p "$folder"
        chown -R "$SUDO_UID:$(id -g "$SUDO_USER")" "$folder"
    elif ((EUID != 0)) && [[ -e $folder && -n $(find "$folder" ! -user "$EUID" -print -quit) ]]; then
        echo "$folder holds files built by another user; handing it to $(id -un)"
        sudo chown -R "$(id -u):$(id -g)" "$folder" || {
            echo "As root, run: chown -R $(id -un): $PWD/$folder" >&2
            exit 1
        }
    fi
}

# Goes on as the user who called sudo, with their home and, when they have one, their session.
become_caller() {
    local runtime=/run/user/$SUDO_UID
    local session=()
    if [[ -d $runtime && $(stat -c %u "$runtime") == "$SUDO_UID" ]]; then
        session+=("XDG_RUNTIME_DIR=$runtime")
        [[ -S $runtime/bus ]] && session+=("DBUS_SESSION_BUS_ADDRESS=unix:path=$runtime/bus")
    fi
    echo "going on as $SUDO_USER"
    exec runuser -u "$SUDO_USER" -- env -u SUDO_USER -u SUDO_UID -u SUDO_GID -u SUDO_COMMAND \
        "${session[@]}" bash "$self" "$@"
}

build() {
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$folder"
}

case "${1:-}" in
run)
    folder=build
    packages+=("${speech[@]}")
    ;;
test) folder=build-tests ;;
deb) folder=build-deb ;;
install)
    shift
    packages+=("$@")
    install_missing
    exit 0
    ;;
*)
    echo "usage: $0 run|test|deb|install [PACKAGE...]" >&2
    exit 2
    ;;
esac

install_missing
own_folder "$folder"
sudo_caller && become_caller "$@"

case $1 in
run)
    build build -DMARLO_BUILD_TESTS=OFF
    exec ./build/marlo
    ;;
test)
    build build-tests -DMARLO_BUILD_TESTS=ON -DMARLO_WARNINGS_AS_ERRORS=ON
    ctest --test-dir build-tests --output-on-failure
    ;;
deb)
    cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DMARLO_BUILD_TESTS=OFF
    cmake --build build-deb
    cpack --config build-deb/CPackConfig.cmake -B build-deb
    ls build-deb/marlo_*.deb
    ;;
esac
