#include "WorldFixture.h"

#include "screens/EndGameSpecialState.h"

namespace {

constexpr int corner_line[4] = {1, 19, 19, 1};
constexpr int corner_column[4] = {1, 1, 30, 30};

class MonsterTest : public WorldTest {
protected:
    // An open block around the player's start cell (10, 16).
    MazeText open_block()
    {
        MazeText text;
        for (int line = 8; line <= 14; ++line) {
            text.open(line, 8, 20);
        }
        return text;
    }

    void start(MazeText& text)
    {
        load(text);
        player().init(&maze(), &sounds());
    }

    Monster& chaser(int k) { return monsters().monster(k); }
};

TEST_F(MonsterTest, ChaseTriesLongerAxisThenOtherThenFollowsWall)
{
    // The player is two lines up and five columns right of (12, 11).
    MazeText text = open_block();
    start(text);
    place_chaser(0, 12, 11);
    chaser(0).update(0, sounds());
    EXPECT_EQ(chaser(0).line(), 12);
    EXPECT_EQ(chaser(0).column(), 12) << "right first";
    EXPECT_EQ(chaser(0).get_mode(), 2);

    text.wall(12, 12);
    start(text);
    place_chaser(0, 12, 11);
    chaser(0).update(0, sounds());
    EXPECT_EQ(chaser(0).line(), 11) << "then up";
    EXPECT_EQ(chaser(0).column(), 11);

    // Both blocked: a wall follower heading right turns down, the only way out.
    // Its hand mostly points at the player (left), which makes that turn the
    // wrong way round and keeps it following.
    text.wall(11, 11);
    int still_following = 0;
    for (unsigned seed = 0; seed < 200; ++seed) {
        start(text);
        srand(seed);
        place_chaser(0, 12, 11);
        chaser(0).update(0, sounds());
        ASSERT_EQ(chaser(0).line(), 13) << seed;
        ASSERT_EQ(chaser(0).column(), 11) << seed;
        if (chaser(0).get_mode() == 3) {
            ++still_following;
        }
    }
    EXPECT_GT(still_following, 160);
    EXPECT_LT(still_following, 200);
}

TEST_F(MonsterTest, EqualDistancesTakeBothAxes)
{
    MazeText text = open_block();
    start(text);
    int vertical = 0;
    int horizontal = 0;
    for (int i = 0; i < 200; ++i) {
        place_chaser(0, 13, 13);
        chaser(0).update(0, sounds());
        if (chaser(0).line() == 12 && chaser(0).column() == 13) {
            ++vertical;
        } else if (chaser(0).line() == 13 && chaser(0).column() == 14) {
            ++horizontal;
        }
    }
    EXPECT_EQ(vertical + horizontal, 200);
    EXPECT_GT(vertical, 60);
    EXPECT_GT(horizontal, 60);
}

TEST_F(MonsterTest, BoxedInChaserStaysUntilAWayOpens)
{
    MazeText text;
    text.open(10, 4, 8).open(10, 16, 16);
    start(text);
    place_chaser(1, 10, 5);
    place_chaser(0, 10, 6);
    place_chaser(2, 10, 7);
    for (int i = 0; i < 5; ++i) {
        chaser(0).update(0, sounds());
        EXPECT_EQ(chaser(0).line(), 10);
        EXPECT_EQ(chaser(0).column(), 6);
        EXPECT_EQ(chaser(0).get_mode(), 3);
    }
    EXPECT_EQ(monsters().monster_at_location(10, 5), &chaser(1));

    chaser(1).change_position_init(10, 4);
    chaser(0).update(0, sounds());
    EXPECT_EQ(chaser(0).column(), 5);
    EXPECT_EQ(chaser(2).column(), 7);
}

TEST_F(MonsterTest, ChaserSentHomeWaitsOneTick)
{
    player().init(&maze(), &sounds());
    monsters().init(&maze(), &player());
    monsters().update(0, sounds());
    ASSERT_FALSE(chaser(0).line() == 1 && chaser(0).column() == 1);

    chaser(0).hit_by_laser();
    chaser(0).go_home();
    EXPECT_FALSE(chaser(0).is_lasered());
    EXPECT_EQ(chaser(0).get_mode(), 1);
    chaser(0).update(0, sounds());
    EXPECT_EQ(chaser(0).line(), 1);
    EXPECT_EQ(chaser(0).column(), 1);
    chaser(0).update(0, sounds());
    EXPECT_FALSE(chaser(0).line() == 1 && chaser(0).column() == 1);
}

TEST_F(MonsterTest, CatchFreezesUntilSilenceThenRestartsFromCorners)
{
    player().init(&maze(), &sounds());
    monsters().init(&maze(), &player());
    chaser(0).change_position_init(9, 16);
    monsters().update(0, sounds());
    EXPECT_EQ(chaser(0).line(), 9) << "waits one tick first";
    monsters().update(0, sounds());

    ASSERT_TRUE(chaser(0).is_caught());
    EXPECT_EQ(player().get_lives(), 8);
    EXPECT_FALSE(player().is_released());
    EXPECT_TRUE(chaser(0).is_released());
    for (int k = 1; k < 4; ++k) {
        EXPECT_FALSE(chaser(k).is_released()) << k;
    }

    int lines[4];
    int columns[4];
    for (int k = 0; k < 4; ++k) {
        lines[k] = chaser(k).line();
        columns[k] = chaser(k).column();
    }
    ASSERT_TRUE(wait_until(
        [&] {
            monsters().update(0, sounds());
            if (chaser(0).is_caught()) {
                for (int k = 0; k < 4; ++k) {
                    EXPECT_EQ(chaser(k).line(), lines[k]);
                    EXPECT_EQ(chaser(k).column(), columns[k]);
                }
            }
            return !chaser(0).is_caught();
        },
        10000));
    EXPECT_TRUE(sounds().are_all_sounds_finished());
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(chaser(k).line(), corner_line[k]) << k;
        EXPECT_EQ(chaser(k).column(), corner_column[k]) << k;
        EXPECT_EQ(chaser(k).get_mode(), k == 0 ? 1 : 2) << k;
        EXPECT_TRUE(chaser(k).is_released()) << k;
    }
    EXPECT_TRUE(player().is_released());
    EXPECT_EQ(player().line(), 10);
    EXPECT_EQ(player().column(), 16);

    monsters().hold_all_but_me(nullptr);
    for (int k = 0; k < 4; ++k) {
        EXPECT_FALSE(chaser(k).is_released()) << k;
    }
}

TEST_F(MonsterTest, CatchOnLastLifeCarriesIntoTheNextGame)
{
    player().init(&maze(), nullptr);
    monsters().init(&maze(), &player());
    for (int i = 0; i < 8; ++i) {
        player().lose_a_life();
    }
    player().release();
    chaser(0).change_position_init(9, 16);
    monsters().update(0, sounds());
    monsters().update(0, sounds());
    ASSERT_TRUE(chaser(0).is_caught());
    EXPECT_EQ(player().get_lives(), 0);
    EXPECT_NE(dynamic_cast<EndGameSpecialState*>(app->get_current_state()), nullptr);
    monsters().update(0, sounds());
    EXPECT_TRUE(chaser(0).is_caught()) << "the game is over: everything stays held";
    EXPECT_FALSE(chaser(0).is_released());

    // A new game: the catch is finished off on the first silent tick.
    player().init(&maze(), nullptr);
    monsters().init(&maze(), &player());
    EXPECT_TRUE(chaser(0).is_caught());
    ASSERT_TRUE(wait_until(
        [&] {
            chaser(0).update(0, sounds());
            return !chaser(0).is_caught();
        },
        10000));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(chaser(k).line(), corner_line[k]) << k;
        EXPECT_EQ(chaser(k).column(), corner_column[k]) << k;
        EXPECT_EQ(chaser(k).get_mode(), 1) << k;
    }
    EXPECT_TRUE(player().is_released());
    EXPECT_EQ(player().get_lives(), 9);
}

} // namespace
