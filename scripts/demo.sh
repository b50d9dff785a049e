#!/usr/bin/env bash
# Sets up, builds the three plug-ins and shows the Linux plug-in as a host sees it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh linux win64 win32
dist/linux-x64/tarvexor info
