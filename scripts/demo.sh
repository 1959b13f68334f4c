#!/usr/bin/env bash
# Installs what is missing, builds, lays out a demo family folder under build/demo/ and
# starts the program from its program folder, as an installation would run it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
family=build/demo
program="$family/ならびタッチ"
# Settings, roster, targets, pictures and sounds are laid out anew; results are kept.
build/tools/make_demo "$family" "ならびタッチ"
cp build/narabitouch "$program/narabitouch"
cp build/narabitouch-export "$program/narabitouch-export"
# The sound and print modules, which the program loads from beside itself.
cp build/narabitouch-sound.so build/narabitouch-print.so "$program/"
# Sounds need an audio output: start a sound server when none is running.
if ! pactl info >/dev/null 2>&1; then
  pulseaudio --start --exit-idle-time=-1 >/dev/null 2>&1 || true
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program on a virtual 1024x768 screen (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$program/narabitouch"
fi
exec "$program/narabitouch"
