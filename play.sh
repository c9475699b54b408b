#!/usr/bin/env bash
# Installs what is missing, builds Tarnhollow (Release, the game alone) in build-play/ and starts it
# from its game folder. The folder is its own, so the test builds in build/ keep their settings, and
# every option is given, so no setting left from an earlier build applies.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
tarnhollow_install_packages
cmake -S . -B build-play -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNHOLLOW_TESTS=OFF -DTARNHOLLOW_BENCH=OFF \
  -DTARNHOLLOW_SANITIZE=OFF -DTARNHOLLOW_FUZZ=OFF -DTARNHOLLOW_WERROR=OFF
cmake --build build-play --target tarnhollow
cd build-play/game
exec ./tarnhollow "$@"
