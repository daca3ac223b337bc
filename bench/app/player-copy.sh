# Sourced by the player's shell benchmarks with their arguments
# (<build-dir> [runs]): runs the calling script again on a private X server
# (xvfb-run), then gives it $build, $runs and $work, a scratch folder that
# holds a copy of the player of its own, so that its configuration file
# (English) is too. $work goes when the script ends.
if [ "${1:-}" != "--on-display" ]; then
    [ $# -ge 1 ] || { echo "usage: $0 <build-dir> [runs]" >&2; exit 2; }
    build=$(cd "$1" && pwd)
    exec xvfb-run -a -s "-screen 0 1280x800x24" sh "$0" --on-display "$build" "${2:-11}"
fi
build=$2
runs=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/src/app/vantrel" "$build/src/app/vantrel-player" "$work/"
cp -r "$build/src/app/maps" "$work/"
printf '[General]\nlanguage=2\n' > "$work/configuration.ini"
# The web engine's sandbox refuses to run as root.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
