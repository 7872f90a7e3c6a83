#include "display/Window.h"
#include "support/TestSupport.h"
#include "world/CurrentMaze.h"
#include "world/MazeData.h"
#include "world/MazeDatabaseManager.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The maze drawn on real pixels: the software renderer with the real glyphs.
class MazePrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        screen.clear(zx_spectrum_black);
        maze.setup_current_maze(db, 0);
    }

    int cell_pixels() const { return glyph_size * glyph_size; }

    // Maze lines on screen sit two lines down.
    void expect_maze_line_drawn(int maze_line)
    {
        for (int c = 0; c < 32; ++c) {
            int l = maze_line + 2;
            if (maze_A[maze_line][c] == '#') {
                EXPECT_EQ(screen.count_in_cell(l, c, zx_spectrum_bright_blue), cell_pixels()) << l << "," << c;
            } else {
                SDL_Color paper = get_rgb_from_simple_colour(maze.paper(maze_line, c));
                int paper_pixels = screen.count_in_cell(l, c, paper);
                int ink_pixels = screen.count_in_cell(l, c, zx_spectrum_bright_blue);
                EXPECT_GT(paper_pixels, 0) << l << "," << c;
                EXPECT_GT(ink_pixels, 0) << "food glyph at " << l << "," << c;
                EXPECT_EQ(paper_pixels + ink_pixels, cell_pixels()) << l << "," << c;
            }
        }
    }

    void expect_screen_line_untouched(int l)
    {
        for (int c = 0; c < 32; ++c) {
            EXPECT_EQ(screen.count_in_cell(l, c, zx_spectrum_black), cell_pixels()) << l << "," << c;
        }
    }

    HeadlessScreen screen{16, true};
    MazeDatabaseManager db;
    CurrentMaze maze;
};

TEST_F(MazePrintTest, RevealingLinesDrawsTheBottomWallAtOnce)
{
    maze.print(screen.graphics(), 0);
    for (int l = 0; l < 24; ++l) {
        expect_screen_line_untouched(l);
    }

    maze.print(screen.graphics(), 3);
    std::set<int> drawn{0, 1, 2, 20};
    for (int line = 0; line <= 20; ++line) {
        if (drawn.count(line) != 0) {
            expect_maze_line_drawn(line);
        } else {
            expect_screen_line_untouched(line + 2);
        }
    }
    expect_screen_line_untouched(0);
    expect_screen_line_untouched(1);
    expect_screen_line_untouched(23);
}

TEST_F(MazePrintTest, BeamPaperFoodAndEatenCells)
{
    maze.set_laser_background(1, 5);
    maze.set_laser_background(0, 5);
    maze.maze_eat(1, 1);
    maze.print(screen.graphics());
    for (int line = 2; line <= 20; ++line) {
        expect_maze_line_drawn(line);
    }
    EXPECT_EQ(screen.count_in_cell(2, 5, zx_spectrum_bright_blue), cell_pixels()) << "walls never show the beam";
    int beam = screen.count_in_cell(3, 5, zx_spectrum_bright_magenta);
    EXPECT_GT(beam, 0);
    EXPECT_EQ(beam + screen.count_in_cell(3, 5, zx_spectrum_bright_blue), cell_pixels())
        << "food stays visible on the beam";
    EXPECT_EQ(screen.count_in_cell(3, 1, zx_spectrum_bright_cyan), cell_pixels()) << "an eaten cell is blank";
}

TEST_F(MazePrintTest, OutOfRangeFirstLineStartsAtTheTopAndUnsetMazeDrawsNothing)
{
    maze.print(screen.graphics(), 40, 2);
    expect_maze_line_drawn(0);
    expect_maze_line_drawn(1);
    expect_screen_line_untouched(4);

    screen.clear(zx_spectrum_black);
    CurrentMaze unset;
    unset.print(screen.graphics());
    unset.print(screen.graphics(), 5);
    for (int l = 0; l < 24; ++l) {
        expect_screen_line_untouched(l);
    }
}

} // namespace
