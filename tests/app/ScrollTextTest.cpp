#include "app/ScrollText.h"
#include "display/MyGraphics_record.h"
#include "display/Window.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

// Counts the cells a banner draws by recording one draw.
size_t cells_drawn(ScrollText& banner)
{
    MyGraphics_record record;
    banner.draw(record);
    return record.size();
}

class ScrollTextTest : public ::testing::Test {
protected:
    void SetUp() override { glyph_size = 16; }
};

TEST_F(ScrollTextTest, CommandsParseAsTheBannerLanguageSays)
{
    ScrollText banner("x");
    banner.run_command("INK", "Bright Red", 0);
    EXPECT_EQ(banner.get_ink(), BRIGHT_RED);
    banner.run_command("ink", "pink", 0);
    EXPECT_EQ(banner.get_ink(), MAGENTA);
    banner.run_command("speed", "fast", 0);
    EXPECT_DOUBLE_EQ(banner.get_speed(), 1.0);
    banner.run_command("speed", "2.5cps", 0);
    EXPECT_DOUBLE_EQ(banner.get_speed(), 2.5);
    // Numbers read as a stream reads them: a prefix, the rest ignored.
    const std::pair<const char*, double> numbers[] = {
        {"1e1", 10.0}, {".5", 0.5}, {"0x10", 0.0}, {"3e", 3.0}, {"-2", -2.0}, {"+4.25e-1x", 0.425}, {"e5", 1.0}, {".", 1.0},
    };
    for (const auto& [text, expected] : numbers) {
        banner.run_command("speed", text, 0);
        EXPECT_DOUBLE_EQ(banner.get_speed(), expected) << text;
    }
    banner.run_command("wait", "x", 3);
    EXPECT_DOUBLE_EQ(banner.get_wait(), 0.0);
    banner.run_command("colour", "red", 0);
    EXPECT_EQ(banner.get_ink(), MAGENTA);

    std::string name;
    std::string value;
    ScrollText::split_command(" INK = Bright Red", name, value);
    EXPECT_EQ(name, " INK ");
    EXPECT_EQ(value, " Bright Red");
    ScrollText::split_command("no equals", name, value);
    EXPECT_TRUE(name.empty());
    EXPECT_TRUE(value.empty());

    // Spaces around name and value are trimmed before the command runs.
    ScrollText spaced("[ INK = Bright Red ]A");
    EXPECT_EQ(spaced.get_next_printable(), 'A');
    EXPECT_EQ(spaced.get_ink(), BRIGHT_RED);

    // A text that ends inside a command continues it from the start.
    ScrollText wrapped("reen]AB[ink=g");
    for (int i = 0; i < 7; ++i) {
        wrapped.get_next();
    }
    EXPECT_EQ(wrapped.get_next_printable(), 'A');
    EXPECT_EQ(wrapped.get_ink(), GREEN);
}

TEST_F(ScrollTextTest, ShippedBannerStandsStillOnItsFirstSegment)
{
    ScrollText banner("[ink=white][paper=red][speed=0]KWORBLE and twenty-five more chars[ink=black]hidden");
    cells_drawn(banner);
    banner.do_scrolling(true);
    for (int i = 0; i < 100; ++i) {
        banner.update(0.016);
    }
    EXPECT_DOUBLE_EQ(banner.get_scroll_position(), 0.0);
    EXPECT_EQ(cells_drawn(banner), 32u);
}

TEST_F(ScrollTextTest, ScrollsAtMostOneCharacterPerFrameAndPausesOnWait)
{
    ScrollText banner("[speed=2]ABCDEFGH");
    banner.update(1.0);
    EXPECT_DOUBLE_EQ(banner.get_scroll_position(), 0.0) << "moves only once shown";
    cells_drawn(banner);
    banner.do_scrolling(true);
    banner.update(0.25);
    EXPECT_DOUBLE_EQ(banner.get_scroll_position(), 8.0);
    EXPECT_EQ(cells_drawn(banner), 33u) << "a partial character shows one more cell";
    banner.update(10.0);
    EXPECT_DOUBLE_EQ(banner.get_scroll_position(), 24.0) << "capped at one glyph a frame";

    ScrollText waiting("[speed=1]AB[wait=0.5]CD");
    waiting.do_scrolling(true);
    cells_drawn(waiting); // the wait enters the window and is obeyed
    EXPECT_DOUBLE_EQ(waiting.get_wait(), 0.5);
    waiting.update(0.3);
    EXPECT_DOUBLE_EQ(waiting.get_scroll_position(), 0.0);
    waiting.update(0.3);
    EXPECT_DOUBLE_EQ(waiting.get_scroll_position(), 0.0);
    waiting.update(0.5);
    EXPECT_GT(waiting.get_scroll_position(), 0.0);
    cells_drawn(waiting); // the same command met again does not pause twice
    EXPECT_LE(waiting.get_wait(), 0.0);
}

TEST_F(ScrollTextTest, BrokenTextsNeverHang)
{
    const char* broken[] = {"", "[", "[ink=red", "[][][]", "[ink=red][paper=blue]", "]]]", "[speed=1"};
    for (const char* text : broken) {
        ScrollText banner(text);
        banner.do_scrolling(true);
        for (int i = 0; i < 50; ++i) {
            banner.update(1.0);
            EXPECT_GE(cells_drawn(banner), 32u) << text;
        }
    }

    // Random texts of brackets, letters and commands.
    srand(1234);
    const char alphabet[] = "[]=ab speedinkwait0123.";
    for (int n = 0; n < 300; ++n) {
        std::string text;
        int length = rand() % 40;
        for (int i = 0; i < length; ++i) {
            text += alphabet[rand() % (sizeof alphabet - 1)];
        }
        ScrollText banner(text);
        banner.do_scrolling(true);
        for (int i = 0; i < 20; ++i) {
            banner.update(0.1);
            cells_drawn(banner);
        }
    }
}

} // namespace
