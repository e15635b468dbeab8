#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them side by side for a
# bounded time, each on a copy of its committed seed corpus.
# Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DOSCILATOR_BUILD_UI=OFF -DOSCILATOR_BUILD_TESTS=OFF -DOSCILATOR_BUILD_BENCH=OFF -DOSCILATOR_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_runs fuzz_key_filter

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
declare -A seeds=([runs]=tests/fuzz/corpus_runs [key_filter]=tests/fuzz/corpus_keys)
declare -A pids=()
for target in "${!seeds[@]}"; do
  mkdir "$work/$target"
  cp -r "${seeds[$target]}"/. "$work/$target"/
  echo "fuzz_$target: ${seconds}s"
  # A finding ends the target with a non-zero status and leaves crash-* in build-fuzz.
  (cd build-fuzz && exec ./tests/fuzz/fuzz_$target -max_total_time="$seconds" "$work/$target") \
    >"build-fuzz/fuzz_$target.log" 2>&1 &
  pids[$target]=$!
done
failed=0
for target in "${!pids[@]}"; do
  if wait "${pids[$target]}"; then
    tail -n 1 "build-fuzz/fuzz_$target.log"
  else
    tail -n 40 "build-fuzz/fuzz_$target.log"
    echo "fuzz_$target found a fault"
    failed=1
  fi
done
exit "$failed"
