#!/usr/bin/env bash
# Installs what is missing, builds, starts CUPS with its PDF queue and runs
# every test; then builds the suite again with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs it once more.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/start-cups.sh
build=${KELVPPVW_BUILD_DIR:-build}
# clang, so that the libFuzzer targets build and their smoke runs are part of the suite.
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DKELVPPVW_FUZZ=ON
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 600

# The sanitizer run. The fuzz targets of the first build already carry both
# sanitizers, so their smoke runs are not repeated here. Benchmarks measure
# nothing useful under a sanitizer, and the install test builds an outside
# program that would need the sanitizer runtime linked in: both are left out.
sanitized=${KELVPPVW_SANITIZE_BUILD_DIR:-build-asan}
# Test discovery runs the test programs at build time, so the options apply there too.
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cmake -S . -B "$sanitized" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
  -DKELVPPVW_FUZZ=OFF -DKELVPPVW_BENCH=OFF -DKELVPPVW_SANITIZE=ON
cmake --build "$sanitized" --parallel "$(nproc)"
ctest --test-dir "$sanitized" --output-on-failure --parallel "$(nproc)" --timeout 900 -E '^install_and_consume$'
