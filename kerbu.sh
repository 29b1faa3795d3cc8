#!/usr/bin/env bash
# Sets up a Debian machine for Kerbu, builds it, and runs the program or the tests.
#
#   ./kerbu.sh run     install what is missing, build, start the program
#   ./kerbu.sh test    install what is missing, build with warnings as errors, run the tests
#   ./kerbu.sh gallery DIR   build and save a picture of every window into DIR (and at
#                            200 % scaling into DIR/200)
set -euo pipefail
cd "$(dirname "$0")"

# What building and running need, the Hungarian voice and the sound library included.
run_packages=(g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
              qt6-qpa-plugins fonts-liberation libxcb1-dev libespeak-ng-dev espeak-ng-data
              libpulse-dev)
# What the tests add: a virtual display, a screen reader, a Wayland compositor, the
# dictionary, the package tools.
test_packages=(xvfb xauth strace appstream desktop-file-utils dpkg-dev file hunspell-hu
               libhunspell-dev orca at-spi2-core dbus-daemon xdotool python3-pyatspi weston
               qt6-wayland pulseaudio)

setup() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
    fi
}

build() {
    local werror=$1 tests=$2
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKERBU_WERROR="$werror" \
          -DKERBU_TESTS="$tests" >/dev/null
    cmake --build build --parallel "$(nproc)"
}

case "${1:-}" in
run)
    setup "${run_packages[@]}"
    build OFF OFF
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "No display: Kerbu is a desktop program and needs a graphical session." >&2
        echo "Start it from a desktop, or on a virtual display (apt-get install xvfb xauth):" >&2
        echo "  xvfb-run -a ./kerbu.sh run" >&2
        exit 2
    fi
    exec ./build/kerbu
    ;;
test)
    setup "${run_packages[@]}" "${test_packages[@]}"
    build ON ON
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir build --output-on-failure --timeout 900
    # The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKERBU_WERROR=ON \
          -DKERBU_SANITIZE=ON >/dev/null
    cmake --build build-sanitize --parallel "$(nproc)"
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    ctest --test-dir build-sanitize --output-on-failure --timeout 1800
    tools/linecount.sh
    ;;
gallery)
    setup "${run_packages[@]}"
    build OFF OFF
    ./build/kerbu-gallery "${2:?name a folder for the pictures}"
    ./build/kerbu-gallery --scale 2 "$2/200"
    ;;
*)
    echo "usage: $0 run | test | gallery DIR" >&2
    exit 2
    ;;
esac
