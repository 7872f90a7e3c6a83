# Benchmarks for sound/: building the sound table, one mixer callback.
kworble_add_bench(bench_sound FLOOR sound ${CMAKE_CURRENT_LIST_DIR}/sound/SoundBench.cpp)
