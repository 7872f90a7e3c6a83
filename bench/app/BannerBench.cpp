// The banner's draw at the start and after an hour of scrolling at one
// character a second: the cost must not grow with the time scrolled.
#include "app/ScrollText.h"
#include "display/MyGraphics_record.h"
#include "display/Window.h"

#include <benchmark/benchmark.h>

namespace {
// Counts cells instead of keeping them, so the draw itself is measured.
class CellCounter : public MyGraphics_record {
public:
    void printxy(int, int, simple_colour_t, SDL_Color const&, int) override { ++cells; }
    long cells = 0;
};

const char* const text = "[ink=white][paper=red][speed=1]KWORBLE  scrolling along the top line "
                         "[ink=bright white][paper=bright blue]  and on around again  ";

void banner_draw(benchmark::State& state, double seconds_scrolled)
{
    glyph_size = 32;
    ScrollText banner(text);
    CellCounter target;
    banner.draw(target);
    banner.do_scrolling(true);
    for (double t = 0; t < seconds_scrolled; t += 1.0 / 60) {
        banner.update(1.0 / 60);
        banner.draw(target);
    }
    for (auto _ : state) {
        banner.draw(target);
    }
    state.counters["chars_scrolled"] = banner.get_scroll_position() / glyph_size;
}
} // namespace

static void BM_BannerDrawAtStart(benchmark::State& state)
{
    banner_draw(state, 0);
}
BENCHMARK(BM_BannerDrawAtStart)->Unit(benchmark::kMicrosecond);

static void BM_BannerDrawAfterAnHour(benchmark::State& state)
{
    banner_draw(state, 3600);
}
BENCHMARK(BM_BannerDrawAfterAnHour)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
