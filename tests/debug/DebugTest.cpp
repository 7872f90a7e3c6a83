#include "debug/Debug.h"
#include "display/MyGraphics_record.h"

#include <gtest/gtest.h>
#include <cstring>

namespace {

// Commands a drawing of the overlay records: three for the colours and the
// cursor, then one per character.
size_t recorded(Debug& overlay)
{
    MyGraphics_record record;
    overlay.print(record);
    return record.size();
}

TEST(DebugTest, AveragesOverFiveSamplesFromTheStart)
{
    SDL_Init(SDL_INIT_TIMER);
    Debug overlay;
    const unsigned long one_ms = static_cast<unsigned long>(SDL_GetPerformanceFrequency() / 1000);
    SampleWindow samples;
    EXPECT_NEAR(overlay.calc_times(samples, 0, one_ms), 0.2, 1e-9);
    EXPECT_NEAR(overlay.calc_times(samples, 0, one_ms), 0.4, 1e-9);
    for (int i = 0; i < 10; ++i) {
        overlay.calc_times(samples, 0, 3 * one_ms);
    }
    EXPECT_EQ(samples.size(), 5u);
    EXPECT_NEAR(overlay.calc_times(samples, 0, 8 * one_ms), (4 * 3.0 + 8.0) / 5, 1e-9);
}

TEST(DebugTest, ModesCycleAndDrawOnlyWhenShown)
{
    Debug overlay;
    overlay.timing_loop_start();
    EXPECT_EQ(recorded(overlay), 0u) << "hidden";
    overlay.info_toggle();
    EXPECT_EQ(overlay.get_mode(), 1);
    EXPECT_EQ(recorded(overlay), 3u) << "the first pass has no frame time to show";
    overlay.timing_loop_start();
    overlay.timing_loop_end_predelay();
    EXPECT_GT(recorded(overlay), 3u + strlen("0.0ms 0.0ms fps=")) << "timing text";

    overlay.info_toggle();
    overlay.record_keypress_hloc(16);
    overlay.record_keypress_vloc(10);
    overlay.record_current_hloc(15);
    overlay.record_current_vloc(9);
    EXPECT_EQ(recorded(overlay), 3u + strlen("H(k)=16 V(k)=10 H(n)=15 V(n)=9"));
    overlay.info_toggle();
    EXPECT_EQ(overlay.get_mode(), 0);
    overlay.info_show();
    EXPECT_EQ(overlay.get_mode(), 1);
    overlay.info_hide();
    EXPECT_EQ(overlay.get_mode(), 0);
}

} // namespace
