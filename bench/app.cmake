# Whole-application benchmarks: a running frame with its allocation count,
# start-up to the first frame, and the banner after an hour of scrolling.
kworble_add_bench(frame_bench app/FrameBench.cpp)
kworble_add_bench(startup_bench app/StartupBench.cpp)
kworble_add_bench(banner_bench app/BannerBench.cpp)
