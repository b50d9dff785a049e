#!/usr/bin/env bash
# Builds and runs the program that draws the editor's bitmaps.
#   bash resources/draw.sh [PNG_DIR]
# Writes resources/bitmaps/<id>-<name>.bmp and, into PNG_DIR (default build/artwork/png),
# a PNG of each bitmap and two previews of the whole editor. Needs cmake, g++, pkg-config,
# libcairo2-dev and fonts-dejavu-core/fonts-dejavu-extra; the plug-in build needs none of them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build="$root/build/artwork"
png=${1:-$build/png}

cmake -S "$here/draw" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null
mkdir -p "$here/bitmaps" "$png"
"$build/tarvexor-artwork" --bitmaps "$here/bitmaps" --png "$png"
echo "draw: bitmaps in $here/bitmaps, pictures in $png"
