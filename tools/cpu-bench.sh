#!/usr/bin/env bash
# tools/cpu-bench.sh [--runs N] [--screen WxH]
# tools/cpu-bench.sh --pacing [SECONDS] [--screen WxH]
# The game's CPU cost under Xvfb with SDL's default renderer (OpenGL through
# Mesa's software rasteriser there), beside two reference programs measured in
# the same run: a bare SDL loop and an emulator-style frame. Each program is
# brought to its screen, left 2 s, then measured over 10 s of wall time: CPU
# seconds (utime + stime, all threads) and VmRSS. Only the ratios mean much on
# a shared machine. The Xvfb screen is 1920x1080 unless --screen says
# otherwise; the game opens its default window for that desktop (1366x768
# gives cells of 24, 1600x1200 cells of 40). At the end it prints the
# figures of every run as README.md's tables have them. With --pacing it
# runs bench/pacing_bench (default 30 s) on that screen instead and prints
# README.md's sentence on frame pacing.
#
# Screens of the game: the title's credits scroll, the key page of the
# instructions (a still screen) and a demo game. Each is proven by pixels of
# screenshots, polled with a deadline; the bench fails if one is not reached.
#
# Environment:
#   KWORBLE_BIN      the game (default build/kworble); it runs in its own folder
#   KWORBLE_BIN_B    a second build of the game: adds its rows (B) to the table
#   KWORBLE_PERF     the reference programs' folder (default ../shared/perf)
#   KWORBLE_BUILD    where the reference programs are compiled (default build)
#   KWORBLE_DISPLAY  the Xvfb display number (default 97)
# tools/xvfb-soak.sh sources this file for its Xvfb and screen helpers.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KWORBLE_BUILD:-$root/build}
perf=${KWORBLE_PERF:-$root/../shared/perf}
game_a=${KWORBLE_BIN:-$build/kworble}
game_b=${KWORBLE_BIN_B:-}
display_number=${KWORBLE_DISPLAY:-97}
export DISPLAY=:$display_number
screen=1920x1080

settle_s=2
measure_s=10
clock_ticks=$(getconf CLK_TCK)

xvfb_pid=""
wm_pid=""
app_pid=""
app_window=""
work=$(mktemp -d "${TMPDIR:-/tmp}/kworble-xvfb.XXXXXX")

log() { echo "$*" >&2; }
die() {
  log "FAILED: $*"
  exit 1
}
now() { date +%s.%N; }
# "later START SECONDS": true once SECONDS have passed since START.
later() { awk -v s="$1" -v d="$2" -v n="$(now)" 'BEGIN { exit !(n - s >= d) }'; }

cleanup() {
  stop_app
  for pid in $wm_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}

# What the scripts run, by command and the Debian package that has it:
# installed when apt-get can (as root or through sudo), else named.
tools_needed="Xvfb:xvfb xdotool:xdotool xdpyinfo:x11-utils xwininfo:x11-utils xprop:x11-utils import:imagemagick python3:python3"
need_tools() {
  local pair missing=()
  for pair in $tools_needed "$@"; do
    command -v "${pair%%:*}" >/dev/null || missing+=("${pair#*:}")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)
  log "installing what is missing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" = 0 ] || sudo="sudo"
  if ! command -v apt-get >/dev/null || ! $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}" >&2; then
    die "these are needed: apt-get install ${missing[*]}"
  fi
  for pair in $tools_needed "$@"; do
    command -v "${pair%%:*}" >/dev/null || die "still missing ${pair%%:*} (package ${pair#*:})"
  done
}

start_xvfb() {
  need_tools
  if [ -e "/tmp/.X11-unix/X$display_number" ]; then
    die "display :$display_number is taken (set KWORBLE_DISPLAY)"
  fi
  Xvfb "$DISPLAY" -screen 0 "${screen}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local start
  start=$(now)
  until xdpyinfo >/dev/null 2>&1; do
    later "$start" 10 && die "Xvfb $DISPLAY did not start"
    sleep 0.1
  done
  # A window manager gives the focus to the window the keys go to.
  if command -v openbox >/dev/null; then
    openbox >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    # A window mapped while the manager takes over the screen may never be
    # shown: SDL would wait for it for ever.
    start=$(now)
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
      later "$start" 10 && die "openbox did not start on $DISPLAY"
      sleep 0.1
    done
  fi
}

# "start_app DIR COMMAND...": runs it on the display and waits for its window.
start_app() {
  local dir=$1
  shift
  (cd "$dir" && exec env SDL_AUDIODRIVER=dummy "$@" >>"$work/app.log" 2>&1) &
  app_pid=$!
  local start
  start=$(now)
  app_window=""
  while [ -z "$app_window" ]; do
    kill -0 "$app_pid" 2>/dev/null || die "$* exited before showing a window (see its output above)"
    later "$start" 20 && die "$* showed no window within 20 s"
    app_window=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -1 || true)
    sleep 0.2
  done
  xdotool windowactivate --sync "$app_window" >/dev/null 2>&1 || xdotool windowfocus --sync "$app_window" || true
}

stop_app() {
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
    kill -TERM "$app_pid" 2>/dev/null || true
    local start
    start=$(now)
    while kill -0 "$app_pid" 2>/dev/null; do
      if later "$start" 5; then
        kill -KILL "$app_pid" 2>/dev/null || true
      fi
      sleep 0.1
    done
  fi
  if [ -n "$app_pid" ]; then
    wait "$app_pid" 2>/dev/null || true
  fi
  app_pid=""
}

press() {
  xdotool windowfocus "$app_window" 2>/dev/null || true
  xdotool key --clearmodifiers "$@"
}

window_size() { xwininfo -id "$app_window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }

cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$app_pid/stat"; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status"; }

# "probe CHECK...": one screenshot of the window, one word per check.
#   cell:L:C  the colour most of cell (line L, column C) has: k b r m g c y w
#             for the Spectrum's colours, capitals for the bright ones, ? else
#   rows:A:B  a digest of the pixels of lines A to B
# The 32x24 cells are centred in the window, as the game draws them.
probe() {
  local size
  size=$(window_size)
  import -window "$app_window" -depth 8 "rgb:$work/shot.rgb" 2>/dev/null || {
    echo "noshot"
    return
  }
  python3 - "${size%x*}" "${size#*x}" "$work/shot.rgb" "$@" <<'EOF'
import collections, hashlib, sys
w, h, path, checks = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3], sys.argv[4:]
data = open(path, "rb").read()
g = min(w // 32, h // 24)
ox, oy = (w - 32 * g) // 2, (h - 24 * g) // 2
levels = {0: 0, 205: 1, 255: 2}
def name(rgb):
    if any(v not in levels for v in rgb):
        return "?"
    if rgb == (0, 0, 0):
        return "k"
    bright = 255 in rgb
    if bright and 205 in rgb:
        return "?"
    letter = "kbrmgcyw"[(rgb[2] > 0) + 2 * (rgb[0] > 0) + 4 * (rgb[1] > 0)]
    return letter.upper() if bright else letter
def pixel(x, y):
    i = 3 * (y * w + x)
    return tuple(data[i:i + 3])
out = []
for check in checks:
    kind, a, b = check.split(":")
    a, b = int(a), int(b)
    if kind == "cell":
        step = max(1, g // 8)
        seen = collections.Counter(pixel(ox + b * g + dx, oy + a * g + dy)
                                   for dy in range(0, g, step) for dx in range(0, g, step))
        out.append(name(seen.most_common(1)[0][0]))
    else:
        start, end = 3 * w * (oy + a * g), 3 * w * (oy + (b + 1) * g)
        out.append(hashlib.md5(data[start:end]).hexdigest()[:10])
print(" ".join(out))
EOF
}

# Screen tests: each takes a shot or two and succeeds when the screen is there.
# The credits scroll: blue down both edges (the opening picture is black to
# them) and the list moving in three shots running, longer than the zoom
# between the two lasts.
on_title_scroll() {
  local checks=() line
  for line in $(seq 2 21); do
    checks+=("cell:$line:0" "cell:$line:31")
  done
  local previous current moves=0
  previous=$(probe "${checks[@]}" rows:1:22)
  while [ "$moves" -lt 2 ]; do
    sleep 0.3
    current=$(probe "${checks[@]}" rows:1:22)
    [[ "${current% *}" =~ ^(b )*b$ ]] || return 1
    [ "${current##* }" != "${previous##* }" ] || return 1
    previous=$current
    moves=$((moves + 1))
  done
}

# Later the list scrolls past full-width pictures and a tape animation, so
# the check after measuring asks only for a moving title: no score line, no
# key page, and the picture changing.
still_on_title() {
  local first second
  first=$(probe cell:1:0 cell:23:0 cell:0:0 cell:6:4 rows:1:22)
  sleep 0.3
  second=$(probe cell:1:0 cell:23:0 cell:0:0 cell:6:4 rows:1:22)
  [[ ! "$second" =~ ^"Y Y " ]] && [[ ! "$second" =~ ^". . w r " ]] && [ "${first##* }" != "${second##* }" ]
}

# The key page: white paper, [F4] on red, the arrows on blue, and nothing but
# the prompt at the bottom changing.
on_key_page() {
  local first second
  first=$(probe cell:0:0 cell:0:31 cell:6:4 cell:16:4 cell:18:4 rows:0:19)
  sleep 0.4
  second=$(probe cell:0:0 cell:0:31 cell:6:4 cell:16:4 cell:18:4 rows:0:19)
  [[ "$first" =~ ^"w w r b b " ]] && [ "$first" = "$second" ]
}

# The menu: the score and selection lines, and the panel of commands at the right.
on_menu() {
  [[ "$(probe cell:1:0 cell:23:0 cell:3:22 cell:3:30 cell:19:22 cell:19:30)" == "Y Y W W W W" ]]
}

# A demo: score and selection lines, no panel, and the maze's players moving.
# The menu's own set-up steps move nothing for long, so it takes three moves
# in a row.
on_demo() {
  local checks=(cell:1:0 cell:23:0 cell:3:22 cell:3:30 cell:19:22 cell:19:30 rows:2:22)
  local previous current moves=0
  previous=$(probe "${checks[@]}")
  while [ "$moves" -lt 3 ]; do
    sleep 0.3
    current=$(probe "${checks[@]}")
    [[ "$current" =~ ^"Y Y " ]] || return 1
    [[ "$current" =~ ^"Y Y W W W W " ]] && return 1
    [ "${current##* }" != "${previous##* }" ] || return 1
    previous=$current
    moves=$((moves + 1))
  done
}

# "wait_for TEST SECONDS WHAT [KEY]": polls TEST until it succeeds, pressing
# KEY (if given) between tries, and fails the run after SECONDS.
wait_for() {
  local test=$1 seconds=$2 what=$3 key=${4:-}
  local start
  start=$(now)
  until "$test"; do
    kill -0 "$app_pid" 2>/dev/null || die "the game exited before reaching $what"
    later "$start" "$seconds" && die "did not reach $what within $seconds s"
    if [ -n "$key" ]; then
      press "$key"
    fi
    sleep 0.5
  done
}

# From the title: the key page, the three text pages, the menu, then D until a
# demo runs (the menu swallows keys while it animates).
go_to_title_scroll() { wait_for on_title_scroll 30 "the title's credits scroll"; }
go_to_key_page() {
  wait_for on_title_scroll 30 "the title's credits scroll"
  wait_for on_key_page 30 "the instructions' key page" space
}
go_to_demo() {
  go_to_key_page
  wait_for on_menu 40 "the menu" space
  wait_for on_demo 60 "a demo game" d
}

# "measure LABEL DIR COMMAND...": one row of the table, into $work/rows.
# A screen-reaching function named in $reach runs before the measurement.
reach=""
measure() {
  local label=$1
  shift
  start_app "$@"
  if [ -n "$reach" ]; then
    "$reach"
  fi
  sleep "$settle_s"
  local t0 c0 t1 c1 rss
  t0=$(now)
  c0=$(cpu_ticks)
  sleep "$measure_s"
  c1=$(cpu_ticks)
  t1=$(now)
  rss=$(rss_kb)
  # The screen must still be the one measured.
  case "$reach" in
  go_to_title_scroll) still_on_title || die "$label: left the title while measured" ;;
  go_to_key_page) on_key_page || die "$label: left the key page while measured" ;;
  go_to_demo) on_demo || die "$label: the demo was not running at the end" ;;
  esac
  stop_app
  awk -v l="$label" -v c=$((c1 - c0)) -v hz="$clock_ticks" -v t0="$t0" -v t1="$t1" -v m="$measure_s" -v r="$rss" \
    'BEGIN { printf "%s\t%.2f\t%.1f\n", l, c / hz * m / (t1 - t0), r / 1024 }' >>"$work/rows"
  log "  $label done"
}

game_rows() {
  local tag=$1 bin=$2 dir
  dir=$(cd "$(dirname "$bin")" && pwd)
  reach=go_to_title_scroll measure "kworble${tag} title scroll" "$dir" "$bin"
  reach=go_to_key_page measure "kworble${tag} key page" "$dir" "$bin"
  reach=go_to_demo measure "kworble${tag} demo" "$dir" "$bin"
}

print_table() {
  awk -F'\t' '
    { label[NR] = $1; cpu[NR] = $2; rss[NR] = $3 }
    $1 == "bare loop" { bare = $2 }
    $1 == "emulator frame" { emu = $2 }
    END {
      printf "%-26s %14s %9s %10s %7s\n", "program", "CPU s / 10 s", "x bare", "x emulator", "RSS MB"
      for (i = 1; i <= NR; ++i)
        printf "%-26s %14.2f %9.2f %10.2f %7.1f\n", label[i], cpu[i], cpu[i] / bare, cpu[i] / emu, rss[i]
    }' "$work/rows"
}

# README.md's tables from every run's rows in $work/all (run, label, CPU, RSS).
print_readme() {
  python3 - "$screen" "$work/all" <<'EOF'
import collections, sys
screen, rows = sys.argv[1], [line.rstrip("\n").split("\t") for line in open(sys.argv[2])]
runs = collections.defaultdict(dict)
for run, label, cpu, rss in rows:
    runs[run][label] = (float(cpu), float(rss))
def ratio(x):
    return "%.2fx" % x if x < 2 else "%.1fx" % x
def span(label, over):
    values = sorted(r[label][0] / r[over][0] for r in runs.values())
    low, high = ratio(values[0]), ratio(values[-1])
    return low if low == high else "%s to %s" % (low, high)
def mb(label):
    return "%.0f MB" % max(r[label][1] for r in runs.values())
bare, emu = "bare loop", "emulator frame"
print("| Screen | CPU / bare loop | CPU / emulator frame | Goal | Resident |")
print("|---|---|---|---|---|")
for tag in sorted({l[len("kworble"):-len(" demo")] for l in runs["1"] if l.endswith(" demo")}):
    for name, shown, goal, extra in (("title scroll", "title's credits scroll", "at most 2x the emulator frame", ""),
                                     ("key page", "key page, fully shown (still)", "at most 2x the bare loop", ""),
                                     ("demo", "a demo game", "at most 1x the emulator frame", " (goal 150 MB)")):
        label = "kworble%s %s" % (tag, name)
        shown += " (%s)" % tag.strip() if tag else ""
        print("| %s | %s | %s | %s | %s%s |" % (shown, span(label, bare), span(label, emu), goal, mb(label), extra))
print("| bare loop / emulator frame | 1x / %s | | | %s / %s |" % (span(emu, bare), mb(bare), mb(emu)))
if "kworble demo" in runs["1"]:
    goals = {"1920x1080": (32, "goal: no worse", "aim 1.0x", "goal 0.5x", "goal 140 MB"),
             "1366x768": (24, "goal 0.5x", "goal 1.1x", "goal 0.5x", "goal 140 MB"),
             "1600x1200": (40, "goal 0.6x", "goal 1.3x", "goal 0.5x", "goal 150 MB")}
    cells, *goal = goals.get(screen, ("?", "", "", "", ""))
    goal = [" (%s)" % g if g else "" for g in goal]
    print()
    print("| Desktop (default window) | demo CPU / emulator frame | title CPU / emulator frame "
          "| still key page CPU / bare loop | demo resident |")
    print("|---|---|---|---|---|")
    print("| %s (cells of %s) | %s%s | %s%s | %s%s | %s%s |" % (
        screen, cells, span("kworble demo", emu), goal[0], span("kworble title scroll", emu), goal[1],
        span("kworble key page", bare), goal[2], mb("kworble demo"), goal[3]))
EOF
}

# README.md's sentence on frame pacing, from pacing_bench's report.
pacing() {
  local seconds=$1 report
  [ -x "$build/bench/pacing_bench" ] || die "no $build/bench/pacing_bench (build the benchmarks)"
  start_xvfb
  report=$(cd "$build" && SDL_AUDIODRIVER=dummy ./bench/pacing_bench "$seconds")
  echo "$report" >&2
  echo "For README.md:"
  echo "$report" | awk -v s="$seconds" -v screen="$screen" -v load="$(cut -d' ' -f1 /proc/loadavg)" '
    /median/ { median = $2 } /99th/ { p99 = $2 } /longest/ { longest = $2; over = $7 + 0 }
    END {
      printf "Frame pacing, `tools/cpu-bench.sh --pacing %s` (Xvfb %s, load average %s): the main\n", s, screen, load
      printf "loop'"'"'s turns took %.1f ms at the median, %.1f ms at the 99th percentile (goal 20 ms)\n", median, p99
      printf "and %.0f ms at the longest, %s over 50 ms after the first second (goal none).\n", longest, over ? over : "none"
    }'
}

main() {
  local runs=1 pacing_s=""
  while [ $# -gt 0 ]; do
    case "$1" in
    --runs)
      runs=${2:?--runs needs a number}
      shift 2
      ;;
    --pacing)
      pacing_s=30
      if [[ "${2:-}" =~ ^[0-9]+$ ]]; then
        pacing_s=$2
        shift
      fi
      shift
      ;;
    --screen)
      screen=${2:?--screen needs WxH}
      [[ "$screen" =~ ^[0-9]+x[0-9]+$ ]] || die "--screen needs WxH, not $screen"
      shift 2
      ;;
    *)
      log "usage: tools/cpu-bench.sh [--runs N | --pacing [SECONDS]] [--screen WxH]"
      exit 2
      ;;
    esac
  done
  if [ -n "$pacing_s" ]; then
    trap cleanup EXIT
    pacing "$pacing_s"
    return
  fi
  [ -x "$game_a" ] || die "no game at $game_a (build it, or set KWORBLE_BIN)"
  if [ -n "$game_b" ]; then
    [ -x "$game_b" ] || die "no game at $game_b"
  fi
  mkdir -p "$build"
  need_tools cc:gcc sdl2-config:libsdl2-dev
  local program
  for program in bare_loop emulator_frame; do
    # shellcheck disable=SC2046 # sdl2-config prints several words on purpose
    cc -O2 "$perf/$program.c" $(sdl2-config --cflags --libs) -o "$build/$program"
  done

  trap cleanup EXIT
  start_xvfb
  local run
  for run in $(seq 1 "$runs"); do
    log "run $run of $runs on $DISPLAY, screen $screen"
    : >"$work/rows"
    reach="" measure "bare loop" "$build" "$build/bare_loop"
    reach="" measure "emulator frame" "$build" "$build/emulator_frame"
    if [ -n "$game_b" ]; then
      game_rows " A" "$game_a"
      game_rows " B" "$game_b"
    else
      game_rows "" "$game_a"
    fi
    echo "run $run: $(date '+%F %T'), screen $screen, load $(cut -d' ' -f1-3 /proc/loadavg)"
    print_table
    echo
    sed "s/^/$run\t/" "$work/rows" >>"$work/all"
  done
  echo "For README.md:"
  print_readme
  echo
  echo "From \`tools/cpu-bench.sh --runs $runs --screen $screen\`, $(date -u '+%F %H:%M UTC'), $(nproc) cores, load average $(cut -d' ' -f1 /proc/loadavg)."
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  main "$@"
fi
