#pragma once
#include <SDL.h>
#include <array>

class MyGraphics;

// The last few samples of a measurement, oldest dropped first. A fixed ring,
// so that sampling every frame never touches the heap.
class SampleWindow {
public:
    static constexpr size_t CAPACITY = 5;
    void push(double sample);
    size_t size() const { return count; }
    double sum() const;

private:
    std::array<double, CAPACITY> samples{};
    size_t first = 0;
    size_t count = 0;
};

// The timing overlay: frame period and busy time on line 0, or the
// player's key-press and current cells. F1 cycles hidden, timing, positions.
class Debug {
public:
    void timing_loop_start();
    void timing_prerender();
    void timing_loop_end_predelay();
    void record_keypress_hloc(int column) { key_column = column; }
    void record_keypress_vloc(int line) { key_line = line; }
    void record_current_hloc(int column) { current_column = column; }
    void record_current_vloc(int line) { current_line = line; }
    void info_toggle();
    void info_show() { mode = 1; }
    void info_hide() { mode = 0; }
    int get_mode() const { return mode; }
    double calc_times(SampleWindow& samples, unsigned long start, unsigned long end);
    void print(MyGraphics& g);

private:
    int mode = 0;
    int loop_count = -1;
    Uint64 loop_start = 0;
    Uint64 previous_loop_start = 0;
    Uint64 loop_end = 0;
    Uint64 prerender = 0;
    SampleWindow frame_samples;
    SampleWindow work_samples;
    int key_line = 0;
    int key_column = 0;
    int current_line = 0;
    int current_column = 0;
};

extern Debug debug;
