#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine in a quiet, private prefix.
# WINEPREFIX defaults to a prefix inside the build tree of the caller.
set -euo pipefail
export WINEPREFIX="${WINEPREFIX:-$PWD/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No .NET or HTML engines to install, and no debugger: a crash ends the program.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;mshtml=;winedbg.exe=d}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  # No window manager under Xvfb: unmanaged windows close dialogs without delay.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
fi
exec wine "$@"
