#include "debug/Debug.h"

#include "display/TextPrinting.h"

#include <cstdio>

Debug debug;

void Debug::timing_loop_start()
{
    previous_loop_start = loop_start;
    loop_start = SDL_GetPerformanceCounter();
    ++loop_count;
}

void Debug::timing_prerender()
{
    prerender = SDL_GetPerformanceCounter();
}

void Debug::timing_loop_end_predelay()
{
    loop_end = SDL_GetPerformanceCounter();
}

void Debug::info_toggle()
{
    mode = mode >= 2 ? 0 : mode + 1;
}

void SampleWindow::push(double sample)
{
    if (count == CAPACITY) {
        samples[first] = sample;
        first = (first + 1) % CAPACITY;
        return;
    }
    samples[(first + count) % CAPACITY] = sample;
    ++count;
}

double SampleWindow::sum() const
{
    double total = 0.0;
    for (size_t i = 0; i < count; ++i) {
        total += samples[(first + i) % CAPACITY];
    }
    return total;
}

double Debug::calc_times(SampleWindow& samples, unsigned long start, unsigned long end)
{
    double ms = static_cast<double>(static_cast<Uint64>(end - start)) / SDL_GetPerformanceFrequency() * 1000.0;
    samples.push(ms);
    // Divided by five even while fewer samples are held.
    return samples.sum() / SampleWindow::CAPACITY;
}

void Debug::print(MyGraphics& g)
{
    // Sampled on every drawing, so the averages are settled when shown.
    double frame = calc_times(frame_samples, previous_loop_start, loop_start);
    double work = calc_times(work_samples, previous_loop_start, loop_end);
    if (mode == 0) {
        return;
    }
    g.set_fg_colour(WHITE);
    g.set_bg_colour(BLUE);
    g.go_to(0, 0);
    char text[80];
    if (mode == 1) {
        if (loop_count < 1) {
            return;
        }
        snprintf(text, sizeof text, "%.1fms %.1fms fps=%.1f", frame, work, 1000.0 / frame);
    } else {
        snprintf(text, sizeof text, "H(k)=%d V(k)=%d H(n)=%d V(n)=%d", key_column, key_line, current_column,
                 current_line);
    }
    print_string(g, text);
}
