#!/usr/bin/env bash
# Configures and builds everything into build/, or with --asan under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ (a fault or undefined behaviour ends the
# program with a report):
#   scripts/build.sh [--asan] [cmake --build arguments, e.g. --target monkey]
set -euo pipefail
cd "$(dirname "$0")/.."
folder=build
options=()
if [ "${1:-}" = "--asan" ]; then
  shift
  folder=build-asan
  options=(-DNARABI_SANITIZE=ON)
fi
launcher=()
# A compiler cache, where installed, makes rebuilds of other checkouts cheap.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" "${launcher[@]}" >/dev/null
cmake --build "$folder" -j"$(nproc)" "$@"
