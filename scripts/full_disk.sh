#!/usr/bin/env bash
# The real program on a family folder that cannot be written, end to end, on a virtual
# screen (tests/full_disk_driver drives the real windows and saves the screen at each step):
#   full: a demo family on a small tmpfs filled to the last block. Its results log starts
#         empty, as a new family's does: a log whose last block still has room takes a
#         run even on a full disk.
#   readonly: a demo family whose tmpfs is remounted read-only during the drill.
# Each: a student plays a whole drill; the run must be told and kept on this computer, the
# end screen must come, the log must stay as it was and the name selection must tell of one
# pending run. Then the folder is made writable again and the program started again: the
# pending run must be appended exactly once (the log's new last record is the kept one, all
# records whole), the pending file removed and the line gone. Needs root (mount) and Xvfb;
# not part of the test suite.
#   scripts/full_disk.sh [screenshot folder] [full|readonly ...]   (default: a folder under
#   /tmp, both variants)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" != 0 ]; then
  echo "full_disk.sh: needs root to mount a tmpfs" >&2
  exit 2
fi
if ! command -v xvfb-run >/dev/null; then
  echo "full_disk.sh: needs xvfb-run (package xvfb)" >&2
  exit 2
fi
cmake --build build -j2 --target full_disk_driver narabitouch-export make_demo \
  narabitouch-sound narabitouch-print >/dev/null
work=$(mktemp -d /tmp/narabi-full.XXXXXX)
shots=$(realpath -m "${1:-$work/shots}")
shift || true
variants=(full readonly)
[ $# -eq 0 ] || variants=("$@")
export XDG_STATE_HOME=$work/state
mounts=()
cleanup() {
  for m in "${mounts[@]}"; do umount "$m" 2>/dev/null || umount -l "$m" || true; done
}
trap cleanup EXIT
if ! pactl info >/dev/null 2>&1; then
  pulseaudio --start --exit-idle-time=-1 >/dev/null 2>&1 || true
fi

fail=0
check() {
  if eval "$1"; then echo "ok:   $2"; else echo "FAIL: $2"; fail=1; fi
}
# The records of a fixed-record file, one hex line each.
records() { xxd -p -c "$2" "$1" 2>/dev/null || true; }

# Drives the program: drive <program folder> <shots> <output> drill|names
drive() {
  mkdir -p "$2"
  local rc=0
  xvfb-run -a -s "-screen 0 1024x768x24" "$1/full_disk_driver" "$1" "$2" "$4" >"$3" \
    2>"$3.err" || rc=$?
  sed 's/^/    /' "$3"
  check '[ $rc = 0 ]' "the program ended normally (exit $rc)"
}

run_variant() {
  local variant=$1
  local family=$work/$variant
  local program=$family/ならびタッチ
  local log=$program/成績累積データ.dat
  local home=$family/成績累積データ家庭用.dat
  local out=$work/$variant
  echo "=== $variant"
  mkdir -p "$family"
  mount -t tmpfs -o size=64m tmpfs "$family"
  mounts+=("$family")
  build/tools/make_demo "$family" "ならびタッチ" >/dev/null
  cp build/tests/full_disk_driver build/narabitouch-export build/narabitouch-sound.so \
    build/narabitouch-print.so "$program/"
  local midway=
  if [ "$variant" = full ]; then
    : >"$log"
    rm -f "$home"
    dd if=/dev/zero of="$family/filler" bs=4k >/dev/null 2>&1 || true
    # The last blocks that dd's whole blocks left.
    dd if=/dev/zero of="$family/filler2" bs=512 >/dev/null 2>&1 || true
    df -k "$family" | tail -1
  else
    midway="mount -o remount,ro $family"
  fi
  cp "$log" "$out.log-before"
  cp "$home" "$out.home-before" 2>/dev/null || : >"$out.home-before"

  echo "--- a drill on the folder that cannot be written"
  FULL_DISK_MIDWAY=$midway drive "$program" "$shots/$variant-1-kept" "$out.1.txt" drill
  local pending
  pending=$(ls "$XDG_STATE_HOME"/narabitouch/pending/*.txt 2>/dev/null | head -1)
  check 'grep -q "^box: 成績をファイルに書き込めませんでした。" "$out.1.txt"' "the run is told"
  check 'grep "^box:" "$out.1.txt" | grep -q "ファイル: .*成績累積データ.dat|理由: ."' \
    "the message names the log and the reason"
  check 'grep -q "この成績はこのパソコンに保存しました。" "$out.1.txt"' "the message says it is kept"
  check '! grep "^box:" "$out.1.txt" | grep -q "実行時エラー"' "no run-time error"
  check 'grep -q "^box:.*" "$out.1.txt" && grep -A3 "^box:" "$out.1.txt" | grep -q "end-screen"' \
    "the end screen follows the message"
  check 'grep -q "^line: このパソコンに保存待ちの成績が 1 件あります" "$out.1.txt"' \
    "the name selection tells of one pending run"
  check 'cmp -s "$log" "$out.log-before"' "the log is unchanged ($(stat -c %s "$log") bytes)"
  check 'cmp -s "$home" "$out.home-before" || { [ ! -e "$home" ] && [ ! -s "$out.home-before" ]; }' \
    "the home-use copy is unchanged"
  check '[ -n "$pending" ] && [ "$(grep -c "^run" "$pending")" = 1 ]' "one run pending: $pending"
  [ -n "$pending" ] && cp "$pending" "$out.pending"
  echo "    pending file:"
  sed 's/^/      /' "$out.pending" 2>/dev/null || true
  echo "    narabitouch-export --pending:"
  "$program/narabitouch-export" "$program" --pending 2>&1 | tail -2 | sed 's/^/      /'

  echo "--- the folder writable again: a new start"
  if [ "$variant" = full ]; then
    rm -f "$family/filler" "$family/filler2"
  else
    mount -o remount,rw "$family"
  fi
  drive "$program" "$shots/$variant-2-writable" "$out.2.txt" names
  local kept_log kept_home
  kept_log=$(awk -F'\t' '/^run/ {print $2}' "$out.pending" 2>/dev/null)
  kept_home=$(awk -F'\t' '/^run/ {print $3}' "$out.pending" 2>/dev/null)
  check '! grep -q "^box:" "$out.2.txt"' "no message"
  check 'grep -q "^line: -$" "$out.2.txt"' "the name selection has no pending line"
  check '[ ! -e "$pending" ]' "the pending file is gone"
  check '[ $(( $(stat -c %s "$log") % 44 )) = 0 ]' "the log holds whole 44-byte records"
  check '[ "$(records "$log" 44 | wc -l)" = $(( $(records "$out.log-before" 44 | wc -l) + 1 )) ]' \
    "the log holds exactly one record more ($(stat -c %s "$log") bytes)"
  check 'cmp -s -n "$(stat -c %s "$out.log-before")" "$log" "$out.log-before"' \
    "the records before it are unchanged"
  check '[ "$(records "$log" 44 | tail -1)" = "$kept_log" ]' "the new last record is the kept one"
  check '[ $(( $(stat -c %s "$home") % 66 )) = 0 ]' "the home-use copy holds whole 66-byte records"
  check '[ "$(records "$home" 66 | wc -l)" = $(( $(records "$out.home-before" 66 | wc -l) + 1 )) ] &&
         [ "$(records "$home" 66 | tail -1)" = "$kept_home" ]' \
    "the home-use copy holds the kept record once more, last"
  echo "    kept:     $kept_log"
  echo "    log last: $(records "$log" 44 | tail -1)"
  echo "    narabitouch-export (last runs):"
  "$program/narabitouch-export" "$program" 2>&1 | tail -2 | sed 's/^/      /'

  echo "--- started once more: nothing is appended twice"
  local size
  size=$(stat -c %s "$log")
  drive "$program" "$shots/$variant-3-again" "$out.3.txt" names
  check '[ "$(stat -c %s "$log")" = "$size" ]' "the log is unchanged"
}

for v in "${variants[@]}"; do run_variant "$v"; done
echo "screenshots: $shots"
exit $fail
