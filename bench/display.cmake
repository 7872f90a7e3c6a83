# Display benchmarks; run from the build folder.
kworble_add_bench(display_bench FLOOR display ${CMAKE_CURRENT_SOURCE_DIR}/display/DisplayBench.cpp)
