// The demo and the attract loop after it: nobody touches a key, yet the
// game goes on to the next maze and plays it by itself.
#include "GameSession.h"

#include <gtest/gtest.h>

namespace {

TEST(DemoLoopTest, DemoThenAttractLoopPlaysTheNextMazeByItself)
{
    GameSession session;
    ASSERT_TRUE(session.walk_to_menu());

    ASSERT_TRUE(session.tap_until(SDLK_d, [&] { return session.key_legend_shown(); }));
    // No key is held: a rising score means the computer player is eating.
    ASSERT_TRUE(session.wait_for([&] { return !session.menu_panel_shown() && session.scored(); }))
        << "the demo never scored";
    EXPECT_EQ(session.maze_letter_shown(), 'A');
    EXPECT_TRUE(session.app().is_demo_mode());
    EXPECT_FALSE(session.player_at_start_shown()) << "the demo player left its start";

    session.tap(SDLK_x);
    EXPECT_TRUE(session.game_over_shown());

    // The attract loop: the panel returns, the D command flashes, the next
    // maze is chosen and its demo starts, all without a key.
    ASSERT_TRUE(session.wait_for([&] { return session.menu_panel_shown(); })) << "no menu after the demo";
    ASSERT_TRUE(session.wait_for([&] { return session.maze_letter_shown() == 'B'; }))
        << "the attract loop never moved to maze B";
    EXPECT_EQ(session.app().get_maze_letter(), 'B');
    ASSERT_TRUE(session.wait_for([&] { return session.score_shown() == "00000"; }))
        << "the next demo's score was never reset";
    ASSERT_TRUE(session.wait_for([&] { return !session.menu_panel_shown() && session.scored(); }))
        << "the next demo never scored";
    EXPECT_EQ(session.maze_letter_shown(), 'B');
    EXPECT_TRUE(session.app().is_demo_mode());
    EXPECT_TRUE(session.app().is_game_running());
}

} // namespace
