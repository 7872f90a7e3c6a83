#include "screens/InstructionsState.h"

#include "HeadlessApp.h"
#include "app/GameApplication.h"
#include "display/Window.h"
#include "screens/MenuSpecialState.h"
#include "support/TestSupport.h"
#include "world/CurrentMaze.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <tuple>

namespace {

constexpr int G = 16;

SDL_Color rgb(simple_colour_t colour)
{
    return get_rgb_from_simple_colour(colour);
}

// The application for the states, and a 512x384 software screen to draw them on.
class InstructionsTest : public ::testing::Test {
protected:
    HeadlessApp headless{G};
    GameApplication& app = *headless.app;
    HeadlessScreen& screen = headless.screen;

    void update(InstructionsState& state) { state.update(0.016, app.get_sound_manager(), app); }

    // Updates until the page is fully revealed; revealed never grows by more than one a call.
    bool finish_reveal(InstructionsState& state)
    {
        int last = state.get_revealed();
        bool steady = true;
        bool done = wait_until([&] {
            update(state);
            steady = steady && state.get_revealed() - last <= 1;
            last = state.get_revealed();
            return last == 25;
        });
        return done && steady;
    }

    int count_in_rect(int x0, int y0, int w, int h, simple_colour_t colour) const
    {
        int count = 0;
        for (int y = y0; y < y0 + h; ++y) {
            for (int x = x0; x < x0 + w; ++x) {
                count += screen.pixel_is(x, y, rgb(colour)) ? 1 : 0;
            }
        }
        return count;
    }

    // Share of a run of cells on one line in this colour, 0 to 1.
    double share(int line, int column, int cells, simple_colour_t colour) const
    {
        return count_in_rect(column * G, line * G, cells * G, G, colour) / double(cells * G * G);
    }
};

TEST_F(InstructionsTest, KeyPageLaysOutTheKeysOnWhiteWithoutStatusLines)
{
    InstructionsState state(app);
    EXPECT_EQ(state.get_page(), 0);
    EXPECT_FALSE(state.show_background());
    state.print(screen.graphics());

    // Key labels stand on their papers; each "=" label starts right after its key.
    EXPECT_GT(share(6, 4, 4, RED), 0.5);
    EXPECT_GT(share(8, 4, 4, RED), 0.5);
    EXPECT_GT(share(10, 4, 5, RED), 0.5);
    EXPECT_GT(share(16, 4, 13, BLUE), 0.5);
    EXPECT_GT(share(18, 4, 7, BLUE), 0.5);
    using Label = std::tuple<int, int, simple_colour_t>;
    for (auto [line, column, colour] :
         std::initializer_list<Label>{{6, 8, RED}, {10, 9, RED}, {16, 17, BLUE}, {18, 11, BLUE}}) {
        EXPECT_GT(share(line, column, 1, colour), 0.0) << line << "," << column;
        EXPECT_GT(share(line, column, 1, WHITE), 0.5) << line << "," << column;
    }
    EXPECT_EQ(share(6, 3, 1, WHITE), 1.0);
    EXPECT_EQ(share(6, 27, 1, WHITE), 1.0);
    EXPECT_GT(share(1, 14, 4, BRIGHT_YELLOW), 0.0);
    EXPECT_GT(share(4, 2, 9, RED), 0.0);
    EXPECT_GT(share(14, 2, 9, BLUE), 0.0);

    // No banner, selection line or score line.
    EXPECT_EQ(share(0, 0, 32, WHITE), 1.0);
    EXPECT_EQ(share(1, 0, 13, WHITE), 1.0);
    EXPECT_EQ(share(23, 0, 32, WHITE), 1.0);

    // The prompt, centred on the third line from the bottom, blinks between two pairs.
    const int prompt_x = (512 - 25 * G) / 2;
    EXPECT_GT(count_in_rect(prompt_x, 21 * G, 25 * G, G, GREEN), 25 * G * G / 2);
    EXPECT_EQ(count_in_rect(prompt_x, 21 * G, 25 * G, G, BRIGHT_GREEN), 0);
    EXPECT_EQ(share(21, 0, 3, WHITE), 1.0);
    ASSERT_TRUE(wait_until([&] {
        update(state);
        return state.is_blink_on();
    }));
    state.print(screen.graphics());
    EXPECT_GT(count_in_rect(prompt_x, 21 * G, 25 * G, G, BRIGHT_GREEN), 25 * G * G / 2);
    EXPECT_GT(count_in_rect(prompt_x, 21 * G, 25 * G, G, BRIGHT_WHITE), 0);
}

TEST_F(InstructionsTest, TextPageWipesInAndIgnoresInputUntilRevealed)
{
    InstructionsState state(app);
    EXPECT_TRUE(state.action());
    ASSERT_EQ(state.get_page(), 1);
    EXPECT_EQ(state.get_revealed(), 0);
    EXPECT_TRUE(state.show_background());

    EXPECT_FALSE(state.key_down(key_down_event(SDLK_a)));
    EXPECT_FALSE(state.mouse_down(100, 100));
    EXPECT_EQ(state.get_page(), 1);

    ASSERT_TRUE(wait_until([&] {
        update(state);
        return state.get_revealed() == 10;
    }));
    screen.clear(rgb(MAGENTA));
    state.print(screen.graphics());
    EXPECT_EQ(share(2, 0, 32, BLUE), 1.0);
    EXPECT_GT(share(11, 0, 32, WHITE), 0.5);
    EXPECT_EQ(share(12, 0, 32, MAGENTA), 1.0);

    // All lines show from 21 ticks on, but input waits for 25.
    ASSERT_TRUE(wait_until([&] {
        update(state);
        return state.get_revealed() == 22;
    }));
    EXPECT_FALSE(state.action());
    ASSERT_TRUE(finish_reveal(state));
    for (int i = 0; i < 5; ++i) {
        update(state);
    }
    EXPECT_EQ(state.get_revealed(), 25);

    screen.clear(rgb(MAGENTA));
    state.print(screen.graphics());
    EXPECT_EQ(share(22, 0, 32, BLUE), 1.0);
    EXPECT_EQ(share(1, 0, 1, BRIGHT_YELLOW), 1.0);
    EXPECT_EQ(share(23, 0, 1, BRIGHT_YELLOW), 1.0);
    EXPECT_EQ(share(2, 0, 32, MAGENTA), 0.0);

    EXPECT_FALSE(state.key_down(key_down_event(SDLK_ESCAPE)));
    EXPECT_EQ(state.get_page(), 1);
    EXPECT_TRUE(state.key_down(key_down_event(SDLK_a)));
    EXPECT_EQ(state.get_page(), 2);
    EXPECT_EQ(state.get_revealed(), 0);
}

TEST_F(InstructionsTest, PagesRunFromTheKeysToTheMenu)
{
    app.change_game_state(new InstructionsState(app), false);
    auto current = [&] { return dynamic_cast<InstructionsState*>(app.get_current_state()); };
    ASSERT_NE(current(), nullptr);
    EXPECT_FALSE(current()->key_down(key_down_event(SDLK_ESCAPE)));
    EXPECT_TRUE(current()->mouse_down(5, 5));
    for (int page = 1; page <= 3; ++page) {
        ASSERT_EQ(current()->get_page(), page);
        ASSERT_TRUE(finish_reveal(*current()));
        EXPECT_TRUE(current()->key_down(key_down_event(SDLK_SPACE)));
    }
    EXPECT_NE(dynamic_cast<MenuSpecialState*>(app.get_current_state()), nullptr);
}

TEST_F(InstructionsTest, TextPagesAreFullLinesWithTheirGlyphsAndBars)
{
    InstructionsState state(app);
    for (int index = 0; index < 3; ++index) {
        ASSERT_EQ(state.page_size(index), 21);
        const auto& lines = *state.get_text_page(index);
        for (const auto& line : lines) {
            std::string text = line.get_first() + line.get_second();
            EXPECT_EQ(text.size(), 32u) << text;
            EXPECT_EQ(text.find('?'), std::string::npos) << text;
        }
        EXPECT_EQ(lines[0].get_paper1(), BLUE);
        EXPECT_EQ(lines[20].get_paper2(), BLUE);
        EXPECT_EQ(lines[19].get_first(), "(Any key to continue..)");
        EXPECT_EQ(lines[19].get_paper1(), CYAN);
    }
    const auto& page1 = *state.get_text_page(0);
    EXPECT_EQ(page1[1].get_first(), "Instructions");
    auto glyphs = [](const InstructionsTextLine& line, unsigned char glyph) {
        std::string text = line.get_first() + line.get_second();
        return std::count(text.begin(), text.end(), static_cast<char>(glyph));
    };
    EXPECT_EQ(glyphs(page1[14], 130), 3);
    EXPECT_EQ(glyphs(page1[15], 130), 2);
    EXPECT_EQ(glyphs(page1[10], 129), 1);
    EXPECT_EQ(glyphs((*state.get_text_page(1))[17], 129), 1);
    EXPECT_EQ((*state.get_text_page(2))[18].get_paper1(), BRIGHT_YELLOW);

    EXPECT_EQ(state.page_size(3), 0);
    EXPECT_EQ(state.page_size(-1), 0);
    state.set_text(3, 0, "x");
    state.set_text(0, 21, "x");
    state.set_colours(-1, 0, RED, RED);
    state.set_text(1, 2, "HELLO");
    EXPECT_EQ((*state.get_text_page(1))[2].get_first(), "HELLO");
    EXPECT_EQ((*state.get_text_page(1))[2].get_second(), "");
}

TEST_F(InstructionsTest, FromTheMenuThePagesAreFramedInTheWallColour)
{
    for (int i = 0; i < 40 && app.get_maze().maze_fg() == BLUE; ++i) {
        app.change_maze();
    }
    const simple_colour_t wall = app.get_maze().maze_fg();
    ASSERT_NE(wall, BLUE);

    FromMenuInstructionState state(app, app.get_maze());
    EXPECT_EQ(state.get_page(), 1);
    EXPECT_TRUE(state.show_background());
    for (int index = 0; index < 3; ++index) {
        const auto& lines = *state.get_text_page(index);
        EXPECT_EQ(lines[0].get_first(), std::string(32, ' '));
        for (unsigned line : {0u, 20u}) {
            EXPECT_EQ(lines[line].get_paper1(), wall);
            EXPECT_EQ(lines[line].get_ink2(), wall);
        }
    }
    ASSERT_TRUE(finish_reveal(state));
    state.print(screen.graphics());
    EXPECT_EQ(share(2, 0, 32, wall), 1.0);
    EXPECT_EQ(share(22, 0, 32, wall), 1.0);

    InstructionsState plain(app);
    EXPECT_EQ((*plain.get_text_page(0))[0].get_paper1(), BLUE);
}

} // namespace
