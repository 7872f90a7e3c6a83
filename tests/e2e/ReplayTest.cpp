// A recorded session played back through the real loop from the idle menu: each input goes in once the game shows what
// the player waited for, and what counts is the screen at the end.
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace {

const auto idle = [](TestApp& game) { return game.menu_idle(); };

// What the game shows before the input, and the input: a key tapped, or with no key a click on a cell.
struct Cue {
    bool (*ready)(TestApp&);
    SDL_Keycode key;
    int line = 0, column = 0;
};

const Cue session[] = {
    {idle, SDLK_t},                                                        // tempo 6
    {idle, 0, 6, 25},                                                      // " T=Tempo ": 7
    {idle, SDLK_g},                                                        // grade 6
    {idle, 0, 1, 17},                                                      // the GRADE label: 7
    {idle, SDLK_m},                                                        // maze B
    {idle, 0, 16, 25},                                                     // " P=Play  "
    {[](TestApp& game) { return game.app().is_game_running(); }, SDLK_UP}, // one step, to food
    {[](TestApp& game) { return game.scored(); }, 0, 12, 16},              // the centre fires
    {[](TestApp& game) { return game.lasers_shown() == "19"; }, SDLK_x},   // game over
    {idle, SDLK_r},                                                        // the best reset
};

TEST(ReplayTest, ARecordedMenuAndGameSessionEndsOnTheSameScreen)
{
    TestApp game;
    game.compare_every_frame();
    ASSERT_TRUE(game.open_menu());
    for (const Cue& cue : session) {
        ASSERT_TRUE(game.wait_for([&] { return cue.ready(game); })) << "cue " << &cue - session;
        cue.key != 0 ? game.tap(cue.key) : game.click_cell(cue.line, cue.column);
    }
    ASSERT_TRUE(game.wait_for([&] { return game.menu_idle(); }));
    EXPECT_TRUE(game.menu_panel_shown());
    EXPECT_EQ(game.settings_shown(), "B77");
    EXPECT_EQ(game.score_shown() + " " + game.best_shown(), "00010 00000");
}

} // namespace
