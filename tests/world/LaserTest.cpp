#include "WorldFixture.h"

#include "world/FourDirectionLaserObject.h"

#include <algorithm>

namespace {

class LaserTest : public WorldTest {
protected:
    // The player stands at (10, 16); the maze is loaded and everything held,
    // as the player leaves it before firing.
    FourDirectionLaserObject& fire(MazeText& text)
    {
        load(text);
        player().init(&maze(), &sounds());
        app->hold_mobs();
        app->create_object("laser", 10, 16);
        return *dynamic_cast<FourDirectionLaserObject*>(app->get_objects().back().get());
    }

    // Chaser k lives at (home_line, home_column) and now stands at (line, column).
    void put_chaser(int k, int home_line, int home_column, int line, int column)
    {
        place_chaser(k, home_line, home_column);
        monsters().monster(k).change_position_init(line, column);
    }

    int beam_cells()
    {
        int count = 0;
        for (int l = 0; l <= maze().get_max_line(); ++l) {
            for (int c = 0; c <= maze().get_max_column(); ++c) {
                count += maze().paper(l, c) == BRIGHT_MAGENTA;
            }
        }
        return count;
    }

    bool beam_at(int line, int column) { return maze().paper(line, column) == BRIGHT_MAGENTA; }

    // Runs the objects as the game loop does until the beam ends.
    bool run_until_finished(FourDirectionLaserObject& laser)
    {
        return wait_until(
            [&] {
                app->run_objects(0.016);
                return laser.is_finished();
            },
            5000);
    }
};

TEST_F(LaserTest, WalledInPlayerStillHearsAndWaitsForTheBeam)
{
    MazeText text;
    text.open(10, 16, 16);
    FourDirectionLaserObject& laser = fire(text);

    Uint32 fired = SDL_GetTicks();
    app->run_objects(0.016);
    EXPECT_EQ(beam_cells(), 0);
    EXPECT_TRUE(laser.get_hit_monsters().empty());
    EXPECT_TRUE(sounds().is_sound_waiting_to_be_buffered(SOUND_LASER));

    ASSERT_TRUE(run_until_finished(laser));
    EXPECT_GE(SDL_GetTicks() - fired, 899u) << "play stays frozen for the whole beam";
    EXPECT_TRUE(player().is_released());
    EXPECT_TRUE(monsters().monster(0).is_released());

    app->delete_objects();
    EXPECT_TRUE(app->get_objects().empty());
}

TEST_F(LaserTest, BeamStopsAtTheFirstChaserAndNeverPaintsThePlayer)
{
    MazeText text;
    text.open(10, 12, 25).open_column(16, 8, 12).open(1, 1, 1).open(19, 1, 1).open(19, 30, 30);
    put_chaser(0, 1, 1, 10, 19);
    put_chaser(1, 19, 1, 10, 22);
    put_chaser(2, 19, 30, 11, 16);
    FourDirectionLaserObject& laser = fire(text);

    app->run_objects(0.016);
    EXPECT_FALSE(beam_at(10, 16)) << "the player's own cell";
    EXPECT_TRUE(beam_at(9, 16) && beam_at(8, 16));
    EXPECT_TRUE(beam_at(11, 16)) << "the adjacent chaser's cell";
    EXPECT_FALSE(beam_at(12, 16)) << "the beam ends on the chaser";
    for (int c = 12; c <= 15; ++c) {
        EXPECT_TRUE(beam_at(10, c)) << c;
    }
    EXPECT_TRUE(beam_at(10, 17) && beam_at(10, 18) && beam_at(10, 19));
    EXPECT_FALSE(beam_at(10, 20));
    EXPECT_FALSE(beam_at(10, 22));
    EXPECT_EQ(beam_cells(), 2 + 1 + 4 + 3);
    EXPECT_TRUE(maze().is_apple(10, 13)) << "food under the beam stays";

    std::vector<Monster*> expected{&monsters().monster(2), &monsters().monster(0)};
    EXPECT_EQ(laser.get_hit_monsters(), expected);
    EXPECT_TRUE(monsters().monster(0).is_lasered());
    EXPECT_TRUE(monsters().monster(2).is_lasered());
    EXPECT_FALSE(monsters().monster(1).is_lasered()) << "hidden behind the nearer chaser";

    // A second update before the beam ends changes nothing.
    app->run_objects(0.016);
    EXPECT_EQ(laser.get_hit_monsters().size(), 2u);
    EXPECT_EQ(beam_cells(), 10);
    EXPECT_FALSE(laser.is_finished());
    EXPECT_EQ(monsters().monster(0).column(), 19);

    ASSERT_TRUE(run_until_finished(laser));
    EXPECT_EQ(beam_cells(), 0);
    EXPECT_EQ(monsters().monster(0).line(), 1);
    EXPECT_EQ(monsters().monster(0).column(), 1);
    EXPECT_FALSE(monsters().monster(0).is_lasered());
    EXPECT_EQ(monsters().monster(2).line(), 19);
    EXPECT_EQ(monsters().monster(2).column(), 30);
    EXPECT_EQ(monsters().monster(1).column(), 22) << "the chaser behind was not hit";
    EXPECT_EQ(monsters().monster(0).get_mode(), 1) << "a chaser sent home waits one tick";
}

TEST_F(LaserTest, ChasersHitInSeveralDirectionsGoHomeInDirectionOrder)
{
    MazeText text;
    text.open(10, 12, 20).open_column(16, 6, 14);
    text.open(1, 1, 1).open(19, 1, 1).open(19, 30, 30).open(1, 30, 30);
    // Numbered against the direction order: up, down, left, right.
    put_chaser(3, 1, 30, 7, 16);
    put_chaser(2, 19, 30, 13, 16);
    put_chaser(1, 19, 1, 10, 13);
    put_chaser(0, 1, 1, 10, 20);
    FourDirectionLaserObject& laser = fire(text);

    app->run_objects(0.016);
    std::vector<Monster*> expected{&monsters().monster(3), &monsters().monster(2), &monsters().monster(1),
                                   &monsters().monster(0)};
    EXPECT_EQ(laser.get_hit_monsters(), expected);

    ASSERT_TRUE(run_until_finished(laser));
    const int homes[4][2] = {{1, 1}, {19, 1}, {19, 30}, {1, 30}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(monsters().monster(k).line(), homes[k][0]) << k;
        EXPECT_EQ(monsters().monster(k).column(), homes[k][1]) << k;
        EXPECT_TRUE(monsters().monster(k).is_released()) << k;
    }
    EXPECT_TRUE(player().is_released());

    // After the end, further updates change nothing and the deletion is asked once.
    put_chaser(0, 1, 1, 10, 20);
    app->run_objects(0.016);
    EXPECT_EQ(monsters().monster(0).column(), 20);
    EXPECT_EQ(beam_cells(), 0);
    app->delete_objects();
    EXPECT_TRUE(app->get_objects().empty());
}

} // namespace
