#!/usr/bin/env bash
set -euo pipefail
build=$1 consumer=$2 cxx=$3 readme=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
# The install leaves its manifest in the build tree; a test's own one goes again.
manifest=$build/install_manifest.txt
[ -e "$manifest" ] || trap 'rm -rf "$work" "$manifest"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
test -f "$prefix/include/kelvppvw/kelvppvw.h"
cmake -S "$consumer" -B "$work/consumer" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/consumer" >/dev/null
export KELVPPVW_HOME=$work/home
mkdir -p "$KELVPPVW_HOME"
LD_LIBRARY_PATH=$prefix/lib:${LD_LIBRARY_PATH:-} "$work/consumer/consumer"
test -d "$KELVPPVW_HOME/Preview"

# The same program through pkg-config.
export PKG_CONFIG_PATH=$prefix/lib/pkgconfig:$prefix/lib/x86_64-linux-gnu/pkgconfig
"$cxx" -std=c++20 "$consumer/main.cpp" -o "$work/consumer-pc" $(pkg-config --cflags --libs kelvppvw) -Wl,-rpath,"$prefix/lib"
"$work/consumer-pc"

# The README's example, exactly as it stands there: it must build and show its preview.
sed -n '/^```cpp$/,/^```$/p' "$readme" | sed '1d;$d' > "$work/readme.cpp"
"$cxx" -std=c++20 "$work/readme.cpp" -o "$work/readme-host" $(pkg-config --cflags --libs kelvppvw) -Wl,-rpath,"$prefix/lib"
"$work/readme-host"
echo "installed component consumed through CMake and pkg-config, and the README's example"
