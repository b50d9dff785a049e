#!/usr/bin/env bash
# The main job: sets up, builds the three plug-ins and the hosts, writes the
# demo mix and renders it with "Mastering 2" (out/demo-in.wav, out/demo-out.wav,
# with the render's summary), then plays the demo through the editor under
# Wine and captures it (out/editor.png) and the help window (out/help.png),
# and through the Linux editor on X11 (out/editor-linux.png).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh linux win64 win32
dist/linux-x64/tarvexor demo out
export WINEPREFIX="$PWD/build/wineprefix"
xvfb-run -a scripts/wine-run.sh dist/win64/tarvexor-shot.exe --program 2 --feed out/demo-in.wav \
  --fast --out out/editor.png
xvfb-run -a scripts/wine-run.sh dist/win64/tarvexor-shot.exe --help-shot out/help.png
echo "wrote out/editor.png and out/help.png"
# The Linux editor keeps its settings apart from the user's, as Wine's prefix does.
XDG_CONFIG_HOME="$PWD/build/x11-config" xvfb-run -a dist/linux-x64/tarvexor-x11-shot \
  --program 2 --feed out/demo-in.wav --fast --out out/editor-linux.png
echo "wrote out/editor-linux.png"
