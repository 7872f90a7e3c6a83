#!/usr/bin/env bash
# The game for a web page, built from Debian's packages.
#   tools/web.sh              installs what is missing, builds SDL2 for the web
#                             once (cached), then the game into build-web/ and
#                             the site into build-web/site/
#   tools/web.sh serve [PORT] serves build-web/site/ on 127.0.0.1
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
cache=${KWORBLE_CACHE:-$HOME/.cache/kworble}
jobs=${JOBS:-2}

if [ "${1:-}" = serve ]; then
  port=${2:-8000}
  [ -f build-web/site/index.html ] || { echo "no site: run tools/web.sh first" >&2; exit 1; }
  echo "KWORBLE on http://127.0.0.1:$port/"
  exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory build-web/site "$port"
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# emcc's optimiser needs Debian's node modules, and Debian's python.
export NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3

# The browser and its driver are for the test (tests/web).
packages=(emscripten cmake make g++ dpkg-dev chromium chromium-driver python3-selenium python3-pil)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The source package's lines, taken from the machine's own binary sources for
# its release (same URIs and suites), so no host is named here.
add_source_lines() {
  local codename list=/etc/apt/sources.list.d/kworble-src.sources
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  /usr/bin/python3 - "$codename" /etc/apt/sources.list.d/*.sources <<'EOF' | $sudo tee "$list" >/dev/null
import sys
codename, files = sys.argv[1], sys.argv[2:]
for name in files:
    if name.endswith("kworble-src.sources"):
        continue
    for stanza in open(name).read().split("\n\n"):
        fields = {}
        for line in stanza.splitlines():
            if ":" in line and not line.startswith((" ", "#")):
                key, value = line.split(":", 1)
                fields[key.strip()] = value.strip()
        suites = fields.get("Suites", "").split()
        if "deb" not in fields.get("Types", "").split() or not any(s.startswith(codename) for s in suites):
            continue
        print("Types: deb-src")
        for key in ("URIs", "Suites", "Components", "Signed-By"):
            if key in fields:
                print(f"{key}: {fields[key]}")
        print()
EOF
  if [ -f /etc/apt/sources.list ]; then
    grep -E "^deb .*\\b$codename" /etc/apt/sources.list | sed 's/^deb /deb-src /' | $sudo tee -a /etc/apt/sources.list.d/kworble-src.list >/dev/null || true
  fi
  $sudo apt-get update
}

# SDL2 for the web, from the same source package the desktop build links.
sdl_version=$(dpkg-query -W -f='${Version}' libsdl2-2.0-0 2>/dev/null || apt-cache policy libsdl2-dev | awk '/Candidate:/ {print $2}')
sdl_prefix="$cache/sdl2-web-${sdl_version//[:~+]/_}"
if [ ! -f "$sdl_prefix/lib/libSDL2.a" ]; then
  work=$(mktemp -d)
  (cd "$work" && apt-get source --download-only libsdl2 >/dev/null 2>&1) || add_source_lines
  (cd "$work" && apt-get source libsdl2)
  src=$(find "$work" -maxdepth 1 -type d -name 'libsdl2-*' | head -n1)
  # SDL's configure checks, answered up front for the versions they were taken with.
  checks=()
  if grep -qx "# emcc $(emcc -dumpversion)" web/sdl-checks.cmake && grep -qx "# SDL ${sdl_version%%[+-]*}" web/sdl-checks.cmake; then
    checks=(-C "$root/web/sdl-checks.cmake")
  fi
  emcmake cmake "${checks[@]}" -S "$src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DSDL_SHARED=OFF \
    -DSDL_STATIC=ON -DSDL_TEST=OFF -DCMAKE_INSTALL_PREFIX="$sdl_prefix"
  cmake --build "$work/build" -j"$jobs"
  cmake --install "$work/build"
  rm -rf "$work"
fi

# The asset generator runs on this machine; its files go into the site.
mkdir -p build-web/host
if [ ! -x build-web/host/kworble_assetgen ] || [ -n "$(find tools/assetgen -newer build-web/host/kworble_assetgen)" ]; then
  # shellcheck disable=SC2046 # pkg-config's flags are separate words
  g++ -std=c++20 -O2 -o build-web/host/kworble_assetgen tools/assetgen/*.cpp $(pkg-config --cflags --libs sdl2 libpng)
fi

emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DKWORBLE_WERROR=OFF \
  -DSDL2_DIR="$sdl_prefix/lib/cmake/SDL2" -DKWORBLE_ASSETGEN="$root/build-web/host/kworble_assetgen"
cmake --build build-web -j"$jobs" --target kworble_site
echo "site: $root/build-web/site ($(du -sh build-web/site | cut -f1))"
