#!/usr/bin/env bash
# Pictures of the three tabs and the About, Help, Contact and Fade Colours windows, taken
# under Wine on a virtual display, into docs/screenshots/ as PNG.
#   scripts/screenshots.sh [DPI]   (96 when not given; another DPI adds
#   "-<DPI>dpi" to each file name, e.g. tab-main-144dpi.png)
set -uo pipefail
DPI=${1:-96}
SUFFIX=$([ "$DPI" = 96 ] || echo "-${DPI}dpi")
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD=${VIVARTO_BUILD:-build}
bash scripts/deps.sh || exit 1
bash scripts/build.sh --target vivarto vivarto_screenshots || exit 1
. scripts/wine-env.sh
# At 192 DPI the main window is taller than a 1024-line screen.
export VIVARTO_SCREEN=1600x1400x24
trap wine_env_stop EXIT
wine_env_start "$ROOT/$BUILD/wineprefix-shots" force-xvfb
# Wine draws the window frames itself: there is no window manager here.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
# The screen's DPI as Wine reports it to the program.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null 2>&1
out="$ROOT/$BUILD/shots"
rm -rf "$out" && mkdir -p "$out" "$ROOT/docs/screenshots"
(cd "$BUILD/win" && wine vivarto_screenshots.exe "$(winepath -w "$out")")
for f in "$out"/*.bmp; do
  convert "$f" "$ROOT/docs/screenshots/$(basename "${f%.bmp}")$SUFFIX.png"
done
ls "$ROOT/docs/screenshots"
