#!/usr/bin/env bash
# Sets up, builds all three targets and runs every test suite: native, then
# the win64 suite under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
TARVEXOR_WERROR=ON bash scripts/build.sh linux win64 win32
status=0
echo "== native tests"
ctest --preset linux -j "$(nproc)" || status=1
echo "== win64 tests under Wine"
xvfb-run -a ctest --preset win64 || status=1
exit $status
