#!/bin/sh
# Makes the README's picture of the player: starts the built program on a
# private X server (Xvfb, from the xvfb and xauth packages) with the front and
# rear clips of both demo drives (two trips) given on the command line, waits
# until the video moves, and grabs the screen with ffmpeg's x11grab device.
# With --export it marks a stretch of the playing trip with the keys I and O
# (xdotool), opens the export dialog with the button beside the timeline,
# starts the export and grabs the window while it runs.
#
#   tools/screenshot.sh [--export] <build-dir> <output.png>
#
# The build needs the targets vantrel and demo.
set -eu

width=921
height=628

mode=player
if [ "${1:-}" = "--export" ]; then
    mode=export
    shift
fi

if [ "${1:-}" != "--on-display" ]; then
    [ $# -eq 2 ] || { echo "usage: $0 <build-dir> <output.png>" >&2; exit 2; }
    build=$(cd "$1" && pwd)
    output=$(realpath -m "$2")
    [ -x "$build/src/app/vantrel" ] || { echo "$build/src/app/vantrel is missing: build target vantrel" >&2; exit 1; }
    [ -f "$build/demo/20261206_101500F.MP4" ] || { echo "demo recordings are missing: build target demo" >&2; exit 1; }
    exec xvfb-run -a -s "-screen 0 ${width}x${height}x24" sh "$0" --on-display "$build" "$output" "$mode"
fi

build=$2
output=$3
mode=$4
work=$(mktemp -d)
trap 'kill "$player" 2>/dev/null || true; rm -rf "$work"' EXIT

# A copy of its own, so the configuration file written beside it (English,
# the program's source texts) is neither the build's nor the user's.
cp "$build/src/app/vantrel" "$build/src/app/vantrel-player" "$work/"
cp -r "$build/src/app/maps" "$work/"
# The web engine's sandbox refuses to run as root.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
mkdir "$work/exports"
printf '[General]\nlanguage=2\nScreenshotSavePath=%s\n' "$work/exports" > "$work/configuration.ini"
LANG=C.UTF-8 LC_ALL=C.UTF-8 "$work/vantrel" \
    "$build/demo/20261206_101500F.MP4" "$build/demo/20261206_101500R.MP4" \
    "$build/demo/20261206_101600F.MP4" "$build/demo/20261206_101600R.MP4" \
    "$build/demo/20261206_111500F.MP4" "$build/demo/20261206_111500R.MP4" \
    "$build/demo/20261206_111600F.MP4" "$build/demo/20261206_111600R.MP4" \
    > "$work/log.txt" 2>&1 &
player=$!

grab() {
    ffmpeg -loglevel error -f x11grab -draw_mouse 0 -video_size "${width}x${height}" -i "$DISPLAY" \
        -frames:v 1 -y "$1"
}

# Playing once two grabs a second apart differ; then several seconds more, so
# that the gauges, the chart and the map's track show the drive.
tries=0
while :; do
    kill -0 "$player" 2>/dev/null || { echo "the player ended early:" >&2; cat "$work/log.txt" >&2; exit 1; }
    grab "$work/a.png"
    sleep 1
    grab "$work/b.png"
    cmp -s "$work/a.png" "$work/b.png" || break
    tries=$((tries + 1))
    [ "$tries" -lt 30 ] || { echo "the video never moved" >&2; exit 1; }
done
if [ "$mode" = export ]; then
    # Eight seconds into the drive to twenty-four; the window fills the screen,
    # and the Export button sits at the right end of the timeline. Without a
    # window manager a click on the video gives the window the keys.
    xdotool mousemove 270 60 click 1
    sleep 6
    xdotool key i
    sleep 16
    xdotool key o
    sleep 1
    xdotool mousemove 513 342 click 1
    sleep 2
    xdotool key Return
    sleep 6
else
    sleep 40
fi
mkdir -p "$(dirname "$output")"
grab "$output"
echo "wrote $output"
