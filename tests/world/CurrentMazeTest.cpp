#include "world/CurrentMaze.h"
#include "world/MazeData.h"
#include "world/MazeDatabaseManager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <unistd.h>

namespace {

TEST(CurrentMaze, SettingUpMazeACopiesItAndCountsTheFood)
{
    MazeDatabaseManager db;
    CurrentMaze maze;
    maze.setup_current_maze(db, 0);
    EXPECT_TRUE(maze.is_set_up());
    EXPECT_EQ(maze.get_food_count(), 327);
    EXPECT_EQ(maze.get_max_line(), 20);
    EXPECT_EQ(maze.get_max_column(), 31);
    EXPECT_EQ(maze.maze_fg(), BRIGHT_BLUE);
    EXPECT_EQ(maze.maze_bg(), BRIGHT_CYAN);
    for (int l = 0; l <= 20; ++l) {
        for (int c = 0; c <= 31; ++c) {
            EXPECT_EQ(maze.cell(l, c), maze_A[l][c] == ' ' ? '@' : '#') << l << "," << c;
        }
    }

    // The player's and the chasers' start cells are eaten when they are placed.
    const int starts[5][2] = {{10, 16}, {1, 1}, {19, 1}, {19, 30}, {1, 30}};
    for (const auto& s : starts) {
        EXPECT_TRUE(maze.maze_eat(s[0], s[1]));
    }
    EXPECT_EQ(maze.get_food_count(), 322);

    maze.set_laser_background(1, 2);
    maze.setup_current_maze(db, 0);
    EXPECT_EQ(maze.get_food_count(), 327) << "setting up again restores the food";
    EXPECT_EQ(maze.paper(1, 2), BRIGHT_CYAN) << "and removes the beam";
}

TEST(CurrentMaze, CellAccessorsAndEating)
{
    const char* const text[] = {"####", "# x#", "#  #", "####", nullptr};
    CurrentMaze maze;
    EXPECT_EQ(maze.graphic(1, 1), 63) << "before set-up";
    EXPECT_TRUE(maze.is_wall(1, 1));
    EXPECT_FALSE(maze.maze_eat(1, 1));

    maze.setup_from_text(text, BRIGHT_RED, BRIGHT_WHITE, BRIGHT_CYAN);
    EXPECT_EQ(maze.get_food_count(), 3);
    EXPECT_EQ(maze.get_max_line(), 3);
    EXPECT_EQ(maze.get_max_column(), 3);
    EXPECT_EQ(maze.graphic(0, 0), 32) << "a wall is a block of paper in the wall colour";
    EXPECT_EQ(maze.graphic(1, 1), 130);
    EXPECT_EQ(maze.graphic(1, 2), 63) << "an unknown cell code";
    EXPECT_TRUE(maze.is_wall(0, 2));
    EXPECT_FALSE(maze.is_wall(1, 1));
    EXPECT_FALSE(maze.is_wall(1, 2));
    EXPECT_TRUE(maze.is_apple(1, 1));
    EXPECT_FALSE(maze.is_apple(1, 2));

    EXPECT_FALSE(maze.maze_eat(0, 0)) << "a wall";
    EXPECT_FALSE(maze.maze_eat(1, 2)) << "an unknown code";
    EXPECT_TRUE(maze.maze_eat(1, 1));
    EXPECT_FALSE(maze.maze_eat(1, 1)) << "already empty";
    EXPECT_EQ(maze.get_food_count(), 2);
    EXPECT_EQ(maze.graphic(1, 1), 32);
    EXPECT_FALSE(maze.is_apple(1, 1));
    EXPECT_TRUE(maze.maze_eat(2, 1));
    EXPECT_FALSE(maze.maze_empty());
    EXPECT_TRUE(maze.maze_eat(2, 2));
    EXPECT_TRUE(maze.maze_empty());
}

TEST(CurrentMaze, OverlongLinesAreCutToTheRowBuffer)
{
    std::string wide(50, ' ');
    const char* const text[] = {wide.c_str(), nullptr};
    CurrentMaze maze;
    maze.setup_from_text(text, BRIGHT_BLUE, BRIGHT_CYAN, BRIGHT_MAGENTA);
    EXPECT_EQ(maze.get_food_count(), CurrentMaze::MAX_COLUMNS);
    EXPECT_EQ(maze.get_max_column(), CurrentMaze::MAX_COLUMNS - 1);
    EXPECT_EQ(maze.get_max_line(), 0);
}

TEST(CurrentMaze, LaserPaperStaysInsideTheGrid)
{
    MazeDatabaseManager db;
    CurrentMaze maze;
    maze.setup_current_maze(db, 0);
    const int outside[][2] = {{30, 0}, {-1, 5}, {0, -1}, {0, 41}, {1000, 1000}};
    for (const auto& p : outside) {
        maze.set_laser_background(p[0], p[1]);
    }
    for (int l = 0; l < CurrentMaze::MAX_LINES; ++l) {
        for (int c = 0; c <= CurrentMaze::MAX_COLUMNS; ++c) {
            ASSERT_EQ(maze.paper(l, c), BRIGHT_CYAN) << l << "," << c;
        }
    }
    maze.set_laser_background(29, 40);
    maze.set_laser_background(3, 4);
    EXPECT_EQ(maze.paper(29, 40), BRIGHT_MAGENTA);
    EXPECT_EQ(maze.paper(3, 4), BRIGHT_MAGENTA);
    maze.clear_lasers();
    EXPECT_EQ(maze.paper(29, 40), BRIGHT_CYAN);
    EXPECT_EQ(maze.paper(3, 4), BRIGHT_CYAN);
}

TEST(CurrentMaze, ColourSchemes)
{
    MazeDatabaseManager db;
    CurrentMaze maze;
    maze.setup_current_maze(db, 0);
    EXPECT_EQ(db.get_colour_index(), 1);
    EXPECT_EQ(maze.maze_monster_laser_colour(), BRIGHT_CYAN) << "magenta beams paint chasers cyan";

    // Every change picks another scheme, and over many draws every one of
    // the seven others follows every scheme.
    srand(4321);
    std::set<std::pair<int, int>> seen;
    int counts[8] = {};
    for (int i = 0; i < 4000; ++i) {
        int before = db.get_colour_index();
        db.new_maze_colour();
        int after = db.get_colour_index();
        ASSERT_NE(after, before);
        ASSERT_GE(after, 0);
        ASSERT_LT(after, 8);
        seen.insert({before, after});
        ++counts[after];
        if (after == 0) {
            maze.setup_current_maze(db, 0);
            EXPECT_EQ(maze.maze_monster_laser_colour(), BRIGHT_GREEN);
            EXPECT_EQ(maze.maze_fg(), BLACK);
            EXPECT_EQ(maze.maze_bg(), BRIGHT_YELLOW);
        }
    }
    EXPECT_EQ(seen.size(), 56u);
    for (int count : counts) {
        EXPECT_GT(count, 350);
        EXPECT_LT(count, 650);
    }
}

TEST(CurrentMazeDeathTest, PositionsOutsideTheMazeEndTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    MazeDatabaseManager db;
    CurrentMaze maze;
    maze.setup_current_maze(db, 0);
    // The messages go to standard output, without a line break; the child
    // sends it to stderr for the matcher.
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            maze.is_wall(5, 32);
        },
        ::testing::ExitedWithCode(1), "Column out of range - actual=32 max=31");
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            maze.graphic(21, 3);
        },
        ::testing::ExitedWithCode(1), "Line out of range - actual=21 max=20");
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            maze.maze_eat(-1, -1);
        },
        ::testing::ExitedWithCode(1), "Column out of range - actual=-1 max=31$");
}

} // namespace
