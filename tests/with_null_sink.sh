#!/bin/sh
# Runs a command against a private PulseAudio server whose only output is a null sink, so
# that sounds really play (and are heard nowhere), whether or not a sound server runs.
# Without PulseAudio the command runs as it is.
set -u
command -v pulseaudio >/dev/null 2>&1 || exec "$@"
dir=$(mktemp -d)
cat >"$dir/default.pa" <<PA
load-module module-null-sink sink_name=null
set-default-sink null
load-module module-native-protocol-unix socket=$dir/native auth-anonymous=1
PA
HOME="$dir" XDG_RUNTIME_DIR="$dir" XDG_CONFIG_HOME="$dir" \
  pulseaudio -n -F "$dir/default.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --log-target="file:$dir/log" &
server=$!
tries=0
while [ ! -S "$dir/native" ] && [ $tries -lt 100 ]; do
  sleep 0.1
  tries=$((tries + 1))
done
PULSE_SERVER="unix:$dir/native" "$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
rm -rf "$dir"
exit $status
