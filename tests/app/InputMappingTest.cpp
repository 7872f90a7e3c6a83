#include "display/Window.h"
#include "support/AppHarness.h"
#include "support/TestSupport.h"
#include "world/Player.h"

#include <gtest/gtest.h>

namespace {

// A running game whose player and chasers are held, so that commands set
// the player's direction without it moving under the test.
class InputMappingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app().start_game(false);
        app().hold_mobs();
    }

    GameApplication& app() { return harness.app(); }
    Player& player() { return app().get_player(); }
    void key(SDL_Keycode sym, bool pressed)
    {
        push_key(sym, pressed);
        harness.frame();
    }
    void click(int x, int y, bool pressed)
    {
        push_mouse_button(x + game_offset_x, y + game_offset_y, pressed);
        harness.frame();
    }
    bool heading(int line_step, int column_step)
    {
        return player().get_line_step() == line_step && player().get_column_step() == column_step;
    }

    AppHarness harness;
};

TEST_F(InputMappingTest, HeldBitsDecideTheCommand)
{
    key(SDLK_UP, true);
    EXPECT_EQ(app().get_action_bits(), 1);
    EXPECT_TRUE(heading(-1, 0));
    key(SDLK_LEFT, true); // two directions: no new command
    EXPECT_EQ(app().get_action_bits(), 5);
    EXPECT_TRUE(heading(-1, 0));
    key(SDLK_UP, false);
    EXPECT_EQ(app().get_action_bits(), 4);
    EXPECT_TRUE(heading(0, -1));
    key(SDLK_LEFT, false);
    EXPECT_EQ(app().get_action_bits(), 0);
    EXPECT_TRUE(heading(0, -1)) << "the step already requested is still taken";
}

TEST_F(InputMappingTest, FireAloneFiresAndDirectionsWithFireDoNot)
{
    key(SDLK_SPACE, true);
    EXPECT_TRUE(player().is_fire_held());
    key(SDLK_d, true); // direction while holding fire
    EXPECT_EQ(app().get_action_bits(), 24);
    EXPECT_FALSE(player().is_fire_held());
    EXPECT_TRUE(heading(0, 0));
    key(SDLK_SPACE, false);
    EXPECT_TRUE(heading(0, 1));
    key(SDLK_9, true);
    EXPECT_EQ(app().get_action_bits(), 24);
}

TEST_F(InputMappingTest, TwoKeysForOneBitShareIt)
{
    key(SDLK_w, true);
    key(SDLK_UP, true);
    EXPECT_EQ(app().get_action_bits(), 1);
    key(SDLK_w, false);
    EXPECT_EQ(app().get_action_bits(), 0) << "releasing either clears the shared bit";
    key(SDLK_F3, true); // unmapped
    EXPECT_EQ(app().get_action_bits(), 0);
    for (SDL_Keycode k : {SDLK_7, SDLK_6, SDLK_5, SDLK_8}) {
        key(k, true);
        key(k, false);
    }
    EXPECT_EQ(app().get_action_bits(), 0);
}

TEST_F(InputMappingTest, DemoGamesIgnoreDirectionsButNotFire)
{
    app().start_game(true);
    app().hold_mobs();
    key(SDLK_LEFT, true);
    EXPECT_EQ(app().get_action_bits(), 4);
    EXPECT_TRUE(heading(0, 0));
    key(SDLK_LEFT, false);
    key(SDLK_SPACE, true);
    EXPECT_TRUE(player().is_fire_held());
    key(SDLK_SPACE, false);
    EXPECT_FALSE(player().is_fire_held());
}

TEST_F(InputMappingTest, ReleasesWhilePausedStillClearBits)
{
    key(SDLK_DOWN, true);
    key(SDLK_F5, true);
    ASSERT_TRUE(app().is_paused());
    key(SDLK_DOWN, false);
    EXPECT_EQ(app().get_action_bits(), 0);
    key(SDLK_RIGHT, true); // presses do not reach a paused game
    EXPECT_EQ(app().get_action_bits(), 0);
}

TEST_F(InputMappingTest, ScreenRegionsSteerAndFire)
{
    const int w = current_print_area_width();
    const int h = current_print_area_height();
    const int m = menu_pixel_size;
    click(w / 2, h / 2, true);
    EXPECT_TRUE(player().is_fire_held()) << "the centre fires";
    click(w / 2, h / 2, false);
    EXPECT_FALSE(player().is_fire_held());
    EXPECT_TRUE(heading(0, 0));

    click(w / 2, 2, true);
    EXPECT_TRUE(heading(-1, 0));
    click(w / 2, h - 2, true);
    EXPECT_TRUE(heading(1, 0));
    click(2, h / 2, true);
    EXPECT_TRUE(heading(0, -1));
    click(w - 2, h / 2, true);
    EXPECT_TRUE(heading(0, 1));

    click(m / 2, m / 2, true); // dead top-left corner
    EXPECT_TRUE(heading(0, 1));
    click(w - 1 - m / 2, m / 2, true); // dead top-right corner
    EXPECT_TRUE(heading(0, 1));
    click(m / 2, h - 1 - m / 2, true); // bottom-left corner moves
    EXPECT_FALSE(heading(0, 1));

    // Dragging steers continuously.
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.state = SDL_BUTTON_LMASK;
    motion.motion.x = game_offset_x + w / 2;
    motion.motion.y = game_offset_y + 2;
    SDL_PushEvent(&motion);
    harness.frame();
    EXPECT_TRUE(heading(-1, 0));
}

TEST_F(InputMappingTest, PressesMoveThePlayerOnItsTicks)
{
    app().release_mobs();
    app().get_monsters().hold_all_but_me(nullptr);
    ASSERT_EQ(player().line(), 10);
    key(SDLK_DOWN, true);
    key(SDLK_DOWN, false); // a press shorter than a tick still gives one step
    ASSERT_TRUE(harness.run_until([&] { return player().line() != 10; }, 3000));
    EXPECT_EQ(player().line(), 11);
    EXPECT_EQ(player().column(), 16);
    harness.frames(30);
    EXPECT_EQ(player().line(), 11) << "and only one";
}

} // namespace
