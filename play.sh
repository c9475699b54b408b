#!/usr/bin/env bash
# Installs what is missing, builds Tarnhollow (Release) and starts it from its game folder.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
tarnhollow_install_packages
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNHOLLOW_TESTS=OFF -DTARNHOLLOW_BENCH=OFF
cmake --build build --target tarnhollow
cd build/game
exec ./tarnhollow "$@"
