#include "world/MazeData.h"
#include "world/MazeDatabaseManager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int LINES = 21;
constexpr int COLUMNS = 32;
const int starts[5][2] = {{10, 16}, {1, 1}, {19, 1}, {19, 30}, {1, 30}};

using Grid = std::vector<std::string>;

Grid grid_of(const char* const* text)
{
    Grid grid;
    for (int i = 0; text[i] != nullptr && i <= LINES; ++i) {
        grid.emplace_back(text[i]);
    }
    return grid;
}

bool open_cell(const Grid& g, int l, int c)
{
    return l >= 0 && l < LINES && c >= 0 && c < COLUMNS && g[l][c] == ' ';
}

int open_neighbours(const Grid& g, int l, int c)
{
    return open_cell(g, l - 1, c) + open_cell(g, l + 1, c) + open_cell(g, l, c - 1) + open_cell(g, l, c + 1);
}

int open_count(const Grid& g)
{
    int count = 0;
    for (const std::string& line : g) {
        for (char ch : line) {
            count += ch == ' ';
        }
    }
    return count;
}

// Cells reached from the player's start by steps between open cells.
int reachable_count(const Grid& g)
{
    std::vector<std::vector<bool>> seen(LINES, std::vector<bool>(COLUMNS, false));
    std::deque<std::pair<int, int>> queue{{10, 16}};
    seen[10][16] = true;
    int count = 0;
    const int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    while (!queue.empty()) {
        auto [l, c] = queue.front();
        queue.pop_front();
        ++count;
        for (const auto& s : steps) {
            int nl = l + s[0];
            int nc = c + s[1];
            if (open_cell(g, nl, nc) && !seen[nl][nc]) {
                seen[nl][nc] = true;
                queue.emplace_back(nl, nc);
            }
        }
    }
    return count;
}

// Repeatedly walls up every open cell with at most one open neighbour.
// What is left lies on loops (or on paths between loops); what was removed
// are the dead-end branches.
Grid prune_dead_ends(Grid g)
{
    bool changed = true;
    while (changed) {
        changed = false;
        for (int l = 0; l < LINES; ++l) {
            for (int c = 0; c < COLUMNS; ++c) {
                if (g[l][c] == ' ' && open_neighbours(g, l, c) <= 1) {
                    g[l][c] = 'x';
                    changed = true;
                }
            }
        }
    }
    return g;
}

bool near_a_start(int l, int c)
{
    for (const auto& s : starts) {
        if (std::abs(l - s[0]) + std::abs(c - s[1]) <= 4) {
            return true;
        }
    }
    return false;
}

// Size of the dead-end branch (cells marked 'x') holding (l, c); marks it visited.
int branch_size(Grid& g, int l, int c, bool& near_start)
{
    if (l < 0 || l >= LINES || c < 0 || c >= COLUMNS || g[l][c] != 'x') {
        return 0;
    }
    g[l][c] = 'v';
    near_start = near_start || near_a_start(l, c);
    return 1 + branch_size(g, l - 1, c, near_start) + branch_size(g, l + 1, c, near_start) +
           branch_size(g, l, c - 1, near_start) + branch_size(g, l, c + 1, near_start);
}

TEST(MazeData, EveryMazeHasTheFormatAndItsStartCellsOpen)
{
    for (int n = 0; n < MAZE_COUNT; ++n) {
        SCOPED_TRACE("maze " + std::string(1, static_cast<char>('A' + n)));
        const char* const* text = maze_list[n];
        for (int l = 0; l < LINES; ++l) {
            ASSERT_NE(text[l], nullptr);
            ASSERT_EQ(std::strlen(text[l]), static_cast<size_t>(COLUMNS)) << "line " << l;
            EXPECT_EQ(std::strspn(text[l], "# "), static_cast<size_t>(COLUMNS)) << "line " << l;
        }
        ASSERT_EQ(text[LINES], nullptr);
        Grid g = grid_of(text);
        EXPECT_EQ(g[0], std::string(COLUMNS, '#'));
        EXPECT_EQ(g[LINES - 1], std::string(COLUMNS, '#'));
        for (int l = 0; l < LINES; ++l) {
            EXPECT_EQ(g[l][0], '#') << "line " << l;
            EXPECT_EQ(g[l][COLUMNS - 1], '#') << "line " << l;
        }
        for (const auto& s : starts) {
            EXPECT_TRUE(open_cell(g, s[0], s[1])) << s[0] << "," << s[1];
        }
        EXPECT_EQ(reachable_count(g), open_count(g));
    }
}

TEST(MazeData, CountsSpanTheRangeAndNoTwoMazesAreAlike)
{
    std::set<Grid> layouts;
    for (int n = 0; n < MAZE_COUNT; ++n) {
        Grid g = grid_of(maze_list[n]);
        EXPECT_GE(open_count(g), 245) << "maze " << n;
        EXPECT_LE(open_count(g), 399) << "maze " << n;
        layouts.insert(g);
    }
    EXPECT_EQ(layouts.size(), static_cast<size_t>(MAZE_COUNT));
    EXPECT_EQ(open_count(grid_of(maze_A)), 327);
    EXPECT_STREQ(maze_A[10], "#   ##### ###### ###### ####   #");
    EXPECT_STREQ(maze_A[18], "# ############## ############# #");
    EXPECT_EQ(open_count(grid_of(maze_C)), 245);
    EXPECT_EQ(open_count(grid_of(maze_extra)), 399);
}

// A chaser heading for the player should never trap it: every start cell
// lies on a loop, dead-end branches are rare, and none longer than three
// cells opens near a start cell.
TEST(MazeData, StartsLieOnLoopsAndDeadEndsStayShort)
{
    for (int n = 0; n < MAZE_COUNT; ++n) {
        SCOPED_TRACE("maze " + std::string(1, static_cast<char>('A' + n)));
        Grid original = grid_of(maze_list[n]);
        Grid pruned = prune_dead_ends(original);
        for (const auto& s : starts) {
            EXPECT_EQ(pruned[s[0]][s[1]], ' ') << s[0] << "," << s[1] << " is on a dead end";
        }
        int dead = 0;
        for (int l = 0; l < LINES; ++l) {
            for (int c = 0; c < COLUMNS; ++c) {
                bool near_start = false;
                int size = branch_size(pruned, l, c, near_start);
                dead += size;
                if (near_start) {
                    EXPECT_LE(size, 3) << "dead end at " << l << "," << c;
                }
            }
        }
        EXPECT_LE(dead * 10, open_count(original)) << "more than a tenth of the cells in dead ends";
    }
}

TEST(MazeData, ListOrderAndIndexWrapAround)
{
    const char* const* const expected[MAZE_COUNT] = {
        maze_A, maze_B, maze_C, maze_D, maze_E, maze_F, maze_G, maze_H,
        maze_I, maze_J, maze_K, maze_L, maze_M, maze_N, maze_O, maze_extra,
    };
    MazeDatabaseManager db;
    for (int n = 0; n < MAZE_COUNT; ++n) {
        EXPECT_EQ(maze_list[n], expected[n]);
        EXPECT_EQ(db.get_maze_index(n), expected[n]);
        EXPECT_EQ(db.get_maze_index(n + MAZE_COUNT), expected[n]);
    }
    EXPECT_EQ(db.get_maze_index(-1), maze_extra) << "a negative index wraps instead of reading before the table";
}

} // namespace
