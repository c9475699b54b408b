#!/usr/bin/env bash
# Installs what is missing, builds Tarnhollow with every test and benchmark, warnings as errors, and
# runs every test; then builds again with AddressSanitizer and UndefinedBehaviorSanitizer and runs the
# same tests. Every option is given, so no setting left from an earlier build applies; ctest fails
# when it finds no tests. Fails on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
tarnhollow_install_packages "${TARNHOLLOW_TEST_PACKAGES[@]}"
# Xvfb, xdotool and ImageMagick for the tests that start the program on a real X display; without
# them those tests are skipped.
tarnhollow_install_packages "${TARNHOLLOW_DISPLAY_TEST_PACKAGES[@]}" ||
  echo "${TARNHOLLOW_DISPLAY_TEST_PACKAGES[*]}: not all installed; the real-display tests will be skipped"
jobs=$(nproc)

echo "== Release build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNHOLLOW_TESTS=ON -DTARNHOLLOW_BENCH=ON \
  -DTARNHOLLOW_SANITIZE=OFF -DTARNHOLLOW_FUZZ=OFF -DTARNHOLLOW_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs"

echo "== Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer) and tests"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DTARNHOLLOW_TESTS=ON -DTARNHOLLOW_BENCH=OFF -DTARNHOLLOW_SANITIZE=ON -DTARNHOLLOW_FUZZ=OFF -DTARNHOLLOW_WERROR=ON
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure --no-tests=error -j "$jobs"
echo "== All tests passed"
