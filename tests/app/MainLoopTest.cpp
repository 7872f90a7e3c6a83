#include "debug/Debug.h"
#include "display/Window.h"
#include "screens/EndGameSpecialState.h"
#include "screens/MazeEditor.h"
#include "support/AppHarness.h"
#include "support/TestSupport.h"
#include "world/Player.h"

#include <gtest/gtest.h>

namespace {

class MainLoopTest : public ::testing::Test {
protected:
    GameApplication& app() { return harness.app(); }
    void key(SDL_Keycode sym, Uint16 mod = KMOD_NONE)
    {
        push_key(sym, true, mod);
        push_key(sym, false, mod);
        harness.frame();
    }
    AppHarness harness;
};

TEST_F(MainLoopTest, WindowSizeFollowsTheDesktopAndF4)
{
    // SDL's dummy display is 1024x768: one step below the largest cell.
    EXPECT_EQ(glyph_size, 24);
    EXPECT_EQ(window_width, 768);
    EXPECT_EQ(window_height, 576);
    key(SDLK_F4);
    EXPECT_EQ(glyph_size, 32);
    EXPECT_EQ(window_width, 1024);
    EXPECT_EQ(window_height, 768);
    key(SDLK_F4);
    EXPECT_EQ(glyph_size, 8);
    EXPECT_EQ(window_width, 256);
    EXPECT_EQ(window_height, 192);
}

TEST_F(MainLoopTest, F5PausesEvenBeforeAGameAndTheGameShowsTheBox)
{
    key(SDLK_F5);
    EXPECT_TRUE(app().is_paused());
    app().start_game(false);
    harness.frame();
    EXPECT_TRUE(app().is_paused());
    EXPECT_TRUE(harness.cell_shows(11, 2, 'P', BLACK, BRIGHT_WHITE));
    key(SDLK_x); // ignored while paused
    EXPECT_EQ(dynamic_cast<EndGameSpecialState*>(app().get_current_state()), nullptr);
    key(SDLK_F5);
    EXPECT_FALSE(app().is_paused());
    EXPECT_TRUE(harness.cell_shows(12, 16, 132, BLACK, BRIGHT_WHITE)) << "the player on its start cell";
    key(SDLK_x);
    EXPECT_NE(dynamic_cast<EndGameSpecialState*>(app().get_current_state()), nullptr);
}

TEST_F(MainLoopTest, RunningGameShowsItsStatusLines)
{
    app().start_game(false);
    harness.frame();
    EXPECT_TRUE(harness.cell_shows(1, 1, 'M', BLACK, BRIGHT_YELLOW));
    EXPECT_TRUE(harness.cell_shows(1, 5, 'A', BLACK, BRIGHT_WHITE));
    EXPECT_TRUE(harness.cell_shows(1, 13, '5', BLACK, BRIGHT_WHITE));
    EXPECT_TRUE(harness.cell_shows(1, 29, '9', BLACK, BRIGHT_WHITE));
    EXPECT_TRUE(harness.cell_shows(23, 1, 'S', BLACK, BRIGHT_YELLOW));
    for (int column = 6; column <= 10; ++column) {
        EXPECT_TRUE(harness.cell_shows(23, column, '0', BLACK, BRIGHT_WHITE)) << column;
    }
    EXPECT_TRUE(harness.cell_shows(23, 28, '2', BLACK, BRIGHT_WHITE));
    EXPECT_TRUE(harness.cell_shows(23, 29, '0', BLACK, BRIGHT_WHITE));
    EXPECT_TRUE(harness.cell_shows(0, 0, 'K', WHITE, RED)) << "the banner";
    EXPECT_TRUE(harness.cell_shows(2, 0, ' ', BRIGHT_BLUE, BRIGHT_BLUE)) << "maze wall";
    EXPECT_TRUE(harness.cell_shows(3, 1, 129, BLACK, BRIGHT_WHITE)) << "a chaser in its corner";
    EXPECT_TRUE(harness.cell_shows(3, 2, 130, BRIGHT_BLUE, BRIGHT_CYAN)) << "food";
}

TEST_F(MainLoopTest, GlobalKeysAndWindowEvents)
{
    key(SDLK_F1);
    EXPECT_EQ(debug.get_mode(), 1);
    key(SDLK_F1);
    key(SDLK_F1);
    EXPECT_EQ(debug.get_mode(), 0);

    app().start_game(false);
    SDL_Event minimise{};
    minimise.type = SDL_WINDOWEVENT;
    minimise.window.event = SDL_WINDOWEVENT_MINIMIZED;
    SDL_PushEvent(&minimise);
    harness.frame();
    EXPECT_TRUE(app().is_paused());
    minimise.window.event = SDL_WINDOWEVENT_RESTORED;
    SDL_PushEvent(&minimise);
    harness.frame();
    EXPECT_TRUE(app().is_paused()) << "restoring does not unpause";

    key(SDLK_F2);
    EXPECT_NE(dynamic_cast<MazeEditor*>(app().get_current_state()), nullptr);
    key(SDLK_ESCAPE);
    EXPECT_TRUE(app().quit_requested());
}

TEST_F(MainLoopTest, CommandQQuitsAndTheTitleSwallowsEarlyKeys)
{
    key(SDLK_ESCAPE);
    EXPECT_FALSE(app().quit_requested()) << "the title screen consumes keys during its lock-out";
    key(SDLK_q, KMOD_LGUI);
    EXPECT_TRUE(app().quit_requested());
}

TEST(MainLoopRun, MainReturnsZeroWhenTheWindowCloses)
{
    AppHarness harness(false);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(harness.app().main(0, nullptr), 0);
}

} // namespace
