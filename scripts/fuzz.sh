#!/usr/bin/env bash
# Builds the libFuzzer targets of every file reader (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each, seeded from the demo family
# folder's files and the kept inputs of fuzz/regressions/.
#   scripts/fuzz.sh [seconds-per-target [targets-at-once]]     (default 600 and 1)
# A crash, leak or sanitizer report leaves its input in build-fuzz/artifacts/<target>/;
# once the fault is mended, copy the input to fuzz/regressions/<target>/ so the test suite
# replays it. Ends with a table per target and a non-zero exit when anything was found.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
parallel=${2:-1}

scripts/deps.sh
missing=()
for p in clang-14 libfuzzer-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

out=build-fuzz
CXX=clang++-14 cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNARABI_FUZZ=ON >/dev/null
cmake --build "$out" -j2 --target fuzz_all make_demo

targets=(seq_text settings level_targets picture sound_table roster results_log record_codec
         wave_header)

# Seeds: the demo's files, as each target takes its input.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
demo="$out/demo"
rm -rf "$demo" && "$out/tools/make_demo" "$demo" ならびタッチ >/dev/null
prog="$demo/ならびタッチ"
seed() { mkdir -p "$out/corpus/$1" && cat > "$out/corpus/$1/$2"; }
for f in "$prog/設定.txt" "$demo/共通データ.txt" "$demo/生徒用名簿.txt" "$prog/picture.txt" \
         "$prog/タイム回数データ.txt" "$demo/音フォルダ/新音ファイル.txt"; do
  for mode in 00 55 aa ff; do
    { printf "\x$mode"; cat "$f"; } | seed seq_text "$(basename "$f")-$mode"
  done
done
{ cat "$prog/設定.txt"; printf '\n====\n'; cat "$demo/共通データ.txt"; } | seed settings demo
seed level_targets demo < "$prog/タイム回数データ.txt"
for level in 01 02 03 04; do { printf "\x$level"; cat "$prog/picture.txt"; } | seed picture "demo-$level"; done
seed sound_table demo < "$demo/音フォルダ/新音ファイル.txt"
for mode in 00 01 02; do { printf "\x$mode"; cat "$demo/生徒用名簿.txt"; } | seed roster "demo-$mode"; done
[ -s "$prog/成績累積データ.dat" ] && seed results_log demo < "$prog/成績累積データ.dat"
n=0
for w in "$demo"/音フォルダ/*.wav; do
  seed wave_header "demo-$n" < "$w"; n=$((n + 1)); [ $n -ge 8 ] && break
done
for t in "${targets[@]}"; do
  mkdir -p "$out/corpus/$t" "$out/artifacts/$t" "$out/logs"
  cp fuzz/regressions/"$t"/* "$out/corpus/$t/" 2>/dev/null || true
done

run() {
  local t=$1
  rm -f "$out/artifacts/$t"/*
  (cd "$out/artifacts/$t" &&
     "../../fuzz/fuzz_$t" "../../corpus/$t" -max_total_time="$seconds" -print_final_stats=1 \
       -rss_limit_mb=2048 -timeout=10 -artifact_prefix=./ >"../../logs/$t.log" 2>&1) || true
}
running=0
for t in "${targets[@]}"; do
  run "$t" &
  running=$((running + 1))
  if [ "$running" -ge "$parallel" ]; then wait -n || true; running=$((running - 1)); fi
done
wait

status=0
printf '| target | executions | seconds | crashes | leaks | UB reports |\n|---|---|---|---|---|---|\n'
for t in "${targets[@]}"; do
  log="$out/logs/$t.log"
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  secs=$(sed -n 's/.*Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  leaks=$(grep -c 'ERROR: LeakSanitizer' "$log" || true)
  ub=$(grep -c 'runtime error:' "$log" || true)
  crashes=$(find "$out/artifacts/$t" -type f -name 'crash-*' -o -type f -name 'timeout-*' \
              -o -type f -name 'oom-*' | wc -l)
  printf '| %s | %s | %s | %s | %s | %s |\n' "$t" "${execs:-?}" "${secs:-?}" "$crashes" "$leaks" "$ub"
  if [ "$crashes" != 0 ] || [ "$leaks" != 0 ] || [ "$ub" != 0 ] || [ -z "$execs" ]; then status=1; fi
done
exit $status
