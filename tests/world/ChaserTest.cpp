#include "World.h"

#include "screens/EndGameSpecialState.h"

#include <cstdlib>
#include <utility>

namespace {

using ChaserTest = WorldTest;

TEST_F(ChaserTest, ClosesTheLongerGapFirstAndSidestepsAWall)
{
    // From a cell near the player at (10, 16), with at most one wall in the way, to the chaser's first step.
    const struct {
        int line, column, wall_line, wall_column, to_line, to_column;
    } cases[] = {
        {13, 15, 0, 0, 12, 15}, {7, 17, 0, 0, 8, 17},     {11, 11, 0, 0, 11, 12},
        {9, 20, 0, 0, 9, 19},   {13, 15, 12, 15, 13, 16}, {11, 11, 11, 12, 10, 11},
    };
    for (const auto& c : cases) {
        MazeText text;
        text.open(1, 1, 19, 30).wall(c.wall_line, c.wall_column);
        begin(text);
        place(0, c.line, c.column);
        chaser(0).update(0, sounds());
        EXPECT_EQ(std::make_pair(chaser(0).line(), chaser(0).column()), std::make_pair(c.to_line, c.to_column))
            << "from " << c.line << "," << c.column;
    }
}

// In a pocket with walls ahead and on the player's side, a chaser follows the wall out and round the bar instead of
// shuffling in and out.
TEST_F(ChaserTest, CorneredChaserFindsItsWayRound)
{
    MazeText text;
    text.open(1, 1, 19, 30).wall(10, 12).open(6, 13, 14, 13, '#');
    int ticks = 0;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        srand(seed);
        begin(text, true);
        place(0, 11, 12);
        while (ticks < 2000 && std::abs(chaser(0).line() - 10) + std::abs(chaser(0).column() - 16) > 1) {
            chaser(0).update(0, sounds());
            ++ticks;
        }
    }
    EXPECT_LT(ticks, 20 * 16);
}

class CatchTest : public WorldTest, public ::testing::WithParamInterface<bool> {};

// Whoever steps onto the other, the catch comes in that very step. Play then stands still until the catch is heard out,
// and all four chasers start again from their corners.
TEST_P(CatchTest, ComesInTheStepThatMeetsAndIsHeardOutBeforePlayGoesOn)
{
    MazeText text;
    text.open(1, 1, 19, 30);
    begin(text);
    place(0, 10, 17);
    if (GetParam()) {
        player().move_right();
        player().update(0);
    } else {
        chaser(0).update(0, sounds());
    }
    EXPECT_TRUE(chaser(0).is_caught());
    EXPECT_EQ(player().get_lives(), 8);

    std::vector<std::pair<int, int>> held;
    for (int k = 0; k < MonsterManager::COUNT; ++k) {
        held.emplace_back(chaser(k).line(), chaser(k).column());
    }
    ASSERT_TRUE(wait_until(
        [&] {
            player().update(0);
            monsters().update(0, sounds());
            if (chaser(0).is_caught()) {
                for (int k = 0; k < MonsterManager::COUNT; ++k) {
                    EXPECT_EQ(std::make_pair(chaser(k).line(), chaser(k).column()), held[k]) << "chaser " << k;
                }
            }
            return !chaser(0).is_caught();
        },
        10000));
    EXPECT_EQ(std::make_pair(player().line(), player().column()), held[0]) << "the player moved while caught";
    monsters().update(0, sounds());
    monsters().update(0, sounds());
    const std::pair<int, int> corners[4] = {{1, 1}, {19, 1}, {19, 30}, {1, 30}};
    for (int k = 0; k < MonsterManager::COUNT; ++k) {
        EXPECT_NE(std::make_pair(chaser(k).line(), chaser(k).column()), corners[k]) << "chaser " << k << " stays put";
    }
    EXPECT_TRUE(player().is_released());
}

INSTANTIATE_TEST_SUITE_P(PlayerOrChaserSteps, CatchTest, ::testing::Bool());

TEST_F(ChaserTest, TheNinthCatchEndsTheGame)
{
    MazeText text;
    text.open(10, 1, 10, 30);
    begin(text, true);
    for (int catches = 1; catches <= 9; ++catches) {
        EXPECT_FALSE(state_is<EndGameSpecialState>()) << "after " << catches - 1 << " catches";
        place(0, 10, player().column() + 1);
        chaser(0).update(0, sounds());
        ASSERT_TRUE(chaser(0).is_caught());
        if (catches < 9) {
            chaser(0).update(0, sounds());
        }
    }
    EXPECT_TRUE(state_is<EndGameSpecialState>());
    EXPECT_EQ(player().get_lives(), 0);
    EXPECT_FALSE(player().is_released());
    EXPECT_FALSE(chaser(3).is_released());
}

} // namespace
