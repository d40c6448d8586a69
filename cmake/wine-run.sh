#!/usr/bin/env bash
# Runs a Windows executable under Wine with the settings of the test run
# (WINEPREFIX, DISPLAY and a running wineserver come from scripts/wine-env.sh).
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec wine "$@"
