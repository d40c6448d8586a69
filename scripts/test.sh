#!/usr/bin/env bash
# Every test: the portable core natively under AddressSanitizer and UBSan, a
# short fuzz run, then the Windows tests under Wine on a private prefix and a
# virtual display. Exit status is non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD=${VIVARTO_BUILD:-build}
bash scripts/deps.sh || exit 1
status=0

echo "== native tests (ASan + UBSan)"
cmake -S . -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null || exit 1
cmake --build "$BUILD/native" -j"$(nproc)" || exit 1
(cd "$BUILD/native" && ctest --output-on-failure -j"$(nproc)") || status=1

if [ -x scripts/fuzz.sh ]; then
  echo "== fuzzing"
  bash scripts/fuzz.sh "${VIVARTO_FUZZ_SECONDS:-30}" || status=1
fi

echo "== Windows tests under Wine (the release zip among them)"
bash scripts/build.sh || exit 1
bash scripts/package.sh || exit 1
. scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start "$ROOT/$BUILD/wineprefix" force-xvfb
(cd "$BUILD/win" && ctest --output-on-failure) || status=1
# Again under a Greek (code page 1253) and a Japanese (932) system: Wine takes
# the code page from the locale at every process start, so the same prefix
# serves. Every Windows test but the release check (the same files again) and
# the registry class's, whose names and strings go through the system's code
# page on purpose (a REGEDIT4 file is written in it).
for loc in el_GR.UTF-8 ja_JP.UTF-8; do
  echo "== Windows tests under $loc"
  (cd "$BUILD/win" && LANG=$loc LC_ALL=$loc ctest --output-on-failure -E "package|registry") || status=1
done
wine_env_stop
trap - EXIT
exit $status
