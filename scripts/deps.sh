#!/usr/bin/env bash
# Installs what the build, the program and the tests need, if anything is missing.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev libqcustomplot-dev libqcustomplot2.1-qt6
  libgtest-dev libbenchmark-dev libboost-dev
  xvfb xauth xdotool fonts-liberation
  appstream desktop-file-utils dpkg-dev file python3 locales
  clang-14 libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
