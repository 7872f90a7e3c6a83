// A recorded session replayed through the real loop: a fixed script of
// keys and clicks, each on its frame, starting at the idle menu. The
// chasers follow real timers, so only what the script alone decides is
// checked: the settings, the maze, the game over, the best score taking the
// final score and its reset.
//
// Frames last at least 16 ms, and the menu's animations are paced by ticks
// and sounds, so the fastest frame rate needs the most frames per animation;
// the gaps below leave about a third more than that.
#include "GameSession.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

enum class Act { tap, press, release, click };

struct Cue {
    int frame;
    Act act;
    SDL_Keycode key;
    int line;
    int column;
};

Cue key(int frame, Act act, SDL_Keycode key)
{
    return Cue{frame, act, key, 0, 0};
}

Cue click(int frame, int line, int column)
{
    return Cue{frame, Act::click, SDLK_UNKNOWN, line, column};
}

const std::vector<Cue> script = {
    key(10, Act::tap, SDLK_t),       // tempo 6
    click(60, 6, 25),                // " T=Tempo " on the panel: tempo 7
    key(110, Act::tap, SDLK_g),      // grade 6
    click(160, 1, 17),               // the GRADE label: grade 7
    key(210, Act::tap, SDLK_m),      // maze B, wiped in by frame 290
    click(330, 16, 25),              // " P=Play  ": the game runs by frame 820
    key(960, Act::press, SDLK_UP),   // a step towards the food above
    key(990, Act::release, SDLK_UP), //
    click(1010, 12, 16),             // the centre of the screen fires
    key(1040, Act::tap, SDLK_x),     // game over; the menu is back by frame 1390
    key(1490, Act::tap, SDLK_r),     // best reset, idle again by frame 1580
};

// Plays the script on a session, frame by frame.
class Replay {
public:
    explicit Replay(GameSession& session)
        : session(session)
    {
    }
    // Runs frames up to (not including) this one.
    void run_to(int until)
    {
        for (; frame < until; ++frame) {
            for (; next < script.size() && script[next].frame == frame; ++next) {
                queue(script[next]);
            }
            session.frame();
        }
    }

private:
    static void queue(const Cue& cue)
    {
        switch (cue.act) {
        case Act::tap:
            GameSession::queue_tap(cue.key);
            break;
        case Act::press:
            push_key(cue.key, true);
            break;
        case Act::release:
            push_key(cue.key, false);
            break;
        case Act::click:
            GameSession::queue_click(cue.line, cue.column);
            break;
        }
    }

    GameSession& session;
    int frame = 0;
    size_t next = 0;
};

TEST(ReplayTest, RecordedMenuAndGameSessionEndsOnTheSameScreen)
{
    GameSession session;
    ASSERT_TRUE(session.walk_to_menu());
    srand(1985);
    Replay replay(session);

    replay.run_to(320);
    EXPECT_TRUE(session.menu_panel_shown());
    EXPECT_EQ(session.tempo_shown(), "7");
    EXPECT_EQ(session.grade_shown(), "7");
    EXPECT_EQ(session.maze_letter_shown(), 'B');

    replay.run_to(960);
    EXPECT_FALSE(session.menu_panel_shown()) << "the game is not running";
    EXPECT_EQ(session.maze_letter_shown(), 'B');
    EXPECT_EQ(session.tempo_shown(), "7");
    EXPECT_EQ(session.grade_shown(), "7");

    // Whether the step up scored depends on where the chasers are by then;
    // the best score follows the final score either way.
    replay.run_to(1041);
    EXPECT_TRUE(session.game_over_shown());
    const std::string score = session.score_shown();
    EXPECT_EQ(score.find('?'), std::string::npos) << score;

    replay.run_to(1490);
    EXPECT_TRUE(session.menu_panel_shown());
    EXPECT_EQ(session.best_shown(), score);

    replay.run_to(1620);
    EXPECT_TRUE(session.menu_panel_shown());
    EXPECT_EQ(session.maze_letter_shown(), 'B');
    EXPECT_EQ(session.tempo_shown(), "7");
    EXPECT_EQ(session.grade_shown(), "7");
    EXPECT_EQ(session.score_shown(), score);
    EXPECT_EQ(session.best_shown(), "00000");
}

} // namespace
