#!/usr/bin/env bash
# Installs every Debian package the builds and tests need, skipping what is present.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  googletest libgtest-dev libbenchmark-dev
  libsndfile1-dev libebur128-dev nlohmann-json3-dev sox
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine64 wine xvfb xauth fonts-liberation
  libx11-dev libcairo2-dev libfontconfig-dev libfreetype-dev libxtst-dev
  lsp-plugins-vst
  clang-format valgrind
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # wine64 recommends wine32, which cannot run on a 64-bit-only kernel: no recommends.
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
echo "setup: all packages present"
