#!/bin/sh
# Start-up time of the player against a bare web engine window, both timed
# from the start of the process to the window's appearance on a private X
# server (xvfb-run). The first run after a build is the coldest one the page
# cache allows without dropping caches.
#
#   bench/app/startup.sh <build-dir> [runs]
#
# The build needs the targets vantrel, window_start_time and bare_webengine
# (a tree configured with VANTREL_BUILD_BENCHMARKS=ON).
set -eu

if [ "${1:-}" != "--on-display" ]; then
    [ $# -ge 1 ] || { echo "usage: $0 <build-dir> [runs]" >&2; exit 2; }
    build=$(cd "$1" && pwd)
    exec xvfb-run -a -s "-screen 0 1280x800x24" sh "$0" --on-display "$build" "${2:-11}"
fi
build=$2
runs=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy of the player of its own, so that its configuration file is too.
cp "$build/src/app/vantrel" "$build/src/app/vantrel-player" "$work/"
cp -r "$build/src/app/maps" "$work/"
printf '[General]\nlanguage=2\n' > "$work/configuration.ini"
# The web engine's sandbox refuses to run as root.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1

echo "== vantrel"
"$build/bench/app/window_start_time" "$runs" "$work/vantrel"
echo "== bare QWebEngineView"
"$build/bench/app/window_start_time" "$runs" "$build/bench/app/bare_webengine"
