#include "screens/EndGameSpecialState.h"
#include "screens/SpecialStates.h"
#include "support/AppHarness.h"
#include "world/DemoController.h"
#include "world/Player.h"

#include <gtest/gtest.h>

namespace {

class GameFlowTest : public ::testing::Test {
protected:
    GameApplication& app() { return harness.app(); }
    AppHarness harness;
};

TEST_F(GameFlowTest, SettingsWrapAndStepTimesFollowThem)
{
    EXPECT_EQ(app().get_maze_letter(), 'A');
    EXPECT_EQ(app().calculate_player_tempo_time(), 125u);
    EXPECT_EQ(app().calculate_monster_tempo_time(), 343u);
    for (int i = 0; i < 15; ++i) {
        app().change_maze();
    }
    EXPECT_EQ(app().get_maze_letter(), 'P');
    app().change_maze();
    EXPECT_EQ(app().get_maze_letter(), 'A');

    while (app().get_tempo() != 9) {
        app().change_tempo();
    }
    while (app().get_grade() != 9) {
        app().change_grade();
    }
    EXPECT_EQ(app().calculate_player_tempo_time(), 41u);
    EXPECT_EQ(app().calculate_monster_tempo_time(), (7u + 7u + 4u) * 2u * 41u / 16u);
    app().change_tempo();
    app().change_grade();
    EXPECT_EQ(app().get_tempo(), 1);
    EXPECT_EQ(app().get_grade(), 1);
    EXPECT_EQ(app().calculate_player_tempo_time(), 209u);
}

TEST_F(GameFlowTest, StartingAGameFillsThePlayerAndRunsTheEngine)
{
    app().start_game(false);
    EXPECT_TRUE(app().is_game_running());
    EXPECT_FALSE(app().is_demo_mode());
    EXPECT_EQ(app().get_player().get_lives(), 9);
    EXPECT_EQ(app().get_player().get_lasers(), 20);
    EXPECT_EQ(app().get_maze().get_food_count(), 322) << "start cells are eaten";
    EXPECT_EQ(app().get_controllers().size(), 1u);
    EXPECT_NE(dynamic_cast<NullSpecialState*>(app().get_current_state()), nullptr);

    app().end_game();
    harness.frame();
    EXPECT_EQ(app().get_controllers().size(), 1u) << "a player's game keeps only the player";
    EXPECT_NE(dynamic_cast<EndGameSpecialState*>(app().get_current_state()), nullptr);
    EXPECT_TRUE(app().is_game_running()) << "the last picture stays live under the message";

    // "x" while the game-over message shows ends the game again.
    app().end_game();
    EXPECT_NE(dynamic_cast<EndGameSpecialState*>(app().get_current_state()), nullptr);
}

TEST_F(GameFlowTest, DemoGamesAddAndRemoveTheComputerPlayer)
{
    app().start_game(true);
    ASSERT_EQ(app().get_controllers().size(), 2u);
    EXPECT_EQ(app().get_controllers()[0], &app().get_player());
    EXPECT_EQ(app().get_controllers()[1], &app().get_demo_controller());
    app().end_game();
    app().delete_objects();
    EXPECT_EQ(app().get_controllers().size(), 1u);
}

TEST_F(GameFlowTest, ObjectsAreDeletedOnceAndOnlyByName)
{
    app().start_game(false);
    app().create_object("rocket", 10, 16);
    EXPECT_TRUE(app().get_objects().empty());
    app().create_object("laser", 10, 16);
    ASSERT_EQ(app().get_objects().size(), 1u);
    ObjectBaseType* laser = app().get_objects()[0].get();
    app().schedule_object_delete(laser);
    app().schedule_object_delete(laser);
    EXPECT_EQ(app().get_objects().size(), 1u) << "scheduled, not yet removed";
    app().delete_objects();
    EXPECT_TRUE(app().get_objects().empty());
    app().delete_objects();
    app().schedule_remove_controller(&app().get_demo_controller());
    app().delete_objects();
    EXPECT_EQ(app().get_controllers().size(), 1u);
}

TEST_F(GameFlowTest, LasersAndLivesAreFilledAndCapped)
{
    app().start_game(false);
    Player& player = app().get_player();
    for (int i = 0; i < 100; ++i) {
        app().add_to_laser_count();
    }
    EXPECT_EQ(player.get_lasers(), 99);
    EXPECT_FALSE(player.add_to_laser_count());
    app().fill_lasers();
    EXPECT_EQ(player.get_lasers(), 20);
    player.lose_a_life();
    app().fill_lives();
    EXPECT_EQ(player.get_lives(), 9);
    app().reset_score();
    EXPECT_EQ(player.get_score(), 0);
}

} // namespace
