#include "screens/EndGameSpecialState.h"

#include "app/GameApplication.h"
#include "screens/MenuSpecialState.h"
#include "support/AppHarness.h"
#include "support/TestSupport.h"
#include "world/Player.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <vector>

namespace {

const simple_colour_t flash_papers[6] = {BRIGHT_YELLOW, BRIGHT_CYAN, BRIGHT_GREEN,
                                         BRIGHT_MAGENTA, BRIGHT_RED, BRIGHT_BLUE};

// Starts a game and lets the player eat its way up until it has scored.
int play_until_scored(AppHarness& harness)
{
    GameApplication& app = harness.app();
    app.start_game(false);
    app.move_up();
    bool scored = harness.run_until([&] { return app.get_player().get_score() > 0; }, 5000);
    app.no_movement();
    EXPECT_TRUE(scored);
    return app.get_player().get_score();
}

EndGameSpecialState* game_over_state(GameApplication& app)
{
    return dynamic_cast<EndGameSpecialState*>(app.get_current_state());
}

// The message stands on line 2 with a blank on each end: first and last columns given.
void expect_message(AppHarness& harness, int first, int last, simple_colour_t paper)
{
    EXPECT_TRUE(harness.cell_shows(2, first, ' ', BLACK, paper));
    EXPECT_TRUE(harness.cell_shows(2, last, ' ', BLACK, paper));
    EXPECT_FALSE(harness.cell_shows(2, first - 1, ' ', BLACK, paper));
    EXPECT_FALSE(harness.cell_shows(2, last + 1, ' ', BLACK, paper));
}

TEST(EndGame, AScoreEqualToTheBestIsNoNewBest)
{
    AppHarness harness;
    GameApplication& app = harness.app();
    play_until_scored(harness);
    app.update_best_score();
    const int best = app.get_best_score();
    ASSERT_EQ(best, app.get_player().get_score());

    app.end_game();
    std::vector<int> phases;
    bool menu = harness.run_until(
        [&] {
            EndGameSpecialState* state = game_over_state(app);
            if (state == nullptr) {
                return true;
            }
            int phase = state->get_phase();
            if (phases.empty() || phases.back() != phase) {
                phases.push_back(phase);
                if (phase == 1) {
                    // " GAME OVER " centred: columns 10 to 20.
                    expect_message(harness, 10, 20, BRIGHT_CYAN);
                    EXPECT_TRUE(harness.cell_shows(2, 11, 'G', BLACK, BRIGHT_CYAN));
                }
                if (phase == 2) {
                    EXPECT_TRUE(app.get_sound_manager().are_all_sounds_finished());
                }
            }
            EXPECT_FALSE(state->is_best_message_shown());
            EXPECT_EQ(app.get_best_score(), best);
            EXPECT_TRUE(app.is_game_running());
            return false;
        },
        10000);
    ASSERT_TRUE(menu);
    EXPECT_EQ(phases, (std::vector<int>{0, 1, 2, 5, 6}));
    EXPECT_NE(dynamic_cast<MenuSpecialState*>(app.get_current_state()), nullptr);
    EXPECT_FALSE(app.is_game_running());
    EXPECT_EQ(app.get_best_score(), best);
}

TEST(EndGame, ANewBestWaitsForSilenceThenFlashesTwentyOneTimes)
{
    AppHarness harness;
    GameApplication& app = harness.app();
    app.reset_best_score();
    const int score = play_until_scored(harness);
    ASSERT_GT(score, 0);

    // A sound still playing when the game ends holds everything back.
    app.get_sound_manager().play_sound(SOUND_BONUS);
    app.end_game();
    harness.frame();
    ASSERT_NE(game_over_state(app), nullptr);
    EXPECT_EQ(game_over_state(app)->get_phase(), 0);

    std::vector<int> phases;
    std::vector<int> flashes;
    bool menu = harness.run_until(
        [&] {
            EndGameSpecialState* state = game_over_state(app);
            if (state == nullptr) {
                return true;
            }
            int phase = state->get_phase();
            bool entered = phases.empty() || phases.back() != phase;
            if (entered) {
                phases.push_back(phase);
            }
            EXPECT_EQ(state->is_best_message_shown(), phase >= 3);
            // The best score moves only once the new-best sound has ended.
            EXPECT_EQ(app.get_best_score(), phase >= 4 ? score : 0);
            if (entered && phase == 1) {
                expect_message(harness, 10, 20, BRIGHT_CYAN);
            }
            if (entered && phase == 3) {
                // " !!NEW BEST SCORE!! " centred: columns 6 to 25.
                expect_message(harness, 6, 25, BRIGHT_CYAN);
                EXPECT_TRUE(harness.cell_shows(2, 7, '!', BLACK, BRIGHT_CYAN));
                EXPECT_TRUE(harness.cell_shows(2, 9, 'N', BLACK, BRIGHT_CYAN));
            }
            if (entered && (phase == 2 || phase == 4)) {
                EXPECT_TRUE(app.get_sound_manager().are_all_sounds_finished());
            }
            if (phase == 4) {
                int flash = state->get_flash_count();
                if (flashes.empty() || flashes.back() != flash) {
                    flashes.push_back(flash);
                    SDL_Color paper = get_rgb_from_simple_colour(flash_papers[flash % 6]);
                    EXPECT_TRUE(same_rgb(harness.cell_corner(2, 6), paper)) << "flash " << flash;
                    EXPECT_TRUE(same_rgb(harness.cell_corner(2, 25), paper)) << "flash " << flash;
                }
            }
            if (entered && phase == 5) {
                expect_message(harness, 6, 25, BRIGHT_CYAN);
            }
            return false;
        },
        20000);
    ASSERT_TRUE(menu);
    EXPECT_EQ(phases, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    ASSERT_EQ(flashes.size(), 21u);
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(flashes[i], i);
    }
    EXPECT_NE(dynamic_cast<MenuSpecialState*>(app.get_current_state()), nullptr);
    EXPECT_FALSE(app.is_game_running());
    EXPECT_EQ(app.get_best_score(), score);
}

} // namespace
