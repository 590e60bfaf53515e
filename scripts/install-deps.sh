#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test needs is missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  cups cups-client cups-bsd libcups2-dev printer-driver-cups-pdf poppler-utils
  fonts-liberation2 fonts-dejavu-core
  xvfb openbox xdotool emf2svg libxfixes-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
