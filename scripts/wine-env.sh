# Sourced by the test, run and screenshot scripts: a private Wine prefix, a
# virtual display when there is none, and one wineserver kept alive for the
# whole run (a Windows process then starts in about 0.1 s instead of 3 s).
#   wine_env_start PREFIX_DIR [force-xvfb]    wine_env_stop
VIVARTO_XVFB_PID=""
VIVARTO_STARTED_SERVER=""

wine_env_start() {
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  # Wine names Unix files in the locale's character set: under a bare system's
  # POSIX locale a Windows file name outside ASCII ("Été ☕.reg") cannot be
  # made at all. C.UTF-8 is in every Debian; a UTF-8 locale already chosen
  # (a Greek or Japanese test run) stays.
  case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
    *UTF-8*|*utf8*) ;;
    *) export LANG=C.UTF-8; unset LC_ALL LC_CTYPE ;;
  esac
  if [ -z "${DISPLAY:-}" ] || [ "${2:-}" = "force-xvfb" ]; then
    # Xvfb picks a free display itself and names it once it is ready: no
    # race with another run starting at the same moment, and no clash with a
    # display whose socket this file system cannot see (a chroot, a container).
    local numberfile i
    numberfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${VIVARTO_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
    VIVARTO_XVFB_PID=$!
    for i in $(seq 1 100); do [ -s "$numberfile" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n 1 "$numberfile")"
    rm -f "$numberfile"
    export VIVARTO_VIRTUAL_DISPLAY=1
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # no crash dialog: a crashing test must fail, not wait for a click
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Debian's Wine does not load the TrueType fonts of its own fonts folder
  # (Marlett, Tahoma): the caption buttons then draw as the letters "0 1 r"
  # and dialogs fall back to bitmap fonts. The prefix's Fonts folder is read.
  if [ -d /usr/share/wine/fonts ]; then
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  wineserver -p >/dev/null 2>&1 &
  VIVARTO_STARTED_SERVER=1
  # Start Wine's background services now, with their output going nowhere:
  # started by the first test instead, they would inherit CTest's output pipe
  # and CTest would wait for them to end.
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  # With no window manager on the virtual display, Wine waits up to 2 s for
  # each managed top-level window to unmap when it is hidden or destroyed.
  # Unmanaged windows close at once (Wine then draws their frames itself).
  if [ -n "${VIVARTO_VIRTUAL_DISPLAY:-}" ] && ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null || true
  fi
}

wine_env_stop() {
  if [ -n "$VIVARTO_STARTED_SERVER" ]; then
    wineserver -k >/dev/null 2>&1 || true
    VIVARTO_STARTED_SERVER=""
  fi
  if [ -n "$VIVARTO_XVFB_PID" ]; then
    kill "$VIVARTO_XVFB_PID" 2>/dev/null || true
    wait "$VIVARTO_XVFB_PID" 2>/dev/null || true
    VIVARTO_XVFB_PID=""
  fi
}
