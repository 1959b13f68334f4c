#!/usr/bin/env bash
# The real program on a family folder that cannot be written, end to end, on a virtual
# screen (tests/full_disk_driver drives the real windows and saves the screen at each step).
# Each variant lays out a demo family on a tmpfs of its own:
#   full      the tmpfs filled to the last block; the results log starts empty, as a new
#             family's does (a log whose last block still has room takes a run even then)
#   readonly  the tmpfs remounted read-only during the drill
#   room      the tmpfs full, the demo log's last block with room: the log takes the run,
#             the new home-use copy cannot
#   lost      as full, with this computer's state folder on the same full tmpfs
# A student plays a whole drill. The run must be told (file and reason), the end screen
# must follow, the log must keep its bytes (whole records), and the run must be kept on this
# computer: the name selection tells of one pending run ("lost": the message says the run is
# not recorded). Then the folder is made writable again and the program started twice: the
# pending run must be added exactly once (the log's new last record is the kept one), the
# pending file removed and the line gone. Needs root (mount) and Xvfb; not in the suite.
#   scripts/full_disk.sh [screenshot folder [variant ...]]
# (default: a new folder under /tmp, every variant); exits 1 when a check fails.
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
variants=(full readonly room lost)
[ $# -eq 0 ] || variants=("$@")
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
  local state=$work/state-$variant
  echo "=== $variant"
  mkdir -p "$family"
  mount -t tmpfs -o size=64m tmpfs "$family"
  mounts+=("$family")
  build/tools/make_demo "$family" "ならびタッチ" >/dev/null
  cp build/tests/full_disk_driver build/narabitouch-export build/narabitouch-sound.so \
    build/narabitouch-print.so "$program/"
  # Records the log takes during the drill: a log whose last block has room takes the run.
  local taken=0 midway=
  case $variant in
    full | lost)
      : >"$log"
      rm -f "$home"
      ;;
    room) taken=1 ;;
    readonly) midway="mount -o remount,ro $family" ;;
    *)
      echo "full_disk.sh: unknown variant $variant" >&2
      exit 2
      ;;
  esac
  # Where runs are kept: on the full disk itself for "lost".
  [ "$variant" != lost ] || state=$family/state
  if [ "$variant" != readonly ]; then
    mkdir -p "$state"
    dd if=/dev/zero of="$family/filler" bs=4k >/dev/null 2>&1 || true
    # The last blocks that dd's whole blocks left.
    dd if=/dev/zero of="$family/filler2" bs=512 >/dev/null 2>&1 || true
    df -k "$family" | tail -1
  fi
  export XDG_STATE_HOME=$state
  cp "$log" "$out.log-before"
  cp "$home" "$out.home-before" 2>/dev/null || : >"$out.home-before"
  local before
  before=$(records "$out.log-before" 44 | wc -l)

  echo "--- a drill on the folder that cannot be written"
  FULL_DISK_MIDWAY=$midway drive "$program" "$shots/$variant-1-kept" "$out.1.txt" drill
  local pending
  pending=$(ls "$state"/narabitouch/pending/*.txt 2>/dev/null | head -1 || true)
  check 'grep -q "^box: 成績をファイルに書き込めませんでした。" "$out.1.txt"' "the run is told"
  check 'grep "^box:" "$out.1.txt" | grep -q "ファイル: .*成績累積データ.*dat|理由: ."' \
    "the message names the file and the reason"
  check '! grep "^box:" "$out.1.txt" | grep -q "実行時エラー"' "no run-time error"
  check 'grep -A3 "^box:" "$out.1.txt" | grep -q "end-screen"' "the end screen follows the message"
  check '[ "$(records "$log" 44 | wc -l)" = $((before + taken)) ] &&
         cmp -s -n "$(stat -c %s "$out.log-before")" "$log" "$out.log-before"' \
    "the log holds its records and $taken more ($(stat -c %s "$log") bytes)"
  check '[ $(( $(stat -c %s "$log") % 44 )) = 0 ]' "the log holds whole 44-byte records"
  check 'cmp -s "$home" "$out.home-before" || { [ ! -s "$home" ] && [ ! -s "$out.home-before" ]; }' \
    "the home-use copy is unchanged"
  if [ "$variant" = lost ]; then
    check 'grep "^box:" "$out.1.txt" |
           grep -q "このパソコンにも保存できませんでした。|ファイル: .*|理由: ディスクの空き容量が不足しています。"' \
      "the message names the pending file and the reason"
    check 'grep -q "この成績は記録されていません。" "$out.1.txt"' "the message says the run is lost"
    check '[ -z "$pending" ]' "nothing pending"
    check 'grep -q "^line: -$" "$out.1.txt"' "the name selection has no pending line"
    return
  fi
  check 'grep -q "この成績はこのパソコンに保存しました。" "$out.1.txt"' "the message says it is kept"
  check 'grep -q "^line: このパソコンに保存待ちの成績が 1 件あります" "$out.1.txt"' \
    "the name selection tells of one pending run"
  check '[ -n "$pending" ] && [ "$(grep -c "^run" "$pending")" = 1 ]' "one run pending: $pending"
  [ -n "$pending" ] && cp "$pending" "$out.pending"
  echo "    pending file:"
  sed 's/^/      /' "$out.pending" 2>/dev/null || true
  echo "    narabitouch-export --pending:"
  "$program/narabitouch-export" "$program" --pending 2>&1 | tail -2 | sed 's/^/      /'

  echo "--- the folder writable again: a new start"
  if [ "$variant" = readonly ]; then
    mount -o remount,rw "$family"
  else
    rm -f "$family/filler" "$family/filler2"
  fi
  drive "$program" "$shots/$variant-2-writable" "$out.2.txt" names
  local kept_log kept_home
  kept_log=$(awk -F'\t' '/^run/ {print $2}' "$out.pending" 2>/dev/null)
  kept_home=$(awk -F'\t' '/^run/ {print $3}' "$out.pending" 2>/dev/null)
  check '! grep -q "^box:" "$out.2.txt"' "no message"
  check 'grep -q "^line: -$" "$out.2.txt"' "the name selection has no pending line"
  check '[ ! -e "$pending" ]' "the pending file is gone"
  check '[ $(( $(stat -c %s "$log") % 44 )) = 0 ]' "the log holds whole 44-byte records"
  check '[ "$(records "$log" 44 | wc -l)" = $((before + 1)) ]' \
    "the log holds exactly one record more than before the drill ($(stat -c %s "$log") bytes)"
  check 'cmp -s -n "$(stat -c %s "$out.log-before")" "$log" "$out.log-before"' \
    "the records before it are unchanged"
  if [ "$kept_log" != - ]; then
    check '[ "$(records "$log" 44 | tail -1)" = "$kept_log" ]' "the new last record is the kept one"
  fi
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
