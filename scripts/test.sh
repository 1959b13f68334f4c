#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless; with --asan the
# build and the suite of build-asan/ (AddressSanitizer and UndefinedBehaviorSanitizer).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
folder=build
if [ "${1:-}" = "--asan" ]; then
  folder=build-asan
  scripts/build.sh --asan
  source scripts/sanitizers.env
else
  scripts/build.sh
fi
export QT_QPA_PLATFORM=offscreen
cd "$folder"
ctest --output-on-failure -j2 --timeout 300
