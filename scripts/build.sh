#!/usr/bin/env bash
# Builds the Windows program (and its tests) into build/win.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${VIVARTO_BUILD:-build}
cmake -S . -B "$BUILD/win" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-toolchain.cmake" >/dev/null
cmake --build "$BUILD/win" -j"$(nproc)" "$@"
