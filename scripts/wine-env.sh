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
  if [ -z "${DISPLAY:-}" ] || [ "${2:-}" = "force-xvfb" ]; then
    local n
    for n in $(seq 91 160); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    VIVARTO_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export VIVARTO_VIRTUAL_DISPLAY=1
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # no crash dialog: a crashing test must fail, not wait for a click
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
    wineserver -w
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
