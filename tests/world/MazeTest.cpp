#include "World.h"

#include "world/DemoController.h"
#include "world/MazeData.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int LINES = 21;
constexpr int COLUMNS = 32;
// The player's start and the chasers' corners.
constexpr int starts[5][2] = {{10, 16}, {1, 1}, {19, 1}, {19, 30}, {1, 30}};
constexpr int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

class EveryMaze : public WorldTest, public ::testing::WithParamInterface<int> {
protected:
    const char* const* rows() { return maze_list[GetParam()]; }
    bool open(int line, int column)
    {
        return line >= 0 && line < LINES && column >= 0 && column < COLUMNS && rows()[line][column] == ' ';
    }
    bool open_in_play(int line, int column) { return open(line, column) && !maze().is_wall(line, column); }
};

// A chaser heading for the player must never corner it in a dead end, and every food must be reachable or the level
// could never be cleared.
TEST_P(EveryMaze, IsClosedConnectedAndWithoutDeadEnds)
{
    for (int line = 0; line < LINES; ++line) {
        ASSERT_NE(rows()[line], nullptr);
        const size_t width = COLUMNS;
        ASSERT_TRUE(std::strlen(rows()[line]) == width && std::strspn(rows()[line], "# ") == width) << line;
    }
    EXPECT_EQ(rows()[LINES], nullptr);
    for (int line = 0; line < LINES; ++line) {
        for (int column = 0; column < COLUMNS; ++column) {
            bool border = line == 0 || line == LINES - 1 || column == 0 || column == COLUMNS - 1;
            EXPECT_FALSE(border && open(line, column)) << "the border is open at " << line << "," << column;
            if (open(line, column)) {
                int ways =
                    open(line - 1, column) + open(line + 1, column) + open(line, column - 1) + open(line, column + 1);
                EXPECT_GE(ways, 2) << "dead end at " << line << "," << column;
            }
        }
    }
    for (const auto& s : starts) {
        EXPECT_TRUE(open(s[0], s[1])) << "start " << s[0] << "," << s[1];
    }
    // Spreads out from the player's start until nothing more is reached.
    std::vector<std::string> reach(rows(), rows() + LINES);
    reach[10][16] = '.';
    for (bool grew = true; grew;) {
        grew = false;
        for (int line = 1; line < LINES - 1; ++line) {
            for (int column = 1; column < COLUMNS - 1; ++column) {
                for (const auto& s : steps) {
                    if (reach[line][column] == ' ' && reach[line + s[0]][column + s[1]] == '.') {
                        reach[line][column] = '.';
                        grew = true;
                    }
                }
            }
        }
    }
    for (const std::string& row : reach) {
        EXPECT_EQ(row.find(' '), std::string::npos) << "out of the player's reach: " << row;
    }
}

// The computer player eats its way round the maze and shoots; the chasers catch it now and then; nobody walks into a
// wall or onto another chaser.
TEST_P(EveryMaze, TheDemoPlaysItWhileTheChasersHuntIt)
{
    srand(100 + GetParam());
    maze().setup_current_maze(app().get_maze_database(), GetParam());
    player().init(&maze(), nullptr);
    monsters().init(&maze(), &player());
    DemoController& demo = app().get_demo_controller();
    int catches = 0, shots = 0, moves = 0;
    for (int tick = 0; tick < 1500; ++tick) {
        const int line = player().line(), column = player().column();
        demo.update(0);
        player().update(0);
        moves += player().line() != line || player().column() != column;
        if (!app().get_objects().empty()) {
            // The beam is the laser test's business: here a shot only counts.
            ++shots;
            app().schedule_object_delete(app().get_objects().back().get());
            app().delete_objects();
            app().release_mobs();
        }
        if (tick % 3 != 0) {
            monsters().update(0, sounds());
        }
        catches += 9 - player().get_lives();
        player().fill_lives();
        if (maze().get_food_count() < 10) {
            maze().setup_current_maze(app().get_maze_database(), GetParam());
        }
        ASSERT_TRUE(open_in_play(player().line(), player().column())) << "tick " << tick;
        for (int a = 0; a < MonsterManager::COUNT; ++a) {
            ASSERT_TRUE(open_in_play(chaser(a).line(), chaser(a).column())) << "chaser " << a << " tick " << tick;
            for (int b = a + 1; b < MonsterManager::COUNT; ++b) {
                ASSERT_FALSE(chaser(a).line() == chaser(b).line() && chaser(a).column() == chaser(b).column())
                    << "chasers " << a << " and " << b << " share a cell at tick " << tick;
            }
        }
    }
    EXPECT_GT(player().get_score(), 10 * 150) << "eats on fewer than one tick in ten";
    EXPECT_GT(moves, 1000) << "stands still too often";
    EXPECT_GT(shots, 0);
    EXPECT_GT(catches, 0);
}

INSTANTIATE_TEST_SUITE_P(Builtin, EveryMaze, ::testing::Range(0, MAZE_COUNT),
                         [](const auto& info) { return std::string(1, static_cast<char>('A' + info.param)); });

} // namespace
