#!/usr/bin/env bash
# Configures and builds the given presets (default: linux, win64, win32).
# TARVEXOR_WERROR=ON in the environment makes warnings errors (tests and CI).
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(linux win64 win32)
jobs="$(nproc)"
for preset in "${presets[@]}"; do
  echo "== build $preset"
  cmake --preset "$preset" ${TARVEXOR_WERROR:+-DTARVEXOR_WERROR="$TARVEXOR_WERROR"} >/dev/null
  cmake --build --preset "$preset" -j "$jobs" -- --no-print-directory >/dev/null
done
