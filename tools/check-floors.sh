#!/usr/bin/env bash
# The build keeps each floor to the headers and libraries beneath it
# (cmake/Floors.cmake). What it cannot stop: the compiler looks beside the
# including file first, so "../app/X.h" from display/ would resolve. This
# fails on any include in the game that climbs with "..".
set -euo pipefail
cd "$(dirname "$0")/.."
if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]*\.\.' \
    base display sound debug app world screens; then
    echo "floors: an include climbs out of its folder (name it from the top: \"display/X.h\")"
    exit 1
fi
echo "floors: no include climbs"
