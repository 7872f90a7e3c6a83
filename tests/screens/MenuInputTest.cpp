#include "MenuTestFixture.h"

#include "display/Window.h"
#include "screens/InstructionsState.h"

namespace {

using Codes = std::vector<int>;

} // namespace

TEST_F(MenuTest, LettersAreSwallowedUnlessTheMenuIsIdle)
{
    // From the instructions the maze wipes in over the old picture, then the panel builds up.
    app().show_game_menu(true);
    ASSERT_EQ(code(), 0);
    EXPECT_TRUE(menu()->show_background());
    EXPECT_TRUE(menu()->key_down(key_event(SDLK_t)));
    EXPECT_TRUE(menu()->key_down(key_event(SDLK_i)));
    press(SDLK_m);
    press(SDLK_p);
    ASSERT_TRUE(run_until_code(1));
    EXPECT_FALSE(menu()->show_background());
    EXPECT_EQ(menu()->get_progress(), 0);
    ASSERT_TRUE(run_until_code(3));
    EXPECT_EQ(trail, Codes({1, 3}));
    EXPECT_EQ(app().get_tempo(), 5);
    EXPECT_EQ(app().get_maze_letter(), 'A');
    EXPECT_TRUE(harness->cell_shows(3, 22, ' ', BLACK, BRIGHT_WHITE));
    EXPECT_TRUE(harness->cell_shows(18, 23, 'S', BLACK, BRIGHT_WHITE));
    EXPECT_TRUE(harness->cell_shows(19, 30, ' ', BLACK, BRIGHT_WHITE));

    // S is taken and does nothing; keys that are no command are left alone.
    EXPECT_TRUE(menu()->key_down(key_event(SDLK_s)));
    EXPECT_EQ(code(), 3);
    EXPECT_TRUE(sounds().are_all_sounds_finished());
    EXPECT_FALSE(menu()->key_down(key_event(SDLK_x)));
    EXPECT_FALSE(menu()->key_down(key_event(SDLK_ESCAPE)));

    // A shifted letter acts like the plain one; a letter during its animation is lost.
    trail.clear();
    press(SDLK_t, KMOD_LSHIFT);
    ASSERT_TRUE(run_until_code(23));
    press(SDLK_g);
    ASSERT_TRUE(run_until_code(3));
    EXPECT_EQ(trail, Codes({23, 24, 4, 25, 3}));
    EXPECT_EQ(app().get_tempo(), 6);
    EXPECT_EQ(app().get_grade(), 5);

    // Escape reaches the program's own handling and quits.
    EXPECT_FALSE(app().quit_requested());
    press(SDLK_ESCAPE);
    EXPECT_TRUE(app().quit_requested());

    press(SDLK_i);
    EXPECT_NE(dynamic_cast<FromMenuInstructionState*>(app().get_current_state()), nullptr);
}

TEST_F(MenuTest, ClicksFollowTheCommandAndLabelAreas)
{
    open_idle();
    MenuSpecialState& m = *menu();
    const int g = glyph_size;
    const int h = g / 2;

    // Commands: columns 21 to 30, from half a cell above each item to half a
    // cell below the line under it; the shared row belongs to the upper one.
    EXPECT_EQ(m.find_region(' ', 26 * g, 16 * g + h), 'P');
    EXPECT_EQ(m.find_region(' ', 21 * g, 4 * g - h), 'M');
    EXPECT_EQ(m.find_region(' ', 21 * g, 4 * g - h - 1), ' ');
    EXPECT_EQ(m.find_region(' ', 21 * g - 1, 4 * g), ' ');
    EXPECT_EQ(m.find_region(' ', 31 * g - 1, 4 * g), 'M');
    EXPECT_EQ(m.find_region(' ', 31 * g, 4 * g), ' ');
    EXPECT_EQ(m.find_region(' ', 25 * g, 5 * g + h), 'M');
    EXPECT_EQ(m.find_region(' ', 25 * g, 5 * g + h + 1), 'T');
    EXPECT_EQ(m.find_region(' ', 25 * g, 17 * g + h), 'P');
    EXPECT_EQ(m.find_region(' ', 25 * g, 17 * g + h + 1), 'S');
    EXPECT_EQ(m.find_region(' ', 25 * g, 19 * g + h), 'S');
    EXPECT_EQ(m.find_region(' ', 25 * g, 19 * g + h + 1), ' ');

    // Labels: MAZE columns 0-6, TEMPO 7-14, GRADE 15-22 around line 1;
    // BEST 11-21 around line 23. LIVES, SCORE and LASERS are not touchable.
    EXPECT_EQ(m.find_region(' ', 0, h), 'M');
    EXPECT_EQ(m.find_region(' ', 0, h - 1), ' ');
    EXPECT_EQ(m.find_region(' ', 7 * g - 1, g), 'M');
    EXPECT_EQ(m.find_region(' ', 7 * g, g), 'T');
    EXPECT_EQ(m.find_region(' ', 15 * g - 1, 2 * g + h), 'T');
    EXPECT_EQ(m.find_region(' ', 15 * g, 2 * g + h), 'G');
    EXPECT_EQ(m.find_region(' ', 15 * g, 2 * g + h + 1), ' ');
    EXPECT_EQ(m.find_region(' ', 23 * g - 1, g), 'G');
    EXPECT_EQ(m.find_region(' ', 23 * g, g), ' ');
    EXPECT_EQ(m.find_region(' ', 11 * g - 1, 23 * g), ' ');
    EXPECT_EQ(m.find_region(' ', 11 * g, 23 * g - h), 'R');
    EXPECT_EQ(m.find_region(' ', 22 * g - 1, 24 * g + h), 'R');
    EXPECT_EQ(m.find_region(' ', 22 * g, 23 * g), ' ');
    EXPECT_EQ(m.find_region(' ', 11 * g, 23 * g - h - 1), ' ');

    // A click outside every area is left alone; S is taken and does nothing.
    EXPECT_FALSE(menu()->mouse_down(5 * g, 12 * g));
    EXPECT_TRUE(menu()->mouse_down(26 * g, 18 * g + g / 2));
    EXPECT_EQ(code(), 3);
    EXPECT_TRUE(sounds().are_all_sounds_finished());

    // The TEMPO label acts as T; GRADE clicked during the animation is taken and lost.
    EXPECT_TRUE(menu()->mouse_down(10 * g, g));
    EXPECT_EQ(code(), 23);
    EXPECT_TRUE(menu()->mouse_down(18 * g, g));
    EXPECT_EQ(code(), 23);
    ASSERT_TRUE(run_until_code(3));
    EXPECT_EQ(trail, Codes({24, 4, 25, 3}));
    EXPECT_EQ(app().get_tempo(), 6);
    EXPECT_EQ(app().get_grade(), 5);

    // After F4 the cells grow and the areas follow them.
    press(SDLK_F4);
    const int bigger = glyph_size;
    ASSERT_NE(bigger, g);
    EXPECT_TRUE(menu()->mouse_down(30 * bigger, 14 * bigger + bigger / 2));
    EXPECT_EQ(code(), 16);
}
