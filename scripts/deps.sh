#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the run need (as root),
# on a bare system too: nothing here assumes a compiler toolchain is present.
# Only what is missing is installed, so a second run costs nothing.
#   make                      CMake's default generator needs it
#   libgtest-dev              GoogleTest's built libraries and CMake package
#                             (the googletest package holds only sources)
#   libclang-rt-dev           the fuzzer and sanitizer runtimes for Debian's clang
#   fonts-wine                Wine's own fonts: without them the caption buttons
#                             draw as letters
#   zip, unzip                the release archive and its test
#   locales                   the system locales the Windows tests also run
#                             under (Wine takes its code page from LANG)
set -euo pipefail
packages=(make g++ cmake libgtest-dev clang libclang-rt-dev
          g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
          wine wine64 fonts-wine xvfb xauth imagemagick x11-utils zip unzip locales)
need=()
for pkg in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || need+=("$pkg")
done
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
# English, Greek (code page 1253) and Japanese (932): generated once.
for loc in en_US el_GR ja_JP; do
  locale -a 2>/dev/null | grep -qi "^$loc\.utf-\?8$" || $SUDO localedef -c -i "$loc" -f UTF-8 "$loc.UTF-8"
done
