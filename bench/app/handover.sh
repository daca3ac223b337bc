#!/bin/sh
# How long a later start that hands its file to the open window takes to end,
# on a private X server (xvfb-run), with a first window kept open throughout.
#
#   bench/app/handover.sh <build-dir> [runs]
#
# Prints each run in milliseconds and the median.
set -eu

if [ "${1:-}" != "--on-display" ]; then
    [ $# -ge 1 ] || { echo "usage: $0 <build-dir> [runs]" >&2; exit 2; }
    build=$(cd "$1" && pwd)
    exec xvfb-run -a -s "-screen 0 1280x800x24" sh "$0" --on-display "$build" "${2:-11}"
fi
build=$2
runs=$3
work=$(mktemp -d)
first=""
trap '[ -n "$first" ] && kill "$first" 2>/dev/null; rm -rf "$work"' EXIT
cp "$build/src/app/vantrel" "$build/src/app/vantrel-player" "$work/"
cp -r "$build/src/app/maps" "$work/"
printf '[General]\nlanguage=2\n' > "$work/configuration.ini"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
demo="$build/demo"

"$work/vantrel" "$demo/20261206_101500F.MP4" >/dev/null 2>&1 &
first=$!
# The window takes files once its socket answers.
until ls "$work/runtime"/vantrel-*.socket >/dev/null 2>&1; do sleep 0.1; done
sleep 3
: > "$work/times"
i=0
while [ $i -lt "$runs" ]; do
    start=$(date +%s%N)
    "$work/vantrel" "$demo/20261206_101600F.MP4" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(( (end - start) / 1000000 )) | tee -a "$work/times" | sed 's/^/run: /;s/$/ ms/'
    i=$((i + 1))
done
echo "median: $(sort -n "$work/times" | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }') ms"
