#!/usr/bin/env bash
# tools/xvfb-soak.sh [seconds]
# The memory soak on a real X server: the game under Xvfb with SDL's default
# renderer (OpenGL through Mesa there). Within its first minute it visits
# what a new user does: the title, full screen and back (F11), one round of
# F4 through every window size (checking with xwininfo that each press
# changed it), the instructions, the menu and a demo, and the maze editor
# (F2), whose grid it plays (P). For the given time (600 s by default) it
# then plays game after game from the editor, pressing P again whenever the
# editor stands idle. Samples VmRSS every 10 s and fails when it grows by
# more than 5 MB between the end of the first minute (a sixth of shorter
# runs) and the end, or when it ever passes 150 MB.
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
ceiling_kb=$((150 * 1024))
measure_from=$((seconds / 6))
if [ "$measure_from" -gt 60 ]; then
  measure_from=60
fi

[ -x "$game_a" ] || die "no game at $game_a (build it, or set KWORBLE_BIN)"
# Full screen on X needs a window manager.
tools_needed="$tools_needed openbox:openbox"
trap cleanup EXIT
start_xvfb
start_app "$(cd "$(dirname "$game_a")" && pwd)" "$game_a"
echo "soak: $seconds s of demos on $DISPLAY, $game_a"
echo "soak: rss at the window $(rss_kb) kB"
go_to_title_scroll
echo "soak: rss at the title $(rss_kb) kB"

# Full screen and back: the window takes the screen's size, then its own again.
window_before=$(window_size)
for wanted in "$(xdpyinfo | awk '/dimensions:/ { print $2 }')" "$window_before"; do
  press F11
  start=$(now)
  until [ "$(window_size)" = "$wanted" ]; do
    later "$start" 10 && die "F11 left the window at $(window_size), not $wanted"
    sleep 0.2
  done
done
echo "soak: full screen and back; rss $(rss_kb) kB"

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
# The editor has no way back to the menu: games are played from it from now on.
press F2
sleep 1
press p
echo "soak: the editor, and its grid played; rss $(rss_kb) kB"

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
  if [ "$word" = other ] && [ "$previous_word" = other ]; then
    press p
    note=" (the editor: pressed P)"
  fi
  if [ "$kb" -gt "$ceiling_kb" ]; then
    die "resident memory reached $kb kB, over $ceiling_kb kB"
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
