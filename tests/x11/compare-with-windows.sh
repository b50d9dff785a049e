#!/usr/bin/env bash
# The Linux editor's picture at "Init" against the Windows editor's picture of
# the same state, captured by tarvexor-shot.exe under Wine; both after two
# seconds, when the meters have come to rest. Run on an X display.
# Exits 77 (skipped) when the win64 build is not there.
set -uo pipefail
dist="$1" compare="$2" work="$3"
shot_exe="$dist/win64/tarvexor-shot.exe"
[ -f "$shot_exe" ] || { echo "$shot_exe: not built, skipped"; exit 77; }
mkdir -p "$work"
export WINEPREFIX="$work/wineprefix"
"$(dirname "$0")/../../scripts/wine-run.sh" "$shot_exe" --wait 2000 --out "$work/windows.png" || exit 1
"$dist/linux-x64/tarvexor-x11-shot" --wait 2000 --out "$work/linux.png" || exit 1
"$compare" "$work/linux.png" "$work/windows.png"
