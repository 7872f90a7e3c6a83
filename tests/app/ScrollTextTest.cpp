// The banner on line 0: commands in its text, broken texts, and a scroll that never runs backwards nor more than a
// character a frame.
#include "app/ScrollText.h"
#include "app/GameApplication.h"
#include "display/MyGraphics_record.h"
#include "display/Window.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ScrollTextTest, CommandsInTheTextSetInkPaperAndSpeed)
{
    struct Case {
        const char* text;
        simple_colour_t ink, paper;
        double speed;
    };
    const Case cases[] = {
        {"[ INK = Bright Red ][\tPaper\t=\tbright yellow ]A", BRIGHT_RED, BRIGHT_YELLOW, 1.0},
        {"[ink=pink][colour=red]A", MAGENTA, WHITE, 1.0}, // unknown colours show magenta, unknown names nothing
        {"[speed=2.5cps]A", BLACK, WHITE, 2.5},           // numbers read as a stream reads them: the longest prefix
        {"[speed=+4.25e-1x]A", BLACK, WHITE, 0.425},
        {"[speed=2e+1]A", BLACK, WHITE, 20.0},
        {"[speed=3e]A", BLACK, WHITE, 3.0},
        {"[speed=fast]A", BLACK, WHITE, 1.0}, // or none: the default
    };
    for (const Case& c : cases) {
        ScrollText banner(c.text);
        EXPECT_EQ(banner.get_next_printable(), 'A') << c.text;
        EXPECT_EQ(banner.get_ink(), c.ink) << c.text;
        EXPECT_TRUE(same_rgb(banner.get_paper(), get_rgb_from_simple_colour(c.paper))) << c.text;
        EXPECT_DOUBLE_EQ(banner.get_speed(), c.speed) << c.text;
    }
}

TEST(ScrollTextTest, ScrollsForwardsAtMostAGlyphAFrameAndAlwaysFillsTheLine)
{
    glyph_size = 16;
    ScrollText hidden("[speed=2]AB");
    hidden.update(1.0);
    EXPECT_EQ(hidden.get_scroll_position(), 0.0) << "it moves only once shown";

    struct Case {
        const char* text;
        std::vector<double> frames; // seconds
        double position;
    };
    const Case cases[] = {
        {"[speed=2]ABCDEFGH", {0.25, 0.25}, 16.0},
        {"[speed=2]ABCDEFGH", {10.0, 10.0}, 32.0},
        {"[speed=-3]AB", {1.0, 1.0}, 0.0},
        {"[speed=1]AB[wait=0.5]CD", {0.3, 0.3}, 0.0},
        {"[speed=1]AB[wait=0.5]CD", {0.3, 0.3, 0.5}, 8.0}, // met again when redrawn, it does not wait again
        {banner_text, {1.0, 1.0}, 0.0},                    // the shipped banner stands still
        // Broken texts end safely (the banner fuzz corpus holds many more).
        {"[", {0.5, 0.5}, 16.0},
        {"[ink=red][paper=blue]", {0.5, 0.5}, 16.0},
        {"[wait=1e400", {0.5, 0.5}, 0.0},
    };
    for (const Case& c : cases) {
        ScrollText banner(c.text);
        for (double seconds : c.frames) { // as the application runs them once it shows the banner
            MyGraphics_record line;
            banner.draw(line);
            banner.do_scrolling(true);
            const bool partial = static_cast<int>(banner.get_scroll_position()) % glyph_size != 0;
            EXPECT_EQ(line.size(), partial ? 33u : 32u) << c.text << ": a gap in the line";
            banner.update(seconds);
        }
        EXPECT_DOUBLE_EQ(banner.get_scroll_position(), c.position) << c.text;
    }
}

} // namespace
