#include "screens/FlashingColourText.h"

#include "display/Window.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

bool paper_is(HeadlessScreen& screen, int line, int column, simple_colour_t colour)
{
    // Most of a glyph cell is paper.
    return screen.count_in_cell(line, column, get_rgb_from_simple_colour(colour)) > glyph_size * glyph_size / 2;
}

} // namespace

TEST(FlashingColourText, ColoursRunAlongTheTextOncePerFlash)
{
    HeadlessScreen screen(16);
    FlashingColourText text(2, 5, 3, "ABCDE");
    EXPECT_EQ(text.get_countdown(), 10);

    text.print_text(screen.graphics());
    EXPECT_TRUE(paper_is(screen, 5, 3, BRIGHT_MAGENTA));
    EXPECT_TRUE(paper_is(screen, 5, 4, BRIGHT_GREEN));
    EXPECT_TRUE(paper_is(screen, 5, 5, BRIGHT_CYAN));
    EXPECT_TRUE(paper_is(screen, 5, 6, BRIGHT_YELLOW));
    EXPECT_TRUE(paper_is(screen, 5, 7, BRIGHT_MAGENTA));

    // Four ticks keep the colours; the fifth moves them on by one.
    for (int i = 0; i < 4; ++i) {
        text.next_colour();
    }
    text.print_text(screen.graphics());
    EXPECT_TRUE(paper_is(screen, 5, 3, BRIGHT_MAGENTA));
    text.next_colour();
    text.print_text(screen.graphics());
    EXPECT_TRUE(paper_is(screen, 5, 3, BRIGHT_GREEN));
    EXPECT_TRUE(paper_is(screen, 5, 6, BRIGHT_MAGENTA));
    EXPECT_FALSE(text.complete());

    for (int i = 0; i < 5; ++i) {
        text.next_colour();
    }
    EXPECT_TRUE(text.complete());
    text.next_colour();
    EXPECT_EQ(text.get_countdown(), 0);
}

TEST(FlashingColourText, AbortEndsTheFlashAtOnce)
{
    FlashingColourText text(31, 14, 22, " D=Demo  ");
    EXPECT_EQ(text.get_countdown(), 155);
    text.abort();
    EXPECT_TRUE(text.complete());
}
