// A recorded session replayed through the real loop: a fixed script of keys
// and clicks, each on its frame, starting at the idle menu. The chasers
// follow real timers, so only what the script alone decides is checked: the
// settings, the maze, the game over, the best score taking the final score
// and its reset.
//
// Frames last at least 16 ms, and the menu's animations are paced by ticks
// and sounds, so the fastest frame rate needs the most frames per animation;
// the gaps below leave about a third more than that.
#include "support/TestApp.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A key tapped, pressed (+) or released (-), or a click on a cell.
struct Cue {
    int frame;
    char act; // 't', '+', '-' or 'c'
    SDL_Keycode key;
    int line = 0;
    int column = 0;
};

const Cue script[] = {
    {10, 't', SDLK_t},      // tempo 6
    {60, 'c', 0, 6, 25},    // " T=Tempo " on the panel: tempo 7
    {110, 't', SDLK_g},     // grade 6
    {160, 'c', 0, 1, 17},   // the GRADE label: grade 7
    {210, 't', SDLK_m},     // maze B, wiped in by frame 290
    {330, 'c', 0, 16, 25},  // " P=Play  ": the game runs by frame 820
    {960, '+', SDLK_UP},    // a step towards the food above
    {990, '-', SDLK_UP},    //
    {1010, 'c', 0, 12, 16}, // the centre of the screen fires
    {1040, 't', SDLK_x},    // game over; the menu is back by frame 1390
    {1490, 't', SDLK_r},    // best reset, idle again by frame 1580
};

class ReplayTest : public ::testing::Test {
protected:
    // Plays the script up to (not including) this frame.
    void run_to(int until)
    {
        for (; frame < until; ++frame) {
            for (const Cue& cue : script) {
                if (cue.frame != frame) {
                    continue;
                }
                if (cue.act == 'c') {
                    TestApp::queue_click(cue.line, cue.column);
                } else if (cue.act == 't') {
                    TestApp::queue_tap(cue.key);
                } else {
                    push_key(cue.key, cue.act == '+');
                }
            }
            game.frame();
        }
    }
    std::string settings()
    {
        return std::string{game.maze_letter_shown()}.append(game.tempo_shown()).append(game.grade_shown());
    }

    TestApp game;
    int frame = 0;
};

TEST_F(ReplayTest, RecordedMenuAndGameSessionEndsOnTheSameScreen)
{
    ASSERT_TRUE(game.walk_to_menu());
    srand(1985);
    run_to(320);
    EXPECT_TRUE(game.menu_panel_shown());
    EXPECT_EQ(settings(), "B77");

    run_to(960);
    EXPECT_FALSE(game.menu_panel_shown()) << "the game is not running";
    EXPECT_EQ(settings(), "B77");

    // Whether the step up scored depends on where the chasers are by then;
    // the best score follows the final score either way.
    run_to(1041);
    EXPECT_TRUE(game.game_over_shown());
    const std::string score = game.score_shown();
    EXPECT_EQ(score.find('?'), std::string::npos) << score;
    run_to(1490);
    EXPECT_TRUE(game.menu_panel_shown());
    EXPECT_EQ(game.best_shown(), score);

    run_to(1620);
    EXPECT_TRUE(game.menu_panel_shown());
    EXPECT_EQ(settings(), "B77");
    EXPECT_EQ(game.score_shown(), score);
    EXPECT_EQ(game.best_shown(), "00000");
}

} // namespace
