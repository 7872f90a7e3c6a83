#!/usr/bin/env bash
# tools/xvfb-soak.sh [seconds]
# The memory soak on a real X server: the game under Xvfb with SDL's default
# renderer (OpenGL through Mesa there). Starts the game, steps F4 once round
# every window size (checking with xwininfo that each press changed it), then
# starts a demo and lets the attract loop play demo after demo for the given
# time (600 s by default), pressing D again should it stop at the menu.
# Samples VmRSS every 10 s and fails when it grows by more than 5 MB between
# the end of the first minute (a sixth of shorter runs) and the end.
# KWORBLE_BIN names the game (default build/kworble), KWORBLE_DISPLAY the
# Xvfb display (default 98).
set -euo pipefail

KWORBLE_DISPLAY=${KWORBLE_DISPLAY:-98}
# shellcheck source=tools/cpu-bench.sh
source "$(dirname "${BASH_SOURCE[0]}")/cpu-bench.sh"

seconds=${1:-600}
[ "$seconds" -ge 20 ] || die "a soak needs at least 20 s"
sample_s=10
limit_kb=5120
measure_from=$((seconds / 6))
if [ "$measure_from" -gt 60 ]; then
  measure_from=60
fi

[ -x "$game_a" ] || die "no game at $game_a (build it, or set KWORBLE_BIN)"
trap cleanup EXIT
start_xvfb
start_app "$(cd "$(dirname "$game_a")" && pwd)" "$game_a"
echo "soak: $seconds s of demos on $DISPLAY, $game_a"
echo "soak: rss at the window $(rss_kb) kB"
go_to_title_scroll
echo "soak: rss at the title $(rss_kb) kB"

# One round of F4: every press must change the size, and the round ends at the start size.
first_size=$(window_size)
size=$first_size
sizes=$first_size
for press_number in $(seq 1 12); do
  press F4
  start=$(now)
  while [ "$(window_size)" = "$size" ]; do
    later "$start" 10 && die "F4 press $press_number left the window at $size"
    sleep 0.2
  done
  size=$(window_size)
  sizes="$sizes -> $size"
  [ "$size" = "$first_size" ] && break
done
[ "$size" = "$first_size" ] || die "twelve F4 presses did not come back to $first_size: $sizes"
echo "soak: F4 round $sizes"
echo "soak: rss after the F4 round $(rss_kb) kB"

go_to_demo
echo "soak: a demo runs; rss $(rss_kb) kB"

# What the screen shows, in one word, for the samples. The attract loop shows
# the menu too, flashing D=Demo: only a panel that stands still is idle.
screen_word() {
  local checks=(cell:1:0 cell:23:0 cell:3:22 cell:3:30 cell:19:22 cell:19:30 rows:3:19)
  local first second
  first=$(probe "${checks[@]}")
  case "$first" in
  "Y Y W W W W "*)
    sleep 0.5
    second=$(probe "${checks[@]}")
    if [ "$first" = "$second" ]; then
      echo idle-menu
    else
      echo menu
    fi
    ;;
  "Y Y "*) echo maze ;;
  *) echo other ;;
  esac
}

start=$(now)
samples=()
previous_word=""
base_kb=""
for elapsed in $(seq "$sample_s" "$sample_s" "$seconds"); do
  until later "$start" "$elapsed"; do
    sleep 0.2
  done
  kill -0 "$app_pid" 2>/dev/null || die "the game exited after $elapsed s"
  kb=$(rss_kb)
  word=$(screen_word)
  note=""
  # A key during the attract loop's flash would stop it: only an idle menu,
  # twice running, gets a D.
  if [ "$word" = idle-menu ] && [ "$previous_word" = idle-menu ]; then
    press d
    note=" (idle menu: pressed D)"
  fi
  previous_word=$word
  samples+=("$kb")
  if [ -z "$base_kb" ] && [ "$elapsed" -ge "$measure_from" ]; then
    base_kb=$kb
  fi
  echo "soak: ${elapsed}s rss ${kb} kB ${word}${note}"
done

end_kb=${samples[-1]}
growth=$((end_kb - base_kb))
echo "soak: rss ${base_kb} kB at ${measure_from}s, ${end_kb} kB at the end: growth ${growth} kB, limit ${limit_kb} kB"
if [ "$growth" -gt "$limit_kb" ]; then
  echo "soak: FAILED: resident memory grew by ${growth} kB"
  exit 1
fi
echo "soak: passed"
