#!/usr/bin/env bash
# Configures and builds the given presets (default: linux, win64, win32).
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(linux win64 win32)
jobs="$(nproc)"
for preset in "${presets[@]}"; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs" -- --no-print-directory >/dev/null
done
