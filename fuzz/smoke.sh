#!/bin/sh
# Builds the fuzzers (configuring a clang tree if needed) and runs each over
# its generated seeds for a short while. Any crash, sanitizer report, timeout
# or out-of-memory makes the script fail.
#   fuzz/smoke.sh <build-dir> [seconds per harness, default 30]
set -eu

build=${1:?usage: smoke.sh <build-dir> [seconds]}
seconds=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")

if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build" -G Ninja \
        -DVANTREL_BUILD_FUZZERS=ON -DVANTREL_BUILD_TESTS=OFF \
        -DVANTREL_BUILD_BENCHMARKS=OFF -DVANTREL_BUILD_DEMO=OFF -DVANTREL_BUILD_GUI=OFF
fi
ninja -C "$build" -j2 fuzz_mp4 fuzz_avi fuzz_seed_corpus

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

for kind in mp4 avi; do
    mkdir -p "$work/$kind"
    echo "== fuzz_$kind for ${seconds}s"
    # New inputs go to the scratch corpus; the generated seeds stay as built.
    "$build/fuzz/fuzz_$kind" "$work/$kind" "$build/fuzz/seeds/$kind" \
        -dict="$here/$kind.dict" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -timeout=10 -max_len=300000 \
        -artifact_prefix="$work/" -print_final_stats=1 2>"$work/$kind.log" || {
        tail -n 60 "$work/$kind.log"
        mkdir -p "$build/fuzz/findings"
        cp "$work"/crash-* "$work"/timeout-* "$work"/oom-* "$work"/leak-* \
            "$build/fuzz/findings/" 2>/dev/null || true
        echo "fuzz_$kind FAILED (inputs kept in $build/fuzz/findings)" >&2
        exit 1
    }
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|INITED|DONE' "$work/$kind.log" || true
done
echo "fuzz smoke: no findings"
