#!/usr/bin/env bash
# The real program on a family folder that fills up: a demo family on a small tmpfs filled
# to the last block, one drill played (tests/full_disk_driver drives the real windows on a
# virtual screen), then the folder freed and the program started again. Checks that the run
# was told and kept on this computer, that the log stayed whole, and that the next start
# added the run once. Needs root (mount) and Xvfb; not part of the test suite.
#   scripts/full_disk.sh [screenshot folder]          (default: a new folder under /tmp)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" != 0 ]; then
  echo "full_disk.sh: needs root to mount a tmpfs" >&2
  exit 2
fi
cmake --build build -j2 --target narabitouch narabitouch-export full_disk_driver make_demo \
  narabitouch-sound narabitouch-print >/dev/null
work=$(mktemp -d /tmp/narabi-full.XXXXXX)
shots=${1:-$work/shots}
family=$work/family
program=$family/ならびタッチ
mkdir -p "$family" "$shots"
export XDG_STATE_HOME=$work/state
mount -t tmpfs -o size=64m tmpfs "$family"
trap 'umount "$family"' EXIT

build/tools/make_demo "$family" "ならびタッチ" >/dev/null
cp build/tests/full_disk_driver build/narabitouch-export build/narabitouch-sound.so \
  build/narabitouch-print.so "$program/"
if ! pactl info >/dev/null 2>&1; then
  pulseaudio --start --exit-idle-time=-1 >/dev/null 2>&1 || true
fi
log=$program/成績累積データ.dat
home=$family/成績累積データ家庭用.dat
log_before=$(stat -c %s "$log")
home_before=$(stat -c %s "$home" 2>/dev/null || echo 0)
# Fill the folder to the last block.
dd if=/dev/zero of="$family/filler" bs=4k >/dev/null 2>&1 || true
df -h "$family" | tail -1

drive() {
  xvfb-run -a -s "-screen 0 1024x768x24" "$program/full_disk_driver" "$program" "$1" | tee "$work/$2"
}
fail=0
check() {
  if eval "$1"; then echo "ok:   $2"; else echo "FAIL: $2"; fail=1; fi
}

echo "== a drill on the full folder"
mkdir -p "$shots/1-full"
drive "$shots/1-full" full.txt
pending=$(ls "$XDG_STATE_HOME"/narabitouch/pending/*.txt 2>/dev/null | head -1)
check 'grep -q "box: 成績をファイルに書き込めませんでした" "$work/full.txt"' "the run is told"
check 'grep -q "この成績はこのパソコンに保存しました" "$work/full.txt"' "the message says it is kept"
check 'grep -q "shot: .*end-screen" "$work/full.txt"' "the end screen came"
check '[ "$(stat -c %s "$log")" = "$log_before" ]' "the log is unchanged and whole"
check '[ -n "$pending" ] && [ "$(grep -c "^run" "$pending")" = 1 ]' "one run pending: $pending"
"$program/narabitouch-export" "$program" --pending | tail -2

echo "== the folder writable again: a new start"
rm -f "$family/filler"
mkdir -p "$shots/2-writable"
drive "$shots/2-writable" writable.txt
check '! grep -q "box:" "$work/writable.txt"' "no message"
check '[ "$(stat -c %s "$log")" = $((log_before + 2 * 44)) ]' "the log holds the kept run once and the new one"
check '[ "$(stat -c %s "$home")" = $((home_before + 2 * 66)) ]' "so does the home-use copy"
check '[ ! -e "$pending" ]' "no run pending"
"$program/narabitouch-export" "$program" --pending | tail -3
echo "screenshots: $shots"
exit $fail
