#include "WorldFixture.h"

#include "app/Utilities.h"
#include "world/MazeData.h"

namespace {

class ChaseRunTest : public WorldTest {
protected:
    bool inside_open_cell(int line, int column)
    {
        return line >= 0 && line <= maze().get_max_line() && column >= 0 && column <= maze().get_max_column() &&
               !maze().is_wall(line, column);
    }

    // One random command for the player, now and then.
    void steer_randomly()
    {
        switch (Utilities::randomInt(0, 7)) {
        case 0:
            player().move_up();
            break;
        case 1:
            player().move_down();
            break;
        case 2:
            player().move_left();
            break;
        case 3:
            player().move_right();
            break;
        case 4:
            player().no_movement();
            break;
        default:
            break;
        }
    }
};

TEST_F(ChaseRunTest, ChasersNeverShareACellOrLeaveTheMaze)
{
    for (int n = 0; n < MAZE_COUNT; ++n) {
        srand(1000 + n);
        maze().setup_current_maze(app->get_maze_database(), n);
        // Silent player: a catch then resolves on the catcher's next tick.
        player().init(&maze(), nullptr);
        monsters().init(&maze(), &player());
        int catches = 0;

        for (int tick = 0; tick < 4000; ++tick) {
            steer_randomly();
            player().update(0);
            if (tick % 3 != 0) {
                monsters().update(0, sounds());
            }
            if (player().get_lives() < 3) {
                catches += 9 - player().get_lives();
                player().fill_lives();
            }
            if (maze().get_food_count() < 10) {
                maze().setup_current_maze(app->get_maze_database(), n);
            }

            ASSERT_TRUE(inside_open_cell(player().line(), player().column())) << "maze " << n << " tick " << tick;
            for (int a = 0; a < MonsterManager::COUNT; ++a) {
                Monster& m = monsters().monster(a);
                ASSERT_TRUE(inside_open_cell(m.line(), m.column())) << "maze " << n << " chaser " << a;
                for (int b = a + 1; b < MonsterManager::COUNT; ++b) {
                    Monster& other = monsters().monster(b);
                    ASSERT_FALSE(m.line() == other.line() && m.column() == other.column())
                        << "maze " << n << " tick " << tick << " chasers " << a << " and " << b;
                }
            }
        }
        catches += 9 - player().get_lives();
        EXPECT_GT(catches, 0) << "maze " << n << ": the chasers should catch a random walker";
    }
}

} // namespace
