#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on a
# copy of the committed seed corpus. Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DOSCILATOR_BUILD_UI=OFF -DOSCILATOR_BUILD_TESTS=OFF -DOSCILATOR_BUILD_BENCH=OFF -DOSCILATOR_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_runs fuzz_key_filter
for target in runs key_filter; do
  corpus=$(mktemp -d)
  seeds=tests/fuzz/corpus_${target%%_*}
  [ "$target" = key_filter ] && seeds=tests/fuzz/corpus_keys
  cp -r "$seeds"/. "$corpus"/
  echo "fuzz_$target: ${seconds}s"
  # A finding aborts the run (non-zero exit) and leaves crash-* in build-fuzz.
  status=0
  (cd build-fuzz && ./tests/fuzz/fuzz_$target -max_total_time="$seconds" "$corpus") >build-fuzz/fuzz_$target.log 2>&1 || status=$?
  rm -rf "$corpus"
  if [ "$status" -ne 0 ]; then
    tail -n 40 build-fuzz/fuzz_$target.log
    echo "fuzz_$target found a fault"
    exit "$status"
  fi
  tail -n 2 build-fuzz/fuzz_$target.log
done
