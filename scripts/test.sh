#!/usr/bin/env bash
# Set up, build and run the whole test suite: the Release build, the same suite
# under AddressSanitizer + UndefinedBehaviorSanitizer, and a bounded fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DOSCILATOR_BUILD_TESTS=ON -DOSCILATOR_BUILD_BENCH=ON
cmake --build build -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSCILATOR_SANITIZE=ON -DOSCILATOR_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"

# About a minute per target; a finding fails the run.
bash scripts/fuzz.sh 60

# Any sanitizer report fails its test; leaks of system libraries under Qt are
# suppressed (tests/lsan.supp).
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
  ctest --test-dir build-asan --output-on-failure

ctest --test-dir build --output-on-failure
