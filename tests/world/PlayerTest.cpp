#include "WorldFixture.h"

#include "screens/EndGameSpecialState.h"
#include "screens/LevelClearSpecialState.h"
#include "world/ObjectBaseType.h"

#include <algorithm>

namespace {

class PlayerTest : public WorldTest {
protected:
    // Line 10 open from column 12 to 20 around the start cell (10, 16).
    void load_corridor()
    {
        corridor = MazeText();
        corridor.open(10, 12, 20);
        load(corridor);
        player().init(&maze(), &sounds());
    }

    MazeText corridor;
};

TEST_F(PlayerTest, StepsEatsAndStopsAtWalls)
{
    load_corridor();
    EXPECT_EQ(maze().get_food_count(), 8) << "the start cell is eaten unscored";
    EXPECT_EQ(player().get_score(), 0);

    player().move_right();
    player().update(0);
    EXPECT_EQ(player().column(), 17);
    EXPECT_EQ(player().get_score(), 10);
    EXPECT_EQ(maze().get_food_count(), 7);

    for (int i = 0; i < 6; ++i) {
        player().update(0);
    }
    EXPECT_EQ(player().line(), 10);
    EXPECT_EQ(player().column(), 20) << "the wall at column 21 stops the player";
    EXPECT_EQ(player().get_score(), 40);

    // Back over eaten cells: moving, but no more points.
    player().move_left();
    for (int i = 0; i < 4; ++i) {
        player().update(0);
    }
    EXPECT_EQ(player().column(), 16);
    EXPECT_EQ(player().get_score(), 40);

    // Up is a wall: no move, no score, and the direction is kept.
    player().move_up();
    player().update(0);
    EXPECT_EQ(player().line(), 10);
    EXPECT_EQ(player().column(), 16);
    EXPECT_EQ(player().get_score(), 40);
}

TEST_F(PlayerTest, ShortPressStillMovesOneCell)
{
    load_corridor();
    player().move_right();
    player().no_movement();
    player().update(0);
    EXPECT_EQ(player().column(), 17);
    player().update(0);
    EXPECT_EQ(player().column(), 17) << "the released press gives exactly one step";

    // Held across a tick, then released: the stop is immediate.
    player().move_left();
    player().update(0);
    EXPECT_EQ(player().column(), 16);
    player().no_movement();
    player().update(0);
    EXPECT_EQ(player().column(), 16);
}

TEST_F(PlayerTest, SuccessDropsAtEachThousandUntilZero)
{
    // A long corridor and one walled-in piece of food that keeps the maze from emptying.
    MazeText text;
    text.open(10, 1, 30).open(5, 5, 5);
    load(text);
    player().init(&maze(), &sounds());
    player().move_right();

    // Walks the corridor end to end until one more piece of food is eaten.
    auto eat_one = [&] {
        int score = player().get_score();
        while (player().get_score() == score) {
            if (maze().get_food_count() == 1) {
                load(text);
            }
            if (player().column() == 30) {
                player().move_left();
            } else if (player().column() == 1) {
                player().move_right();
            }
            player().update(0);
        }
    };

    for (int thousand = 1; thousand <= 9; ++thousand) {
        while (player().get_score() < thousand * 1000 - 10) {
            eat_one();
        }
        EXPECT_EQ(player().get_player_success(), std::max(0, 8 - thousand));
        ASSERT_TRUE(wait_for_silence());
        eat_one();
        ASSERT_EQ(player().get_score(), thousand * 1000);
        EXPECT_EQ(player().get_player_success(), std::max(0, 7 - thousand));
        EXPECT_EQ(sounds().is_sound_waiting_to_be_buffered(SOUND_SUCCESS), thousand <= 7) << thousand;
    }
    EXPECT_EQ(dynamic_cast<LevelClearSpecialState*>(app->get_current_state()), nullptr);
}

TEST_F(PlayerTest, FireRules)
{
    load_corridor();
    player().fire();
    player().no_fire();
    player().update(0);
    EXPECT_EQ(player().get_lasers(), 19);
    EXPECT_EQ(app->get_objects().size(), 1u);
    EXPECT_FALSE(player().is_released()) << "firing holds the player";
    EXPECT_FALSE(monsters().monster(0).is_released());

    // Held down, it fires again on each step after a release.
    player().fire();
    for (int shot = 0; shot < 19; ++shot) {
        app->release_mobs();
        player().update(0);
    }
    EXPECT_EQ(player().get_lasers(), 0);
    EXPECT_EQ(app->get_objects().size(), 20u);

    // Nothing to fire: the request is dropped and nothing is held.
    app->release_mobs();
    player().no_fire();
    player().fire();
    player().no_fire();
    player().update(0);
    EXPECT_TRUE(player().is_released());
    EXPECT_TRUE(monsters().monster(0).is_released());
    EXPECT_EQ(app->get_objects().size(), 20u);
    ASSERT_TRUE(player().add_to_laser_count());
    player().update(0);
    EXPECT_EQ(player().get_lasers(), 1) << "the earlier request must not fire late";

    int added = 0;
    while (player().add_to_laser_count()) {
        ++added;
    }
    EXPECT_EQ(added, 98);
    EXPECT_EQ(player().get_lasers(), 99);
}

TEST_F(PlayerTest, NinthLifeEndsTheGame)
{
    load_corridor();
    monsters().init(&maze(), &player());
    for (int life = 8; life >= 1; --life) {
        player().lose_a_life();
        EXPECT_EQ(player().get_lives(), life);
        EXPECT_FALSE(player().is_released());
        player().release();
        EXPECT_EQ(dynamic_cast<EndGameSpecialState*>(app->get_current_state()), nullptr);
    }
    EXPECT_TRUE(monsters().monster(2).is_released());
    player().lose_a_life();
    EXPECT_EQ(player().get_lives(), 0);
    EXPECT_NE(dynamic_cast<EndGameSpecialState*>(app->get_current_state()), nullptr);
    EXPECT_FALSE(player().is_released());
    for (int k = 0; k < MonsterManager::COUNT; ++k) {
        EXPECT_FALSE(monsters().monster(k).is_released());
    }
}

TEST_F(PlayerTest, LastFoodClearsTheLevelInTheSameStep)
{
    MazeText text;
    text.open(10, 16, 17);
    load(text);
    player().init(&maze(), &sounds());
    monsters().init(&maze(), &player());
    ASSERT_EQ(maze().get_food_count(), 1);

    player().move_right();
    player().fire();
    player().no_fire();
    player().update(0);
    EXPECT_TRUE(maze().maze_empty());
    EXPECT_NE(dynamic_cast<LevelClearSpecialState*>(app->get_current_state()), nullptr);
    EXPECT_FALSE(player().is_released());
    EXPECT_FALSE(monsters().monster(3).is_released());
    EXPECT_EQ(player().get_lasers(), 19) << "a fire request in the clearing step still fires";
    EXPECT_EQ(app->get_objects().size(), 1u);
}

TEST_F(PlayerTest, HeldOrWithoutMazeDoesNothing)
{
    Player fresh(*app);
    fresh.move_right();
    fresh.update(0);
    EXPECT_EQ(fresh.column(), 16);

    load_corridor();
    player().hold();
    player().move_right();
    player().update(0);
    EXPECT_EQ(player().column(), 16);
    player().release();
    player().update(0);
    EXPECT_EQ(player().column(), 17);

    // A new maze after a cleared one: back to the start, score and direction kept.
    player().reset_position();
    EXPECT_EQ(player().column(), 16);
    EXPECT_EQ(player().get_score(), 10);
    player().update(0);
    EXPECT_EQ(player().column(), 17);
}

} // namespace
