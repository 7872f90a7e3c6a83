#!/usr/bin/env bash
# Builds and runs every test twice: a warnings-as-errors release build, and
# an AddressSanitizer + UndefinedBehaviorSanitizer build. Fails first on a
# source file that differs from .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
jobs=${JOBS:-2}
# Most tests wait on the game's clock, not the CPU: more of them run side by side than build.
test_jobs=${TEST_JOBS:-4}

tools/format.sh --check
tools/check-floors.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKWORBLE_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build -j"$test_jobs" --output-on-failure

# The web build, and the player's road through it in headless Chromium, in
# Firefox ESR (puppeteer-core as package-lock.json pins it) and on a phone.
tools/web.sh
npm ci --no-audit --no-fund
/usr/bin/python3 tests/web/web_test.py build-web/site build-web/shots
/usr/bin/python3 tests/web/preserve_test.py build-web/site

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKWORBLE_WERROR=ON \
  -DKWORBLE_SANITIZE=address,undefined -DKWORBLE_BENCH=OFF
cmake --build build-sanitize -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build-sanitize -j"$test_jobs" --output-on-failure
