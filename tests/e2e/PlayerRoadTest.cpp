// A player's first run: title, key page, instructions, menu, one game,
// game over, back to the menu and out with Escape.
#include "GameSession.h"
#include "support/AppHarness.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayerRoadTest, FromTheTitleThroughOneGameBackToTheMenuAndOut)
{
    GameSession session;

    // The title swallows keys for its first 1.5 seconds.
    session.frame();
    session.tap(SDLK_RETURN);
    session.frame();
    EXPECT_FALSE(session.key_page_shown()) << "a key during the title's lock-out was taken";
    session.wait_ms(1700);
    ASSERT_TRUE(session.tap_until(SDLK_RETURN, [&] { return session.key_page_shown(); }));
    EXPECT_TRUE(session.screen().shows_text(1, 13, " KEYS ", BRIGHT_YELLOW, WHITE));
    EXPECT_FALSE(session.screen().shows(0, 0, 'K', WHITE, RED)) << "the key page has no banner";

    // Page 1 wipes down over the white key page, and no key skips the wipe.
    session.tap(SDLK_RETURN);
    ASSERT_TRUE(session.wait_for([&] { return session.instructions_page_shown(1); }));
    session.tap(SDLK_RETURN);
    ASSERT_TRUE(session.wait_for([&] {
        return session.screen().shows_text(21, 0, "(Any key", BLACK, CYAN) &&
               session.screen().shows(22, 0, ' ', BLUE, BLUE);
    })) << "page 1 never finished its reveal";
    EXPECT_TRUE(session.instructions_page_shown(1)) << "a key during the reveal turned the page";
    EXPECT_TRUE(session.screen().shows(4, 9, 132, BLACK, WHITE)) << "the player's glyph in the text";
    EXPECT_TRUE(session.screen().shows(0, 0, 'K', WHITE, RED)) << "the text pages show the banner";

    ASSERT_TRUE(session.tap_until(SDLK_RETURN, [&] { return session.instructions_page_shown(2); }));
    ASSERT_TRUE(session.tap_until(SDLK_RETURN, [&] { return session.instructions_page_shown(3); }));
    ASSERT_TRUE(session.tap_until(SDLK_RETURN, [&] { return session.menu_panel_shown(); }));

    // The menu: maze A, the default settings and an empty best score.
    EXPECT_TRUE(session.screen().shows_text(16, 22, " P=Play  ", BLACK, BRIGHT_WHITE));
    EXPECT_EQ(session.maze_letter_shown(), 'A');
    EXPECT_EQ(session.tempo_shown(), "5");
    EXPECT_EQ(session.grade_shown(), "5");
    EXPECT_EQ(session.best_shown(), "00000");

    // P plays its animation, with the key legend, before the game runs.
    ASSERT_TRUE(session.tap_until(SDLK_p, [&] { return session.key_legend_shown(); }));
    ASSERT_TRUE(session.wait_for([&] { return session.player_at_start_shown(); })) << "the game never started";
    EXPECT_FALSE(session.menu_panel_shown());
    EXPECT_TRUE(session.screen().shows(1, 1, 'M', BLACK, BRIGHT_YELLOW));
    EXPECT_TRUE(session.screen().shows(1, 5, 'A', BLACK, BRIGHT_WHITE));
    EXPECT_EQ(session.lives_shown(), "9");
    EXPECT_EQ(session.score_shown(), "00000");
    EXPECT_EQ(session.lasers_shown(), "20");

    // Steering up from the start eats the food above it.
    session.press(SDLK_UP);
    ASSERT_TRUE(session.wait_for([&] { return session.scored(); })) << "steering up never scored";
    session.release(SDLK_UP);
    EXPECT_FALSE(session.player_at_start_shown());
    bool up_the_corridor = false;
    for (int line = 3; line < 12; ++line) {
        up_the_corridor = up_the_corridor || session.screen().shows(line, 16, 132, BLACK, BRIGHT_WHITE);
    }
    EXPECT_TRUE(up_the_corridor) << "the player is somewhere up its column";
    session.tap(SDLK_SPACE);
    ASSERT_TRUE(session.wait_for([&] { return session.lasers_shown() == "19"; })) << "the laser never fired";

    // X ends the game; with a score above the best the message turns to a new best.
    const std::string score = session.score_shown();
    session.tap(SDLK_x);
    EXPECT_TRUE(session.game_over_shown());
    ASSERT_TRUE(session.wait_for([&] { return session.new_best_score_shown(); }));
    ASSERT_TRUE(session.wait_for([&] { return session.menu_panel_shown(); })) << "no menu after the game";
    EXPECT_FALSE(session.game_over_shown());
    EXPECT_EQ(session.best_shown(), score);
    EXPECT_EQ(session.app().get_best_score(), std::stoi(score));

    session.tap(SDLK_ESCAPE);
    EXPECT_TRUE(session.app().quit_requested());
}

// Escape keeps being pressed; the title swallows it for 1.5 s, then it quits.
Uint32 press_escape(Uint32 interval, void*)
{
    push_key(SDLK_ESCAPE, true);
    push_key(SDLK_ESCAPE, false);
    return interval;
}

TEST(PlayerRoadTest, MainLoopEndsWithStatusZeroOnEscape)
{
    AppHarness harness(false);
    SDL_TimerID presser = SDL_AddTimer(100, press_escape, nullptr);
    ASSERT_NE(presser, 0) << SDL_GetError();
    Uint32 start = SDL_GetTicks();
    EXPECT_EQ(harness.app().main(0, nullptr), 0);
    SDL_RemoveTimer(presser);
    EXPECT_TRUE(harness.app().quit_requested());
    EXPECT_GE(SDL_GetTicks() - start, 1500u) << "Escape quit during the title's lock-out";
}

} // namespace
