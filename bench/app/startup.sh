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

. "$(dirname "$0")/player-copy.sh"

echo "== vantrel"
"$build/bench/app/window_start_time" "$runs" "$work/vantrel"
echo "== bare QWebEngineView"
"$build/bench/app/window_start_time" "$runs" "$build/bench/app/bare_webengine"
