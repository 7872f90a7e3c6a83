#include "MenuTestFixture.h"

#include "screens/SpecialStates.h"
#include "world/CurrentMaze.h"

namespace {

using Codes = std::vector<int>;

} // namespace

TEST_F(MenuTest, PlayRefillsResetsFillsAndStartsTheGame)
{
    open_after_game();
    EXPECT_TRUE(menu()->show_background());
    ASSERT_TRUE(run_until_code(3));
    EXPECT_EQ(trail, Codes({3}));
    EXPECT_FALSE(flashing_at(23, 1));
    const int food_left = app().get_maze().get_food_count();

    press(SDLK_p);
    ASSERT_TRUE(run_until_code(6));
    EXPECT_TRUE(sounds().is_sound_waiting_to_be_buffered(SOUND_PLAY_SELECTED));
    EXPECT_TRUE(harness->cell_shows(3, 1, '7', BLUE, BRIGHT_WHITE));
    EXPECT_TRUE(harness->cell_shows(8, 1, 'X', BLUE, BRIGHT_WHITE));

    ASSERT_TRUE(run_until_flash_before(7));
    EXPECT_TRUE(flashing_at(16, 22));
    ASSERT_TRUE(run_until_code(8));
    EXPECT_GT(app().get_maze().get_food_count(), food_left);

    ASSERT_TRUE(run_until_code(10));
    EXPECT_TRUE(sounds().is_sound_waiting_to_be_buffered(SOUND_GAME_SETUP));
    ASSERT_TRUE(run_until_flash_before(11));
    EXPECT_TRUE(flashing_at(23, 1));
    EXPECT_EQ(player().get_score(), 10);

    ASSERT_TRUE(run_until_flash_before(13));
    EXPECT_TRUE(flashing_at(23, 22));
    EXPECT_EQ(player().get_score(), 0);
    EXPECT_EQ(player().get_lasers(), 21);

    ASSERT_TRUE(run_until_flash_before(15));
    EXPECT_TRUE(flashing_at(1, 24));
    EXPECT_EQ(player().get_lasers(), 20);
    EXPECT_EQ(player().get_lives(), 8);
    EXPECT_FALSE(app().is_game_running());

    ASSERT_TRUE(run_until([&] { return menu() == nullptr; }));
    EXPECT_EQ(trail, Codes({3, 5, 6, 4, 7, 8, 9, 10, 4, 11, 12, 4, 13, 14, 4, 15, -1}));
    EXPECT_EQ(silent_at_flash, std::vector<bool>(4, true));
    EXPECT_NE(dynamic_cast<NullSpecialState*>(app().get_current_state()), nullptr);
    EXPECT_TRUE(app().is_game_running());
    EXPECT_FALSE(app().is_demo_mode());
    EXPECT_EQ(player().get_lives(), 9);
}

TEST_F(MenuTest, CommandsTakeEffectAfterTheirFlash)
{
    open_after_game();
    app().update_best_score();
    ASSERT_TRUE(run_until_code(3));
    trail.clear();

    for (int i = 0; i < 4; ++i) {
        app().change_tempo();
    }
    press(SDLK_t);
    ASSERT_TRUE(run_until_flash_before(25));
    EXPECT_TRUE(flashing_at(1, 8));
    EXPECT_EQ(app().get_tempo(), 9);
    ASSERT_TRUE(run_until_code(3));
    EXPECT_EQ(app().get_tempo(), 1);
    EXPECT_EQ(trail, Codes({23, 24, 4, 25, 3}));

    trail.clear();
    for (int i = 0; i < 4; ++i) {
        app().change_grade();
    }
    press(SDLK_g);
    ASSERT_TRUE(run_until_flash_before(28));
    EXPECT_TRUE(flashing_at(1, 16));
    EXPECT_EQ(app().get_grade(), 9);
    ASSERT_TRUE(run_until_code(3));
    EXPECT_EQ(app().get_grade(), 1);
    EXPECT_EQ(trail, Codes({26, 27, 4, 28, 3}));

    trail.clear();
    ASSERT_EQ(app().get_best_score(), 10);
    press(SDLK_r);
    ASSERT_TRUE(run_until_flash_before(35));
    EXPECT_TRUE(flashing_at(23, 12));
    EXPECT_EQ(app().get_best_score(), 10);
    ASSERT_TRUE(run_until_code(3));
    EXPECT_EQ(app().get_best_score(), 0);
    EXPECT_EQ(trail, Codes({33, 34, 4, 35, 3}));

    trail.clear();
    for (int i = 0; i < 15; ++i) {
        app().change_maze();
    }
    ASSERT_EQ(app().get_maze_letter(), 'P');
    press(SDLK_m);
    ASSERT_TRUE(run_until_flash_before(31));
    EXPECT_TRUE(flashing_at(1, 1));
    EXPECT_TRUE(menu()->show_background());
    EXPECT_EQ(app().get_maze_letter(), 'P');
    ASSERT_TRUE(run_until_code(31));
    EXPECT_EQ(app().get_maze_letter(), 'A');
    ASSERT_TRUE(run_until_code(3));
    EXPECT_EQ(trail, Codes({29, 30, 4, 31, 32, 1, 3}));
    EXPECT_TRUE(harness->cell_shows(4, 23, 'M', BLACK, BRIGHT_WHITE));
    EXPECT_EQ(silent_at_flash, std::vector<bool>(4, true));

    // Demo sets up a game behind its own flash, with the game keys shown.
    trail.clear();
    press(SDLK_d);
    ASSERT_TRUE(run_until_flash_before(7));
    EXPECT_TRUE(flashing_at(14, 22));
    EXPECT_TRUE(harness->cell_shows(3, 1, '7', BLUE, BRIGHT_WHITE));
    ASSERT_TRUE(run_until_code(8));
    EXPECT_EQ(trail, Codes({16, 17, 4, 7, 8}));
}

TEST_F(MenuTest, AttractLoopStartsTheNextDemoOnTheNextMaze)
{
    open_after_demo();
    ASSERT_TRUE(run_until_flash_before(21));
    EXPECT_TRUE(sounds().is_sound_waiting_to_be_buffered(SOUND_ATTRACT));
    EXPECT_TRUE(flashing_at(14, 22));
    EXPECT_EQ(app().get_maze_letter(), 'A');
    ASSERT_TRUE(run_until([&] { return menu() == nullptr; }, 25000));
    EXPECT_EQ(trail, Codes({19, 20, 4, 21, 22, 4, 7, 8, 9, 10, 4, 11, 12, 4, 13, 14, 4, 18, -1}));
    // Only the Demo flash runs over the attract sound.
    EXPECT_EQ(silent_at_flash, std::vector<bool>({false, true, true, true, true}));
    EXPECT_EQ(app().get_maze_letter(), 'B');
    EXPECT_TRUE(app().is_game_running());
    EXPECT_TRUE(app().is_demo_mode());
}

TEST_F(MenuTest, KeyDuringTheDemoFlashStopsTheAttractLoop)
{
    open_after_demo();
    ASSERT_TRUE(run_until_flash_before(21));
    ASSERT_TRUE(sounds().is_sound_waiting_to_be_buffered(SOUND_ATTRACT));
    // Any key at all, and it goes no further.
    EXPECT_TRUE(menu()->key_down(key_event(SDLK_SPACE)));
    ASSERT_TRUE(run_until_code(3));
    EXPECT_EQ(trail, Codes({19, 20, 4, 1, 3}));
    EXPECT_EQ(menu()->get_flashing_text(), nullptr);
    EXPECT_TRUE(run_until([&] { return !sounds().is_sound_waiting_to_be_buffered(SOUND_ATTRACT); }, 1500));
    EXPECT_EQ(app().get_maze_letter(), 'A');
    EXPECT_FALSE(app().is_game_running());

    // The idle menu takes commands again.
    press(SDLK_t);
    EXPECT_TRUE(run_until([&] { return app().get_tempo() == 6 && code() == 3; }));
}
