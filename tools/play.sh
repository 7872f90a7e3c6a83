#!/usr/bin/env bash
# Installs what is missing, builds the game with its assets and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2 --target kworble
cd build && exec ./kworble
