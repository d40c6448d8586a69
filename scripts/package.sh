#!/usr/bin/env bash
# Builds the release (the program and the demo messenger, release mode) and
# writes dist/vivarto-<version>-win64.zip with CPack; the zip's contents are
# the install() rules in cmake/package.cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${VIVARTO_BUILD:-build}
bash scripts/deps.sh
bash scripts/build.sh --target vivarto demo_messenger
(cd "$BUILD/win" && cpack --config CPackConfig.cmake >/dev/null)
zip=$(ls -t dist/vivarto-*-win64.zip | head -1)
size=$(unzip -l "$zip" | awk '$4 ~ /(^|\/)vivarto\.exe$/ {print $1}')
echo "$zip written; vivarto.exe is $size bytes"
