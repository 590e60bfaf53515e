#!/usr/bin/env bash
# Installs what is missing, builds and runs the demo host. Without a display the
# viewer runs offscreen, closes itself and leaves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/start-cups.sh || echo "no CUPS printer: the viewer will say so"
build=${KELVPPVW_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$(nproc)" --target kelvppvw-demo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
exec "$build/examples/demo/kelvppvw-demo" "$@"
