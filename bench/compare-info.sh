#!/bin/sh
# Times `vantrel-telemetry --info` against ffprobe and mediainfo on a sparse
# 4 GB MP4 and a one-minute GPSL AVI, then the GPX export of a one-hour
# recording. Needs hyperfine, ffprobe and mediainfo.
#   bench/compare-info.sh <build-dir>      (a Release tree with benchmarks on)
set -eu

build=${1:?usage: compare-info.sh <build-dir>}
ninja -C "$build" -j2 bench_files vantrel-telemetry >/dev/null
tool="$build/src/exporter/vantrel-telemetry"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
"$build/bench/bench_files" "$work"

for file in "$work/sparse-4GB.mp4" "$work/gpsl-1min.avi"; do
    echo "== $(basename "$file") ($(du -h --apparent-size "$file" | cut -f1) apparent)"
    # -i: ffprobe may reject the synthetic streams; its time still counts.
    hyperfine -N -i --warmup 3 --min-runs 30 --style basic \
        --export-markdown "$work/table.md" \
        -n vantrel-telemetry "$tool --info $file" \
        -n ffprobe "ffprobe -v quiet -show_format -show_streams $file" \
        -n mediainfo "mediainfo $file" >/dev/null
    cat "$work/table.md"
    echo
done

echo "== GPX export of a one-hour recording (3,600 records)"
hyperfine -N --warmup 3 --min-runs 30 --style basic --export-markdown "$work/table.md" \
    --output=null -n "vantrel-telemetry --format gpx" \
    "$tool --format gpx $work/one-hour.mp4" >/dev/null
cat "$work/table.md"
