# Whole-application benchmarks: a running frame with its allocation count,
# start-up to the first frame, and the banner after an hour of scrolling.
kworble_add_bench(frame_bench app/FrameBench.cpp)
kworble_add_bench(startup_bench app/StartupBench.cpp)
kworble_add_bench(banner_bench app/BannerBench.cpp)
# Frame pacing of the real loop through a demo: a plain program, run by hand
# or by tools/cpu-bench.sh --pacing under Xvfb.
add_executable(pacing_bench app/PacingBench.cpp)
target_link_libraries(pacing_bench PRIVATE kworble_hub)
add_dependencies(pacing_bench kworble_assets)
