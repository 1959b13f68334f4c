#!/usr/bin/env bash
# Runs the random-event monkey long, under AddressSanitizer and UndefinedBehaviorSanitizer:
# builds the monkey in build-asan/ (scripts/build.sh --asan) and drives the real program on
# a fresh demo family folder with seeded random clicks, keys, window closes and focus
# changes, one life of the program after another, each ended through "終了" or a close so
# that the program's exit runs too; once per seed:
#   scripts/monkey.sh [--xcb] [--log FILE] [events [seed ...]]   (default 20000 and 1)
# Offscreen by default, where a seed replays exactly (the lives run on a virtual clock);
# --xcb runs the lives on the X platform under Xvfb (1024 x 768), closes sent as X
# WM_DELETE_WINDOW messages. --log writes each seed's event log to FILE.<seed>.
# Prints every crash (a signal or a sanitizer report, at the exit too), hang and torn file
# with the events that led to it, then for each seed "monkey: events N, lives N, crashes N,
# reports N, hangs N, torn files N, windowless N, S s"; exits non-zero when anything was
# found. MONKEY_HANG_SECONDS (60 here) is the hang limit; MONKEY_BUILD=build runs the
# plain build instead.
set -euo pipefail
cd "$(dirname "$0")/.."
xcb=0
log=""
while [ $# -gt 0 ]; do
  case "$1" in
    --xcb) xcb=1; shift ;;
    --log) log="$2"; shift 2 ;;
    *) break ;;
  esac
done
events=${1:-20000}
shift || true
seeds=("$@")
[ ${#seeds[@]} -eq 0 ] && seeds=(1)

folder=${MONKEY_BUILD:-build-asan}
if [ "$folder" = build-asan ]; then
  scripts/deps.sh
  scripts/build.sh --asan --target monkey
fi
source scripts/sanitizers.env
export MONKEY_HANG_SECONDS=${MONKEY_HANG_SECONDS:-60}

run=("$folder/tests/monkey")
if [ $xcb -eq 1 ]; then
  export QT_QPA_PLATFORM=xcb
  run=(xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "${run[@]}")
else
  export QT_QPA_PLATFORM=offscreen
fi

status=0
for seed in "${seeds[@]}"; do
  echo "== seed $seed, $events events, $QT_QPA_PLATFORM"
  args=("$events" "$seed")
  [ -n "$log" ] && args+=("$log.$seed")
  "${run[@]}" "${args[@]}" || status=1
done
exit $status
