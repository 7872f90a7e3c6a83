#!/usr/bin/env bash
# tools/soak.sh <seconds> [asan|tsan]
# Plays the attract loop (demo, next maze, demo, ...) for the given time on
# SDL's dummy drivers under AddressSanitizer + UBSan (asan, the default) or
# ThreadSanitizer (tsan). Fails when a sanitizer reports anything, or when
# resident memory grows by 5 MB or more between the end of the first minute
# (a sixth of the run for runs under six minutes) and the end of the run.
# KWORBLE_SOAK_BUILD names another build folder; JOBS the build's jobs.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: tools/soak.sh <seconds> [asan|tsan]}
kind=${2:-asan}
jobs=${JOBS:-2}
limit_kb=5120

case "$kind" in
asan)
  # The folder tools/test.sh makes, with the same settings.
  build=${KWORBLE_SOAK_BUILD:-build-sanitize}
  settings=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKWORBLE_WERROR=ON -DKWORBLE_SANITIZE=address,undefined
    -DKWORBLE_BENCH=OFF)
  ;;
tsan)
  build=${KWORBLE_SOAK_BUILD:-build-tsan}
  settings=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKWORBLE_WERROR=ON -DKWORBLE_SANITIZE=thread
    -DKWORBLE_TESTS=OFF -DKWORBLE_BENCH=OFF)
  ;;
*)
  echo "soak: unknown kind '$kind' (asan or tsan)" >&2
  exit 2
  ;;
esac

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" "${settings[@]}"
fi
# A folder built otherwise would soak without the checks asked for.
want=$([ "$kind" = tsan ] && echo thread || echo address,undefined)
have=$(sed -n 's/^KWORBLE_SANITIZE:[A-Z]*=//p' "$build/CMakeCache.txt")
if [ "$have" != "$want" ]; then
  echo "soak: $build is built with KWORBLE_SANITIZE='$have', not '$want' as $kind needs;" \
    "name another folder with KWORBLE_SOAK_BUILD" >&2
  exit 2
fi
cmake --build "$build" -j"$jobs" --target kworble_soak

# A sixth of the run, a minute at most, lets caches and pools settle first.
measure_from=$((seconds / 6))
if [ "$measure_from" -gt 60 ]; then
  measure_from=60
fi

# A small quarantine: ASan otherwise keeps up to 256 MB of freed blocks
# resident, which would read as growth. Leaks are reported at exit.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=4
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export TSAN_OPTIONS=halt_on_error=0:second_deadlock_stack=1
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

log=$(mktemp "${TMPDIR:-/tmp}/kworble-soak.XXXXXX")
trap 'rm -f "$log"' EXIT
echo "soak: $seconds s of the attract loop under $kind in $build"
status=0
(cd "$build" && ./kworble_soak "$seconds" "$measure_from") 2>&1 | tee "$log" || status=$?

failed=0
if [ "$status" -ne 0 ]; then
  echo "soak: FAILED: the soak program exited with status $status"
  failed=1
fi
reports=$(grep -cE 'ERROR: (Address|Leak)Sanitizer|runtime error:|WARNING: ThreadSanitizer|SUMMARY: [A-Za-z]+Sanitizer' "$log" || true)
if [ "$reports" -ne 0 ]; then
  echo "soak: FAILED: $reports sanitizer report lines"
  failed=1
fi
figures=$(grep -E '^soak: rss_start=' "$log" | tail -1 || true)
growth=$(sed -nE 's/.* growth=(-?[0-9]+)kB.*/\1/p' <<<"$figures")
if [ -z "$growth" ]; then
  echo "soak: FAILED: no memory figures"
  failed=1
else
  echo "soak: resident memory ${figures#soak: }, limit ${limit_kb}kB"
  if [ "$growth" -ge "$limit_kb" ]; then
    echo "soak: FAILED: resident memory grew by ${growth}kB"
    failed=1
  fi
fi
if [ "$failed" -ne 0 ]; then
  exit 1
fi
echo "soak: passed"
