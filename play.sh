#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it. The game and its save file
# (save.dat) live in build-release/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DVOLNA_QT=ON -DVOLNA_TESTS=OFF
cmake --build build-release -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the game on. Without a screen, run it on a virtual one:" >&2
  echo "  xvfb-run -a ./play.sh" >&2
  exit 1
fi
exec build-release/volna
