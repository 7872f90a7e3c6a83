#include "WorldFixture.h"

#include "world/DemoController.h"

#include <functional>

namespace {

enum { UP = 0, LEFT = 1, DOWN = 2, RIGHT = 3 };

class DemoControllerTest : public WorldTest {
protected:
    // Line 10 open from column 4 to 28, around the player's start (10, 16).
    void load_corridor()
    {
        text = MazeText();
        text.open(10, 4, 28);
        load(text);
        player().init(&maze(), &sounds());
        eat_all_food();
    }

    // A controller whose current direction is d (it starts at random).
    DemoController make_controller(int d)
    {
        for (unsigned seed = 1;; ++seed) {
            srand(seed);
            DemoController c(&player(), &monsters(), &maze());
            if (c.get_current_direction() == d) {
                return c;
            }
        }
    }

    // Seeds rand so that its first draws, taken mod 100, pass the test.
    void seed_draws(const std::function<bool(const int*)>& wanted, int count)
    {
        for (unsigned seed = 1;; ++seed) {
            srand(seed);
            int draws[8];
            for (int i = 0; i < count; ++i) {
                draws[i] = rand() % 100;
            }
            if (wanted(draws)) {
                srand(seed);
                return;
            }
        }
    }

    void seed_full_decision_without_shots(int chasers_in_sight)
    {
        seed_draws(
            [chasers_in_sight](const int* d) {
                for (int i = 1; i <= chasers_in_sight; ++i) {
                    if (d[i] < DemoController::USE_LASER_THRESHOLD) {
                        return false;
                    }
                }
                return d[0] >= DemoController::PAYING_ATTENTION_THRESHOLD;
            },
            chasers_in_sight + 1);
    }

    MazeText text;
};

TEST_F(DemoControllerTest, KeepsStraightOnTowardsNearFood)
{
    load_corridor();
    DemoController demo = make_controller(RIGHT);
    load(text);
    for (int c = 4; c <= 28; ++c) {
        if (c != 17 && c != 18) {
            maze().maze_eat(10, c);
        }
    }
    seed_full_decision_without_shots(0);
    demo.update(0);
    EXPECT_EQ(demo.get_weight(UP), -1000);
    EXPECT_EQ(demo.get_weight(LEFT), -19);
    EXPECT_EQ(demo.get_weight(DOWN), -1000);
    EXPECT_EQ(demo.get_weight(RIGHT), 40);
    EXPECT_EQ(demo.get_current_direction(), RIGHT);
    player().update(0);
    EXPECT_EQ(player().column(), 17);
}

TEST_F(DemoControllerTest, OnlyTheFirstTwoFoodCellsCount)
{
    load_corridor();
    DemoController demo = make_controller(UP);
    load(text);
    // Left: food at distances 1 to 4; right: only at 3 and beyond.
    for (int c = 4; c <= 28; ++c) {
        if (!(c >= 12 && c <= 15) && c < 19) {
            maze().maze_eat(10, c);
        }
    }
    seed_full_decision_without_shots(0);
    demo.update(0);
    EXPECT_EQ(demo.get_weight(UP), -1000);
    EXPECT_EQ(demo.get_weight(LEFT), 40);
    EXPECT_EQ(demo.get_weight(DOWN), -1019);
    EXPECT_EQ(demo.get_weight(RIGHT), 0);
    EXPECT_EQ(demo.get_current_direction(), LEFT);
}

TEST_F(DemoControllerTest, ChasersCostByDistance)
{
    load_corridor();
    place_chaser(0, 10, 17); // adjacent on the right: 100
    place_chaser(3, 10, 18); // behind it, distance 2: 81
    place_chaser(1, 10, 6);  // ten to the left: 1
    place_chaser(2, 10, 5);  // eleven to the left: out of sight
    DemoController demo = make_controller(UP);
    seed_full_decision_without_shots(3);
    demo.update(0);
    EXPECT_EQ(demo.get_weight(LEFT), -1);
    EXPECT_EQ(demo.get_weight(RIGHT), -181);
    EXPECT_EQ(demo.get_weight(DOWN), -1019);
    EXPECT_EQ(demo.get_current_direction(), LEFT);
    EXPECT_EQ(demo.get_shot_delay(), 0);
    EXPECT_EQ(DemoController::GetMonsterWeighting(0), 100);
    EXPECT_EQ(DemoController::GetMonsterWeighting(9), 1);
}

TEST_F(DemoControllerTest, FiringDecisionGivesNoMoveAndFiresOnce)
{
    load_corridor();
    place_chaser(0, 10, 19);
    DemoController demo = make_controller(LEFT);
    player().move_up(); // into the wall: the player stays put unless told otherwise
    seed_draws([](const int* d) { return d[0] >= 25 && d[1] < 15; }, 2);
    demo.update(0);
    EXPECT_EQ(demo.get_shot_delay(), DemoController::INTER_SHOT_STEP_DELAY);
    EXPECT_EQ(demo.get_current_direction(), LEFT);

    player().update(0);
    EXPECT_EQ(player().column(), 16) << "no move command on a firing decision";
    EXPECT_EQ(player().get_lasers(), 19);
    EXPECT_EQ(app->get_objects().size(), 1u);
    app->release_mobs();
    player().update(0);
    EXPECT_EQ(player().get_lasers(), 19) << "one shot per decision";
}

TEST_F(DemoControllerTest, WaitsAHundredDecisionsBetweenShots)
{
    load_corridor();
    place_chaser(0, 10, 19);
    DemoController demo = make_controller(LEFT);
    seed_draws([](const int* d) { return d[0] >= 25 && d[1] < 15; }, 2);
    demo.update(0);
    ASSERT_EQ(demo.get_shot_delay(), 100);

    srand(77);
    int decisions = 0;
    int ticks = 0;
    while (demo.get_shot_delay() > 0) {
        int before = demo.get_shot_delay();
        demo.update(0);
        ++ticks;
        ASSERT_LE(demo.get_shot_delay(), before) << "fired again after " << decisions << " decisions";
        ASSERT_GE(demo.get_shot_delay(), before - 1);
        decisions += before - demo.get_shot_delay();
    }
    EXPECT_EQ(decisions, 100);
    EXPECT_GT(ticks, 100) << "some ticks only repeated the direction";

    // With the delay over, a shot comes again before long.
    for (int i = 0; i < 1000 && demo.get_shot_delay() == 0; ++i) {
        demo.update(0);
    }
    EXPECT_EQ(demo.get_shot_delay(), 100);
}

} // namespace
