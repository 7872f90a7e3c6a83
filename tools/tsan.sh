#!/usr/bin/env bash
# tools/tsan.sh: the tests that run threads (timers, the mixer against a live
# audio device) under ThreadSanitizer, the timers 300 times over. Run by hand:
# a ThreadSanitizer build does not fit in CI's time.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-2}
tools/install-deps.sh libtsan2 # GCC's ThreadSanitizer runtime
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKWORBLE_WERROR=ON \
  -DKWORBLE_SANITIZE=thread -DKWORBLE_BENCH=OFF
cmake --build build-tsan -j"$jobs" --target app_test sound_test kworble
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
ctest --test-dir build-tsan -R '^Timers\.' --no-tests=error --repeat until-fail:300
ctest --test-dir build-tsan -R 'Thread' --no-tests=error --output-on-failure
