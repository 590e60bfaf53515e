#!/usr/bin/env bash
# Installs what is missing, builds, starts CUPS with its PDF queue and runs every test.
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
