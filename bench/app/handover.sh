#!/bin/sh
# How long a later start that hands its file to the open window takes to end,
# on a private X server (xvfb-run), with a first window kept open throughout.
#
#   bench/app/handover.sh <build-dir> [runs]
#
# Prints each run in milliseconds and the median.
set -eu

. "$(dirname "$0")/player-copy.sh"
first=""
trap '[ -n "$first" ] && kill "$first" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
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
