kworble_add_bench(frame_bench app/FrameBench.cpp)
