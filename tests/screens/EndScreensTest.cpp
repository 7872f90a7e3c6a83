// The screens a game ends on: the bonus for an emptied maze, and game over with a new best score and without one, then
// Play starting afresh.
#include "ScreensTest.h"

namespace {

// Empties the maze, or all but the food above the player's start.
void eat_food(CurrentMaze& maze, bool keep_one)
{
    for (int line = 0; line <= maze.get_max_line(); ++line) {
        for (int column = 0; column <= maze.get_max_column(); ++column) {
            if (!keep_one || line != 9 || column != 16) {
                maze.maze_eat(line, column);
            }
        }
    }
}

// A game on maze A straight from the title, the chasers held at home so that none catches the player; returns the full
// maze's food as shown.
int start_game(TestApp& game)
{
    game.app().change_game_state(new NullSpecialState(), false);
    game.app().start_game(false);
    game.app().get_monsters().hold_all_but_me(nullptr);
    game.frame();
    return food_shown(game);
}

TEST(EndScreensTest, EatingTheLastFoodGivesTheBonusTenLasersAndAFullMaze)
{
    TestApp game;
    game.compare_every_frame();
    const int full = start_game(game);
    eat_food(game.app().get_maze(), true);

    std::set<sound_t> heard;
    game.press(SDLK_UP);
    ASSERT_TRUE(wait_hearing(game, heard, [&] { // the highlight climbing the copies, at the middle row
        return game.screen().shows_text(10, 0, "BONUS!!!", BLACK, BRIGHT_CYAN) &&
               game.screen().shows_text(14, 24, "BONUS!!!", BRIGHT_WHITE, BRIGHT_RED) &&
               !game.screen().shows_text(12, 0, "BONUS!!!", BLACK, BRIGHT_CYAN);
    }));
    game.release(SDLK_UP);
    // Twenty copies, to the award's end.
    ASSERT_TRUE(wait_hearing(game, heard, [&] { return game.lasers_shown() == "29"; }));
    EXPECT_TRUE(game.screen().shows_text(10, 0, "BONUS!!!", BLACK, BRIGHT_CYAN));
    EXPECT_FALSE(game.screen().shows_text(15, 0, "BONUS!!!", BLACK, BRIGHT_CYAN));
    ASSERT_TRUE(wait_hearing(game, heard, [&] { return game.player_at_start_shown(); })) << "play never resumed";
    EXPECT_TRUE(heard.count(SOUND_BONUS));
    EXPECT_EQ(game.lasers_shown(), "30");
    EXPECT_GE(food_shown(game), full - 4) << "the chasers hide a few, no more";
    EXPECT_TRUE(game.app().is_game_running());
}

TEST(EndScreensTest, NewBestIsCelebratedThenPlayStartsAfreshAndAnEqualScoreIsNoNewBest)
{
    TestApp game;
    const int full = start_game(game);
    game.press(SDLK_UP);
    ASSERT_TRUE(game.wait_for([&] { return game.scored(); }));
    game.release(SDLK_UP);
    const std::string score = game.score_shown();
    eat_food(game.app().get_maze(), false); // for Play to refill

    std::set<sound_t> heard;
    game.tap(SDLK_x);
    ASSERT_TRUE(wait_hearing(game, heard, [&] { return game.new_best_score_shown(); }));
    EXPECT_TRUE(heard.count(SOUND_GAME_OVER));
    ASSERT_TRUE(wait_hearing(game, heard, [&] { return game.menu_idle(); }));
    EXPECT_TRUE(heard.count(SOUND_BONUS));
    EXPECT_EQ(game.best_shown(), score);
    // The BEST label resets it, so the next game's 0 equals it.
    EXPECT_TRUE(starts_sound(game, SOUND_MENU_BLIP, [&] { game.click_cell(23, 15); }));
    ASSERT_TRUE(game.wait_for([&] { return game.menu_idle(); }));
    EXPECT_EQ(game.best_shown(), "00000");

    heard.clear();
    game.tap(SDLK_p);
    ASSERT_TRUE(wait_hearing(game, heard, [&] { return game.score_shown() == "00000"; }));
    EXPECT_FALSE(game.app().is_game_running()) << "the set-up did not reset the score before play";
    ASSERT_TRUE(wait_hearing(game, heard, [&] { return game.player_at_start_shown() && !game.menu_panel_shown(); }))
        << "Play never started a game";
    EXPECT_TRUE(heard.count(SOUND_PLAY_SELECTED) && heard.count(SOUND_GAME_SETUP));
    EXPECT_EQ(game.score_shown() + " " + game.lasers_shown() + " " + game.lives_shown(), "00000 20 9");
    EXPECT_GE(food_shown(game), full - 4) << "Play did not refill the maze";

    bool over = false, best = false;
    game.tap(SDLK_x);
    ASSERT_TRUE(game.wait_for([&] {
        over = over || game.game_over_shown();
        best = best || game.new_best_score_shown();
        return game.menu_idle();
    }));
    EXPECT_TRUE(over);
    EXPECT_FALSE(best) << "a score equal to the best is no new best";
    EXPECT_EQ(game.best_shown(), "00000");
}

} // namespace
