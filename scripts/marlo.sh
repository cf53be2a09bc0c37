#!/usr/bin/env bash
# Sets up, builds and then starts MARLO (run), runs every test (test) or makes the Debian
# package for installing on classroom machines (deb).
# On a fresh Debian 12 machine, run as root: it installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

# qt6-declarative-dev holds a header that Debian 12's qt6-speech-dev includes but does not depend on.
packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev libfontconfig-dev libgtest-dev
          qt6-speech-dev qt6-declarative-dev
          qt6-svg-dev
          fonts-liberation fonts-dejavu-core clang-format clang libclang-rt-14-dev
          xvfb xauth xdotool x11-utils imagemagick poppler-utils file
          dpkg-dev desktop-file-utils appstream)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    if ((${#missing[@]})); then
        echo "installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() {
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$folder"
}

case "${1:-}" in
run)
    # The engines for spoken mode; tests use a fake, so only running MARLO needs them.
    # Speech-dispatcher with its Flite voice comes first: Qt 6.4's own Flite plugin drops
    # words said soon after one another.
    packages+=(qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-flite
               qt6-speech-flite-plugin)
    install_missing
    build build -DMARLO_BUILD_TESTS=OFF
    exec ./build/marlo
    ;;
test)
    install_missing
    build build-tests -DMARLO_BUILD_TESTS=ON -DMARLO_WARNINGS_AS_ERRORS=ON
    ctest --test-dir build-tests --output-on-failure
    ;;
deb)
    install_missing
    cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DMARLO_BUILD_TESTS=OFF
    cmake --build build-deb
    cpack --config build-deb/CPackConfig.cmake -B build-deb
    ls build-deb/marlo_*.deb
    ;;
*)
    echo "usage: $0 run|test|deb" >&2
    exit 2
    ;;
esac
