#!/usr/bin/env bash
# Set up, build in Release and start the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target oscilator
exec ./build/app/oscilator
