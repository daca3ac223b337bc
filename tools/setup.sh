#!/bin/sh
# Sets up a fresh Debian 12 machine for Vantrel, builds it, then either runs
# the main job or the whole test suite.
#
#   tools/setup.sh run    install, build, start the player on the demo drive
#   tools/setup.sh test   install, build, run every test, the suites that need
#                         no GUI again under AddressSanitizer and UBSan, and
#                         the fuzz smoke runs
set -eu

mode=${1:-run}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
jobs=${JOBS:-2}

packages="build-essential cmake ninja-build pkg-config qtbase5-dev qtbase5-dev-tools
    libbenchmark-dev ffmpeg fonts-dejavu-core gpsbabel xvfb xauth x11-utils clang libclang-rt-14-dev
    qtmultimedia5-dev libqt5multimedia5-plugins qttools5-dev qttools5-dev-tools
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
    gstreamer1.0-libav gstreamer1.0-x libqt5svg5-dev fonts-crosextra-carlito fonts-liberation
    dbus libqt5charts5-dev qtwebengine5-dev libqt5webchannel5-dev libjs-leaflet
    openbox xdotool x11-utils fonts-noto-cjk libexif-dev libimage-exiftool-perl"

install_packages() {
    missing=""
    for package in $packages; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
            || missing="$missing $package"
    done
    [ -z "$missing" ] && return 0
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing:$missing"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y $missing
}

build_all() {
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build" -j "$jobs"
}

# Starts the player with the demo clips of both drives, two trips an hour
# apart; the first front clip plays with its rear companion beside it. The
# MOV and AVI files repeat the first drive in other layouts and would only
# lie over it, so they are left to be opened on their own. Without a
# display, shows what the exporter decodes from the recordings instead.
run_main_job() {
    demo="$build/demo"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display: here is what the demo recordings carry."
        "$build/src/exporter/vantrel-telemetry" --info "$demo"/*.MP4 "$demo"/*.MOV "$demo"/*.AVI
        exit 0
    fi
    # The web engine's sandbox refuses to run as root (a fresh machine's only user).
    [ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
    exec "$build/src/app/vantrel" "$demo"/20261206_101500F.MP4 "$demo"/20261206_101500R.MP4 \
        "$demo"/20261206_101600F.MP4 "$demo"/20261206_101600R.MP4 \
        "$demo"/20261206_111500F.MP4 "$demo"/20261206_111500R.MP4 \
        "$demo"/20261206_111600F.MP4 "$demo"/20261206_111600R.MP4
}

# The telemetry library, the exporter, the playlist model and their suites,
# in a tree of their own built with AddressSanitizer and UBSan: any report
# fails its suite. The GUI is left out (the web engine is too heavy for it).
run_sanitized_tests() {
    sanitized="$root/build-asan"
    cmake -S "$root" -B "$sanitized" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVANTREL_SANITIZE=ON -DVANTREL_BUILD_GUI=OFF -DVANTREL_BUILD_BENCHMARKS=OFF \
        -DVANTREL_BUILD_DEMO=OFF
    cmake --build "$sanitized" -j "$jobs"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$sanitized" --output-on-failure -j "$jobs"
}

run_tests() {
    ctest --test-dir "$build" --output-on-failure -j "$jobs"
    run_sanitized_tests
    "$root/fuzz/smoke.sh" "$root/build-fuzz"
}

install_packages
build_all
case "$mode" in
    run) run_main_job ;;
    test) run_tests ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
