#!/bin/sh
# Runs a command beside a private PulseAudio server with a null sink, as a
# desktop has one (Debian package pulseaudio). Without any audio device the
# media framework probes for one on every file it starts, which alone holds
# the GUI thread for about 50 ms.
#
#   xvfb-run -a bench/app/with-sound-server.sh build-bench/bench/app/bench_open_folder 1000 build/demo/20261206_101500F.MP4
set -eu
pulseaudio --daemonize=no --exit-idle-time=-1 -n \
    --load=module-null-sink --load=module-native-protocol-unix 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
sleep 1
"$@"
