#include "display/TextPrinting.h"
#include "display/Window.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const SDL_Color red = simple_colours[RED];
const SDL_Color green = simple_colours[GREEN];

// Texts of spaces fill whole cells with the red paper on a green screen, so
// where a text went is plain to see.
class TextPrinting : public ::testing::Test {
protected:
    void SetUp() override
    {
        screen.clear(green);
        g().set_fg_colour(BLACK);
        g().set_bg_colour(RED);
    }
    void TearDown() override { raw_remove_game_screen_offset(); }
    MyGraphics_render& g() { return screen.graphics(); }
    // The columns of a line whose cell is all paper, as a string of '#' and '.'.
    std::string painted(int line)
    {
        std::string row;
        for (int column = 0; column < 32; ++column) {
            row += screen.count_in_cell(line, column, red) == glyph_size * glyph_size ? '#' : '.';
        }
        return row;
    }
    bool row_painted(int x, int y, int width)
    {
        for (int i = 0; i < width; ++i) {
            if (!screen.pixel_is(game_offset_x + x + i, game_offset_y + y, red)) {
                return false;
            }
        }
        return true;
    }

    HeadlessScreen screen{16};
};
} // namespace

TEST_F(TextPrinting, CentredOnALine)
{
    print_centered_string(g(), 5, "    ");
    EXPECT_EQ(painted(5), "..............####..............");
    print_centered_string(g(), 6, std::string(31, ' '));
    EXPECT_EQ(painted(6), "###############################.");
    // 34 characters start one column left of the screen.
    print_centered_string(g(), 7, " " + std::string(33, 'X'));
    EXPECT_NE(painted(7)[0], '#');
    print_centered_string(g(), 8, std::string(35, ' ') + "X");
    EXPECT_EQ(painted(8), "################################");
}

TEST_F(TextPrinting, AtACellAndAtTheCursor)
{
    print_string(g(), 1, 30, "   ");
    EXPECT_EQ(painted(1), "..............................##");
    // The cursor follows the last character, drawn off the screen at column 32.
    EXPECT_EQ(g().cursor_line(), 2);
    EXPECT_EQ(g().cursor_column(), 0);

    g().go_to(3, 31);
    print_string(g(), std::string("  "));
    EXPECT_EQ(painted(3), "...............................#");
    EXPECT_EQ(painted(4), "#...............................");

    // An empty text leaves everything as it was.
    g().go_to(9, 9);
    print_string(g(), "");
    print_centered_string(g(), 10, "");
    EXPECT_EQ(g().cursor_line(), 9);
    EXPECT_EQ(g().cursor_column(), 9);

    // A string ends at its first zero byte.
    print_string(g(), 11, 0, std::string("  \0  ", 5));
    EXPECT_EQ(painted(11), "##..............................");
}

TEST_F(TextPrinting, BytesAreUnsignedGlyphCodes)
{
    print_string(g(), 12, 0, "\x84\x01");
    g().print(13, 0, 132);
    g().print(13, 1, '?');
    for (int x = 0; x < 32; ++x) {
        for (int y = 0; y < 16; ++y) {
            ASSERT_TRUE(same_rgb(screen.pixel(x, 12 * 16 + y), screen.pixel(x, 13 * 16 + y))) << x << "," << y;
        }
    }
}

TEST_F(TextPrinting, JustifiedCells)
{
    print_justified_string(g(), 0, 0, "     ", justify_right);
    EXPECT_EQ(painted(0), "...........................#####");
    print_justified_string(g(), 1, -3, "  ", justify_right);
    EXPECT_EQ(painted(1), "...........................##...");
    print_justified_string(g(), 0, 0, "  ", justify_bottom | justify_hcenter);
    EXPECT_EQ(painted(23), "...............##...............");
    print_justified_string(g(), -2, 0, "  ", justify_bottom | justify_left);
    EXPECT_EQ(painted(21), "##..............................");
    print_justified_string(g(), 1, 2, " ", justify_vcenter);
    EXPECT_EQ(painted(12), "..#.............................");
}

TEST_F(TextPrinting, PixelPlacementUsesThePrintArea)
{
    print_centered_string_xy(g(), 3, "    ");
    EXPECT_TRUE(row_painted(224, 3, 64));
    EXPECT_FALSE(row_painted(223, 3, 1));
    EXPECT_FALSE(row_painted(288, 3, 1));

    // A window larger than the game screen: 600x420 with the game centred.
    HeadlessScreen wide(16, false, 600, 420);
    MyGraphics_render& w = wide.graphics();
    w.update_game_screen_offset(1);
    w.clear_screen(green);
    w.set_bg_colour(RED);
    auto painted_at = [&](int x, int y) { return wide.pixel_is(44 + x, 18 + y, red); };
    print_justified_string_xy(w, 0, 0, " ", justify_bottom);
    EXPECT_TRUE(painted_at(0, 384 - 16));
    EXPECT_FALSE(painted_at(0, 384 - 17));
    print_justified_string_xy(w, 0, 0, " ", justify_vcenter | justify_right);
    EXPECT_TRUE(painted_at(511, 184));
    EXPECT_FALSE(painted_at(511, 183));
    print_justified_string_xy(w, -3, 0, " ", justify_right);
    EXPECT_TRUE(painted_at(493, 0));
    EXPECT_TRUE(painted_at(508, 0));
    EXPECT_FALSE(painted_at(509, 0));
    print_justified_string_xy(w, 0, 100, "  ", justify_hcenter);
    EXPECT_TRUE(painted_at(240, 100));
    EXPECT_FALSE(painted_at(239, 100));
    print_string_xy(w, 5, 300, "  ");
    EXPECT_TRUE(painted_at(5 + 31, 300));
    EXPECT_FALSE(painted_at(5 + 32, 300));

    // Without the offset the whole window is the print area.
    w.update_game_screen_offset(0);
    print_centered_string_xy(w, 0, "  ");
    EXPECT_TRUE(wide.pixel_is(284, 0, red));
    EXPECT_FALSE(wide.pixel_is(283, 0, red));
}
