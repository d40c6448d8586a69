#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the run need (as root).
# Only what is missing is installed, so a second run costs nothing.
set -euo pipefail
need=()
for pkg in g++ cmake googletest clang g++-mingw-w64-x86-64 wine wine64 xvfb xauth imagemagick x11-utils; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
