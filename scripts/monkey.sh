#!/usr/bin/env bash
# Runs the random-event monkey long, under AddressSanitizer and UndefinedBehaviorSanitizer:
# builds the monkey in build-asan/ (-DNARABI_SANITIZE=ON) and drives the real program on a
# fresh demo family folder, offscreen, with seeded random clicks, keys, window closes and
# focus changes, one life of the program after another.
#   scripts/monkey.sh [events [seed]]                    (default 20000 and 1)
# Prints every crash, sanitizer report, hang and torn file with the events that led to it,
# then "monkey: events N, lives N, crashes N, reports N, hangs N, torn files N"; exits
# non-zero when anything was found. MONKEY_HANG_SECONDS (60 here) is the hang limit.
set -euo pipefail
cd "$(dirname "$0")/.."
events=${1:-20000}
seed=${2:-1}

scripts/deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNARABI_SANITIZE=ON \
  "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$(nproc)" --target monkey

export QT_QPA_PLATFORM=offscreen
# Leaks at the end of a life are not what the monkey looks for.
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export MONKEY_HANG_SECONDS=${MONKEY_HANG_SECONDS:-60}
exec build-asan/tests/monkey "$events" "$seed"
