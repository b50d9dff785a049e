#!/usr/bin/env bash
# The Linux editor's picture against the Windows editor's picture of the same
# state, captured by tarvexor-shot.exe under Wine: at "Init" after two seconds,
# when the meters have come to rest, and after the demo mix played through
# "Mastering 2" one display tick at a time. Run on an X display. Exits 77
# (skipped) when the win64 build is not there.
set -uo pipefail
dist="$1" compare="$2" work="$3"
shot_exe="$dist/win64/tarvexor-shot.exe"
[ -f "$shot_exe" ] || { echo "$shot_exe: not built, skipped"; exit 77; }
mkdir -p "$work"
export WINEPREFIX="$work/wineprefix"
# Both editors start from their default display settings.
rm -rf "$work/config"
export XDG_CONFIG_HOME="$work/config"
wine_run="$(dirname "$0")/../../scripts/wine-run.sh"
status=0
compare_state() { # name, then the options of both shot tools
  local name="$1"
  shift
  echo "== $name"
  "$wine_run" "$shot_exe" "$@" --out "$work/$name-windows.png" || return 1
  "$dist/linux-x64/tarvexor-x11-shot" "$@" --out "$work/$name-linux.png" || return 1
  "$compare" "$work/$name-linux.png" "$work/$name-windows.png"
}
compare_state init --wait 2000 || status=1
compare_state demo --program 2 --demo --fast || status=1
exit $status
