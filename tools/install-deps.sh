#!/usr/bin/env bash
# tools/install-deps.sh [package...]: installs what building, running and
# testing the game need on Debian, and any packages named, skipping what is
# already there.
set -euo pipefail
# xvfb, xauth and Mesa's drivers let one road of the tests run on OpenGL;
# Firefox ESR and npm (for puppeteer-core, package.json) drive the web road
# in a second browser.
packages=(cmake g++ make pkg-config clang-format libsdl2-dev libpng-dev googletest libgtest-dev libbenchmark-dev xvfb xauth
  libgl1-mesa-dri firefox-esr nodejs "$@")
# An npm of node's own install will do as well as Debian's.
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  # sudo drops the environment, so the variable goes through env.
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi
