#include "World.h"

#include "screens/LevelClearSpecialState.h"

namespace {

using PlayerTest = WorldTest;

TEST_F(PlayerTest, WalksEatsAndClearsTheLevelWithTheLastFood)
{
    MazeText text;
    text.open(10, 12, 10, 20);
    begin(text);
    // R, L and U hold a direction, l is a press let go before the tick, a blank a tick without a command.
    const struct {
        char command;
        int column;
        int score;
    } walk[] = {
        {'R', 17, 10}, {'R', 18, 20}, {'R', 19, 30}, {'R', 20, 40}, {'R', 20, 40},
        {'U', 20, 40}, {'l', 19, 40}, {' ', 19, 40}, {'L', 18, 40}, {'L', 17, 40},
        {'L', 16, 40}, {'L', 15, 50}, {'L', 14, 60}, {'L', 13, 70}, {'L', 12, 80},
    };
    for (const auto& step : walk) {
        EXPECT_FALSE(state_is<LevelClearSpecialState>()) << "food is left";
        if (step.command == 'R') {
            player().move_right();
        } else if (step.command == 'U') {
            player().move_up();
        } else if (step.command != ' ') {
            player().move_left();
        }
        if (step.command == 'l') {
            player().no_movement();
        }
        player().update(0);
        EXPECT_EQ(player().line(), 10);
        EXPECT_EQ(player().column(), step.column) << "after " << step.command;
        EXPECT_EQ(player().get_score(), step.score) << "at " << step.column;
    }
    EXPECT_TRUE(state_is<LevelClearSpecialState>());
    EXPECT_FALSE(player().is_released()) << "play stops for the bonus";
    EXPECT_FALSE(chaser(2).is_released());
}

// A new game steps at the tempo and grade chosen before it; each thousand points then lowers the player's success
// level, and with it the chasers' step time, which the real loop has to pick up.
TEST(ChaserSpeed, TempoGradeAndEveryThousandPointsSpeedTheStepsUp)
{
    TestApp game(true, 99);
    GameApplication& app = game.app();
    // Nine grades and nine tempos: each press makes the next game step faster than the last (the chasers; with the
    // tempo the player too), and from the fastest one press goes round to the slowest.
    const RepeatingTimer& player_steps = app.get_player_timer();
    const RepeatingTimer& chaser_steps = app.get_chaser_timer();
    app.start_game(false); // tempo 5, grade 5
    EXPECT_EQ(std::pair(player_steps.get_interval(), chaser_steps.get_interval()), std::pair(125u, 343u));
    for (bool grade : {true, false}) {
        auto press = [&] { grade ? app.change_grade() : app.change_tempo(); };
        auto value = [&] { return grade ? app.get_grade() : app.get_tempo(); };
        while (value() != 1) {
            press();
        }
        app.start_game(false);
        for (int presses = 1; presses < 9; ++presses) {
            const unsigned player_before = player_steps.get_interval(), chaser_before = chaser_steps.get_interval();
            press();
            app.start_game(false);
            SCOPED_TRACE(::testing::Message() << (grade ? "grade " : "tempo ") << value());
            EXPECT_LT(chaser_steps.get_interval(), chaser_before);
            EXPECT_EQ(player_steps.get_interval() < player_before, !grade);
        }
        press();
        EXPECT_EQ(value(), 1) << (grade ? "grade" : "tempo") << " did not go round";
    }
    app.start_game(false);
    srand(99); // start() seeded from the clock
    const unsigned slow = app.calculate_monster_tempo_time();
    Player& player = app.get_player();
    CurrentMaze& maze = app.get_maze();
    MazeText text;
    text.open(10, 1, 10, 30);

    // Back and forth on a corridor refilled every tick: a food each tick.
    for (int eaten = 1; eaten <= 700; ++eaten) {
        maze.setup_from_text(text.text(), BRIGHT_BLUE, BRIGHT_CYAN, BRIGHT_MAGENTA);
        const int success = player.get_player_success();
        eaten % 2 == 1 ? player.move_right() : player.move_left();
        player.update(0);
        ASSERT_EQ(success - player.get_player_success(), eaten % 100 == 0 ? 1 : 0) << "at " << player.get_score();
        if (eaten % 100 == 0) {
            ASSERT_TRUE(app.get_sound_manager().is_sound_waiting_to_be_buffered(SOUND_SUCCESS)) << "no jingle";
        }
    }
    player.no_movement();
    const unsigned fast = app.calculate_monster_tempo_time();
    ASSERT_LT(fast, slow);
    EXPECT_TRUE(game.wait_for([&] { return chaser_steps.get_interval() == fast; })) << "the chasers kept their speed";
}

} // namespace
