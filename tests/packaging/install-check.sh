#!/bin/bash
# Installs the build into a temporary prefix and checks it the way a desktop
# and a user meet it: the files where desktops look, the desktop entry and
# metainfo validators, both man pages, the exporter on a demo recording and
# the player started with one, finding its map pages. Checks whose tool is
# missing are skipped with a note.
#
#   install-check.sh BUILD_DIR DEMO_DIR VERSION APP_ID
set -u

build=$1 demo=$2 version=$3 id=$4
work=$(mktemp -d)
prefix="$work/prefix"
failures=0
vantrel_pid=""
trap '[ -n "$vantrel_pid" ] && kill -9 "$vantrel_pid" 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
have() { command -v "$1" >/dev/null 2>&1 || { echo "SKIP: $1 is not installed"; return 1; }; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; exit 1; }

# ---- Files where the desktop expects them ----
for file in bin/vantrel bin/vantrel-telemetry lib/vantrel/vantrel-player \
        share/vantrel/maps/BaiduMapIndex.html share/vantrel/maps/WG_GoogleMapIndex_en.html \
        share/vantrel/maps/leaflet.js share/vantrel/maps/leaflet.css share/vantrel/maps/images/marker-icon.png \
        share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
        share/icons/hicolor/scalable/apps/$id.svg \
        share/man/man1/vantrel.1.gz share/man/man1/vantrel-telemetry.1.gz; do
    [ -r "$prefix/$file" ] && pass "$file" || fail "$file is missing"
done
# Leaflet is the system's, linked rather than copied.
[ -L "$prefix/share/vantrel/maps/leaflet.js" ] && pass "leaflet.js is a link" || fail "leaflet.js is a copy"
# Each PNG icon is as large as its folder says (width and height from the PNG header).
for size in 16 22 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    dims=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
    [ "$dims" = "${size}x${size}" ] && pass "icon $size px" || fail "icon $size px is '$dims'"
done

# ---- Validators ----
if have desktop-file-validate; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" && pass "desktop-file-validate" \
        || fail "desktop-file-validate"
fi
if have appstreamcli; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" && pass "appstreamcli validate" \
        || fail "appstreamcli validate"
fi

# ---- Man pages: they render, and name every option --help names ----
for program in vantrel vantrel-telemetry; do
    help=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/$program" --help) || fail "$program --help"
    have man || continue
    page=$(MANWIDTH=100 man -l "$prefix/share/man/man1/$program.1.gz" 2>"$work/man.err")
    [ -n "$page" ] && ! grep -q . "$work/man.err" && pass "man -l $program.1.gz renders" \
        || { cat "$work/man.err"; fail "man -l $program.1.gz"; }
    for option in $(printf '%s\n' "$help" | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
        printf '%s\n' "$page" | grep -qF -- "$option" || fail "$program.1 does not describe $option"
    done
    printf '%s\n' "$page" | grep -qF "Vantrel $version" || fail "$program.1 is not of version $version"
done

# ---- The installed programs ----
[ "$("$prefix/bin/vantrel" --version)" = "vantrel $version" ] && pass "vantrel --version" \
    || fail "vantrel --version is not $version"
info=$("$prefix/bin/vantrel-telemetry" --info "$demo/20261206_101500F.MP4")
case "$info" in
    *'"records":'[1-9]*) pass "vantrel-telemetry --info" ;;
    *) fail "vantrel-telemetry --info gave: $info" ;;
esac

# The player on its own X server, with a demo file. Its web engine reports
# the pages it shows on a debugging port: the map page must be the installed
# one, with its title. Settings go to the user's folder, never the prefix.
if have xvfb-run; then
    port=$((20000 + $$ % 20000))
    cat >"$work/run-player.sh" <<SCRIPT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_REMOTE_DEBUGGING=$port LC_ALL=C.UTF-8 LANGUAGE=
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
"$prefix/bin/vantrel" "$demo/20261206_101500F.MP4" >"$work/player.log" 2>&1 &
pid=\$!
for attempt in \$(seq 60); do
    sleep 0.5
    if { exec 3<>/dev/tcp/127.0.0.1/$port; } 2>/dev/null; then
        printf 'GET /json/list HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n' >&3
        timeout 2 cat <&3 >"$work/pages.json"
        exec 3<&-
        grep -q '"title": "Google Maps"' "$work/pages.json" && break
    fi
done
kill -0 \$pid 2>/dev/null && echo running >"$work/state"
kill \$pid; wait \$pid
SCRIPT
    xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/run-player.sh"
    [ "$(cat "$work/state" 2>/dev/null)" = running ] && pass "vantrel starts under Xvfb" \
        || { cat "$work/player.log"; fail "vantrel did not keep running"; }
    grep -qF "file://$prefix/share/vantrel/maps/WG_GoogleMapIndex_en.html" "$work/pages.json" \
        && grep -q '"title": "Google Maps"' "$work/pages.json" && pass "vantrel shows its installed map page" \
        || { cat "$work/pages.json" "$work/player.log" 2>/dev/null; fail "vantrel did not show its map page"; }
    [ -f "$work/home/.config/vantrel/configuration.ini" ] && pass "settings in the user's folder" \
        || fail "no settings in ~/.config/vantrel"
    [ ! -e "$prefix/bin/configuration.ini" ] || fail "settings written into the prefix"
fi

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
