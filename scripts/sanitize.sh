#!/usr/bin/env bash
# Builds the core and batch tests with the address and undefined-behaviour sanitizers
# into build-sanitize/ and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKOLVANE_SANITIZE=ON -DKOLVANE_TESTS=ON -DKOLVANE_UI=OFF >/dev/null
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -L "core|batch" --timeout 900
