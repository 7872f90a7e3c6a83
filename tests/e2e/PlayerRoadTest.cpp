// A player's first run, and the attract loop nobody touches.
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayerRoadTest, FromTheTitleThroughOneGameBackToTheMenu)
{
    TestApp game;
    game.compare_every_frame();
    ScreenReader& screen = game.screen();

    ASSERT_TRUE(game.wait_for_title_to_take_keys());
    ASSERT_TRUE(game.tap_until(SDLK_RETURN, [&] { return game.key_page_shown(); }));
    EXPECT_FALSE(screen.shows(0, 0, 'K', WHITE, RED)) << "the key page has no banner";

    // Page 1 wipes down over the key page, and no key skips the wipe.
    game.tap(SDLK_RETURN);
    ASSERT_TRUE(game.wait_for([&] { return game.instructions_page_shown(1); }));
    game.tap(SDLK_RETURN);
    ASSERT_TRUE(game.wait_for([&] {
        return screen.shows_text(21, 0, "(Any key", BLACK, CYAN) && screen.shows(22, 0, ' ', BLUE, BLUE);
    })) << "page 1 never finished its reveal";
    EXPECT_TRUE(game.instructions_page_shown(1)) << "a key during the reveal turned the page";
    EXPECT_TRUE(screen.shows(4, 9, 132, BLACK, WHITE)) << "the player's glyph in the text";
    EXPECT_TRUE(screen.shows(0, 0, 'K', WHITE, RED)) << "the text pages show the banner";
    ASSERT_TRUE(game.tap_until(SDLK_RETURN, [&] { return game.instructions_page_shown(2); }));
    ASSERT_TRUE(game.tap_until(SDLK_RETURN, [&] { return game.instructions_page_shown(3); }));
    ASSERT_TRUE(game.tap_until(SDLK_RETURN, [&] { return game.menu_panel_shown(); }));

    // The menu: maze A, the default settings and an empty best score.
    EXPECT_EQ(game.maze_letter_shown(), 'A');
    EXPECT_EQ(game.tempo_shown() + game.grade_shown() + game.best_shown(), "5500000");

    // P plays its animation, with the key legend, before the game runs.
    ASSERT_TRUE(game.tap_until(SDLK_p, [&] { return game.key_legend_shown(); }));
    int hidden = 0; // the legend stays, whatever flashes beside it, until the maze is wiped in
    bool shown = true;
    ASSERT_TRUE(game.wait_for([&] {
        hidden += shown && !game.key_legend_shown();
        shown = game.key_legend_shown();
        return game.player_at_start_shown();
    })) << "the game never started";
    EXPECT_EQ(hidden, 1) << "the key legend flickered";
    EXPECT_FALSE(game.menu_panel_shown());
    EXPECT_EQ(game.maze_letter_shown(), 'A');
    EXPECT_EQ(game.lives_shown() + " " + game.score_shown() + " " + game.lasers_shown(), "9 00000 20");

    // Steering up from the start eats the food above it.
    game.press(SDLK_UP);
    ASSERT_TRUE(game.wait_for([&] { return game.scored(); })) << "steering up never scored";
    EXPECT_EQ(game.score_shown(), "00010") << "one step, one food, ten points";
    game.release(SDLK_UP);
    const auto line_in_column = [&] {
        int found = -1;
        for (int line = 3; line <= 12; ++line) {
            found = screen.shows(line, 16, 132, BLACK, BRIGHT_WHITE) ? line : found;
        }
        return found;
    };
    const int line = line_in_column();
    EXPECT_TRUE(line >= 3 && line < 12) << "the player went somewhere other than up its column";
    game.tap(SDLK_SPACE);
    ASSERT_TRUE(game.wait_for([&] { return game.lasers_shown() == "19"; })) << "the laser never fired";
    // The beam holds the player until it has run its course.
    game.press(SDLK_DOWN);
    EXPECT_TRUE(game.wait_for([&] { return line_in_column() > line; })) << "the player never moved after the beam";
    game.release(SDLK_DOWN);

    // The pause box and the overlay's positions view (its timings change with every drawing, the comparison's too), in
    // every window size.
    game.tap(SDLK_F5);
    TestApp::queue_tap(SDLK_F1);
    game.tap(SDLK_F1);
    for (SDL_Keycode key : {SDLK_F4, SDLK_F4, SDLK_F4, SDLK_F4, SDLK_F1, SDLK_F5}) {
        game.tap(key);
        game.frames(3);
    }

    // X ends the game, and its score stays on its line as the best.
    const std::string score = game.score_shown();
    game.tap(SDLK_x);
    EXPECT_TRUE(game.game_over_shown());
    ASSERT_TRUE(game.wait_for([&] { return game.menu_panel_shown(); })) << "no menu after the game";
    EXPECT_FALSE(game.game_over_shown());
    EXPECT_EQ(game.best_shown() + " " + game.score_shown(), score + " " + score);
}

TEST(PlayerRoadTest, DemoThenAttractLoopPlaysTheNextMazeByItself)
{
    TestApp game;
    game.compare_every_frame();
    ASSERT_TRUE(game.open_menu());
    ASSERT_TRUE(game.tap_until(SDLK_d, [&] { return game.key_legend_shown(); }));
    // No key is held: a rising score means the computer player is eating.
    ASSERT_TRUE(game.wait_for([&] { return !game.menu_panel_shown() && game.scored(); })) << "the demo never scored";
    EXPECT_EQ(game.maze_letter_shown(), 'A');
    EXPECT_FALSE(game.player_at_start_shown()) << "the demo player never left its start";
    game.tap(SDLK_x);
    EXPECT_TRUE(game.game_over_shown());

    // The panel returns, the next maze is chosen and its demo starts, all without a key.
    ASSERT_TRUE(game.wait_for([&] { return game.menu_panel_shown(); })) << "no menu after the demo";
    ASSERT_TRUE(game.wait_for([&] { return game.maze_letter_shown() == 'B'; })) << "the loop never moved to maze B";
    ASSERT_TRUE(game.wait_for([&] { return game.score_shown() == "00000"; })) << "the next demo kept the score";
    ASSERT_TRUE(game.wait_for([&] { return !game.menu_panel_shown() && game.scored(); })) << "no second demo";
    EXPECT_EQ(game.maze_letter_shown(), 'B');
    EXPECT_TRUE(game.app().is_demo_mode());
}

} // namespace
