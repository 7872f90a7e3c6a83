#include "screens/DisplayList.h"

#include "DrawCallLog.h"
#include "display/SimpleImage.h"
#include "display/Window.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

using Cell = std::pair<int, int>;

// Seconds into the tape at which progress reaches p (mid-step, away from rounding).
double time_for_progress(int p)
{
    return 5.0 + (p + 0.5) / 32.083333333333336;
}

class DisplayListTest : public ::testing::Test {
protected:
    HeadlessScreen screen{16};
    SimpleImage picture_a{"BX_title1.bmp", screen.renderer()};
    SimpleImage picture_b{"BX_title2.bmp", screen.renderer()};
    DisplayListBraxmoorSystemsAnimation tape{&picture_a, &picture_b};
    DrawCallLog log;

    // The logo cells drawn by the last draw, from the title-picture glyph set.
    std::set<Cell> loaded_cells(int y0) const
    {
        std::set<Cell> cells;
        for (const auto& g : log.glyphs) {
            if (g.ink >= 16) {
                int row = (g.y - y0) / glyph_size;
                int column = g.x / glyph_size;
                EXPECT_EQ(g.code, 33 + 32 * row + column);
                cells.insert({row, column});
            }
        }
        return cells;
    }

    void run_to(double seconds) { tape.update(seconds - tape.get_elapsed()); }
};

TEST_F(DisplayListTest, TapeStartsWhiteWithTheHeaderLineAfterTwoSeconds)
{
    EXPECT_EQ(tape.draw(log, 0, false), picture_b.get_display_height());
    ASSERT_EQ(log.fills.size(), 1u);
    EXPECT_TRUE(same_colour(log.fills[0].colour, get_rgb_from_simple_colour(WHITE)));
    EXPECT_EQ(log.fills[0].rect.w, 512);
    EXPECT_EQ(log.fills[0].rect.h, 384);
    EXPECT_TRUE(log.glyphs.empty());

    run_to(3.0);
    log.reset();
    tape.draw(log, 0, false);
    EXPECT_EQ(log.text_at(0, 16, 16), "Program: KWORBLE");
    EXPECT_EQ(tape.get_progress(), 0);

    // Exactly 5 s: loading has begun but no cell is due yet.
    run_to(5.0);
    log.reset();
    tape.draw(log, 0, false);
    EXPECT_TRUE(same_colour(log.fills[0].colour, get_rgb_from_simple_colour(BRIGHT_BLUE)));
    EXPECT_EQ(log.text_at(64, 128, 18), "LEAVE TAPE PLAYING");
    EXPECT_EQ(log.text_at(0, 16, 16), std::string(16, ' '));
    EXPECT_TRUE(loaded_cells(0).empty());
}

TEST_F(DisplayListTest, TapeLoadsCellsWhoseValueIsBelowProgress)
{
    const int y0 = 40;
    run_to(time_for_progress(1));
    tape.draw(log, y0, false);
    EXPECT_EQ(tape.get_progress(), 1);
    EXPECT_EQ(loaded_cells(y0), (std::set<Cell>{{19, 9}}));

    // Values 0 and 8 to 41 are in; the first 42s of row 1 are not.
    run_to(time_for_progress(42));
    log.reset();
    tape.draw(log, y0, false);
    std::set<Cell> cells = loaded_cells(y0);
    EXPECT_EQ(cells.size(), 35u);
    EXPECT_TRUE(cells.count({1, 9}));
    EXPECT_TRUE(cells.count({18, 9}));
    EXPECT_FALSE(cells.count({1, 10}));
    EXPECT_FALSE(cells.count({2, 13}));
    for (const auto& g : log.glyphs) {
        if (g.ink >= 16) {
            EXPECT_EQ(g.ink, 16 + BRIGHT_WHITE);
            EXPECT_TRUE(same_colour(g.paper, get_rgb_from_simple_colour(BRIGHT_BLUE)));
        }
    }

    run_to(time_for_progress(43));
    log.reset();
    tape.draw(log, y0, false);
    EXPECT_EQ(loaded_cells(y0).size(), 42u);

    // Past 9.8 s every cell of the table is in, and progress stops at 154.
    run_to(10.0);
    log.reset();
    tape.draw(log, y0, false);
    EXPECT_EQ(tape.get_progress(), 154);
    EXPECT_EQ(loaded_cells(y0).size(), 159u);
    EXPECT_EQ(log.text_at(22 * 16, y0 + 8 * 16, 6), " UNTIL");
    EXPECT_EQ(log.text_at(22 * 16, y0 + 2 * 16, 8), "BRAXMOOR");
    EXPECT_EQ(log.text_at(0, y0 + 12 * 16, 16), std::string(16, ' '));

    run_to(13.5);
    log.reset();
    tape.draw(log, y0, false);
    EXPECT_EQ(log.text_at(0, y0 + 12 * 16, 16), "Program: KWORBLE");
    EXPECT_EQ(log.text_at(0, y0 + 14 * 16, 15), "Bytes: KWORCODE");
}

TEST_F(DisplayListTest, HighlightCellsFlash)
{
    run_to(time_for_progress(58));
    for (bool flash : {false, true}) {
        log.reset();
        tape.draw(log, 0, flash);
        int highlights = 0;
        for (const auto& g : log.glyphs) {
            if (g.ink >= 16 && g.y == 8 * 16 && g.x == 6 * 16) {
                ++highlights;
                EXPECT_EQ(g.ink, 16 + (flash ? BRIGHT_YELLOW : BLACK));
                EXPECT_TRUE(same_colour(g.paper, get_rgb_from_simple_colour(flash ? BLACK : BRIGHT_YELLOW)));
            }
        }
        EXPECT_EQ(highlights, 1);
        // Value 58 is not below 58 yet.
        EXPECT_FALSE(loaded_cells(0).count({8, 5}));
    }
}

TEST_F(DisplayListTest, TapeRestartsWhenScrolledOutOfView)
{
    const int height = picture_b.get_display_height();
    run_to(7.0);
    EXPECT_EQ(tape.draw(log, -height, false), 0);
    EXPECT_EQ(tape.get_elapsed(), 0.0);
    EXPECT_TRUE(log.fills.empty());

    run_to(7.0);
    tape.draw(log, 1 - height, false);
    EXPECT_EQ(tape.get_elapsed(), 7.0);
    tape.draw(log, 384, false);
    EXPECT_EQ(tape.get_elapsed(), 0.0);
}

TEST_F(DisplayListTest, TapeIsPaintedThroughTheRenderer)
{
    tape.draw(screen.graphics(), 0, false);
    EXPECT_TRUE(screen.pixel_is(3, 300, get_rgb_from_simple_colour(WHITE)));
    run_to(6.0);
    tape.draw(screen.graphics(), 0, false);
    EXPECT_TRUE(screen.pixel_is(3, 300, get_rgb_from_simple_colour(BRIGHT_BLUE)));
}

TEST_F(DisplayListTest, TextSwapsColoursWhenFlashingAndDrawsOnlyWhenVisible)
{
    DisplayListText prompt("Touch", GREEN, BLACK, true);
    EXPECT_EQ(prompt.draw(log, 0, true), 16);
    EXPECT_EQ(log.ink, BLACK);
    EXPECT_TRUE(same_colour(log.paper, get_rgb_from_simple_colour(GREEN)));
    EXPECT_EQ(log.text_at((512 - 5 * 16) / 2, 0, 5), "Touch");

    log.reset();
    prompt.draw(log, 0, false);
    EXPECT_EQ(log.ink, GREEN);
    EXPECT_TRUE(same_colour(log.paper, get_rgb_from_simple_colour(BLACK)));

    DisplayListText steady("Or wait", GREEN, BLACK);
    steady.draw(log, 0, true);
    EXPECT_EQ(log.ink, GREEN);

    log.reset();
    EXPECT_EQ(prompt.draw(log, -16, false), 0);
    EXPECT_EQ(prompt.draw(log, 384, false), 400);
    EXPECT_TRUE(log.glyphs.empty());
    prompt.draw(log, -15, false);
    prompt.draw(log, 383, false);
    EXPECT_EQ(log.glyphs.size(), 10u);
}

TEST_F(DisplayListTest, EndMarkerReportsWhereItIs)
{
    DisplayListEndMarker marker;
    EXPECT_EQ(marker.draw(log, 200, false), 200);
    EXPECT_TRUE(DisplayListEndMarker::is_end_marker_on_screen());
    EXPECT_FALSE(DisplayListEndMarker::is_end_marker_off_top_off_screen());

    marker.draw(log, 0, false);
    EXPECT_FALSE(DisplayListEndMarker::is_end_marker_on_screen());
    EXPECT_TRUE(DisplayListEndMarker::is_end_marker_off_top_off_screen());

    marker.draw(log, 384, false);
    EXPECT_TRUE(DisplayListEndMarker::is_end_marker_on_screen());
    marker.draw(log, 385, false);
    EXPECT_FALSE(DisplayListEndMarker::is_end_marker_on_screen());
    EXPECT_FALSE(DisplayListEndMarker::is_end_marker_off_top_off_screen());

    marker.draw(log, -3, false);
    DisplayListEndMarker::reset_flags();
    EXPECT_FALSE(DisplayListEndMarker::is_end_marker_off_top_off_screen());
}

} // namespace
