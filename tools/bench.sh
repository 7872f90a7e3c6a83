#!/usr/bin/env bash
# Builds and runs every benchmark, then prints each figure beside its goal,
# as README.md's table has them, and a line saying which run gave them.
# Run it on a quiet machine: the figures are wall-clock times.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKWORBLE_BENCH=ON >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target display_bench bench_sound frame_bench startup_bench banner_bench kworble_assets
out=$(mktemp -d)
cd "$build"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
for b in display_bench bench_sound frame_bench startup_bench banner_bench; do
  ./bench/$b --benchmark_format=json --benchmark_out="$out/$b.json" --benchmark_out_format=json >/dev/null 2>&1
done
python3 - "$out" <<'PY'
import json, os, sys, time
out = sys.argv[1]
runs = {}
for name in os.listdir(out):
    for b in json.load(open(os.path.join(out, name)))["benchmarks"]:
        runs[b["name"].split("/")[0]] = b

def ms(name):
    b = runs[name]
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0}[b["time_unit"]]
    return b["real_time"] * scale

full_screen = runs["BM_FullScreenOfCells"]["ratio_to_copy"]
frame_ratio = ms("BM_RunningGameFrame") / runs["BM_FullScreenOfCells"]["cells_ms"]
rows = [
    ("Full screen of 768 cells / one full-target copy (1024x768, software)", "%.2fx" % full_screen, "at most 3x"),
    ("Running-game frame: heap allocations per changed / still frame",
     "%.2f / %.2f" % (runs["BM_RunningGameFrame"]["allocs_per_frame"], runs["BM_RunningGameFrame"]["allocs_per_still_frame"]),
     "0 / 0"),
    ("Running-game frame (player tick, chaser tick, changed cells redrawn) / full-screen draw",
     "%.2fx (%.3f ms)" % (frame_ratio, ms("BM_RunningGameFrame")), "reported"),
    ("Replaying a recorded scene / drawing it directly", "%.2fx" % runs["BM_ReplayRecordedScene"]["ratio_to_direct"],
     "at most 1.5x"),
    ("Loading both glyph sets (32 textures)", "%.1f ms" % ms("BM_LoadBothGlyphSets"), "under 50 ms"),
    ("Synthesising the sound table", "%.1f ms" % ms("BM_BuildSoundTable"), "under 25 ms"),
    ("One audio callback, 8 sounds, 256 frames", "%.2f us" % (ms("BM_CallbackEightSounds") * 1000), "under 5 us"),
    ("Start-up to the first presented frame", "%.0f ms" % ms("BM_StartupToFirstFrame"), "reported"),
    ("Banner draw at start / after an hour of scrolling",
     "%.2f us / %.2f us" % (ms("BM_BannerDrawAtStart") * 1000, ms("BM_BannerDrawAfterAnHour") * 1000), "no growth"),
]
print("| Benchmark | Figure | Goal |")
print("|---|---|---|")
for name, figure, goal in rows:
    print("| %s | %s | %s |" % (name, figure, goal))
print()
print("From `tools/bench.sh`, %s, %d cores, load average %s." % (
    time.strftime("%Y-%m-%d %H:%M UTC", time.gmtime()), os.cpu_count(), open("/proc/loadavg").read().split()[0]))
PY
rm -rf "$out"
