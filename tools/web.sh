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

# emcc's optimiser needs Debian's node modules, and Debian's python.
export NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3

# The browser and its driver are for the test (tests/web).
tools/install-deps.sh emscripten dpkg-dev chromium chromium-driver python3-selenium python3-pil

# apt with a source list, package lists and cache of its own in dir: the
# machine's apt configuration is read, never written.
private_apt() {
  local dir=$1
  shift
  apt-get -o Dir::Etc::SourceList="$dir/sources.list" -o Dir::Etc::SourceParts="$dir/sources.list.d" \
    -o Dir::State::Lists="$dir/lists" -o Dir::Cache="$dir/cache" -o APT::Sandbox::User="$(id -un)" "$@"
}

# SDL2 for the web, from the source of the SDL2 the desktop build links: that
# exact version is fetched, so it names the cache.
sdl_version=$(dpkg-query -W -f='${source:Version}' libsdl2-2.0-0)
sdl_prefix="$cache/sdl2-web-${sdl_version//[:~+]/_}"
if [ ! -f "$sdl_prefix/lib/libSDL2.a" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/apt/sources.list.d" "$work/apt/lists/partial" "$work/apt/cache" "$work/src"
  : >"$work/apt/sources.list"
  # The source lines are taken from the machine's binary sources for its
  # release (same URIs, suites and keys), so no host is named here.
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  shopt -s nullglob
  binary_sources=(/etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list)
  shopt -u nullglob
  if [ -f /etc/apt/sources.list ]; then
    binary_sources+=(/etc/apt/sources.list)
  fi
  /usr/bin/python3 tools/deb-src-sources.py "$codename" "$work/apt/sources.list.d" "${binary_sources[@]}"
  private_apt "$work/apt" update
  (cd "$work/src" && private_apt "$work/apt" source "libsdl2=$sdl_version")
  src=$(find "$work/src" -maxdepth 1 -type d -name 'libsdl2-*' | head -n1)
  # SDL's configure checks, answered up front for the versions they were taken with.
  checks=()
  if grep -qx "# emcc $(emcc -dumpversion)" web/sdl-checks.cmake && grep -qx "# SDL ${sdl_version%%[+-]*}" web/sdl-checks.cmake; then
    checks=(-C "$root/web/sdl-checks.cmake")
  fi
  emcmake cmake "${checks[@]}" -S "$src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DSDL_SHARED=OFF \
    -DSDL_STATIC=ON -DSDL_TEST=OFF -DCMAKE_INSTALL_PREFIX="$sdl_prefix"
  cmake --build "$work/build" -j"$jobs"
  cmake --install "$work/build"
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
