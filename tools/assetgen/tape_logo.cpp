#include "tape_logo.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The cells the loading animation reveals, rows 0..20 of the screen. On
// row 8 the outline crosses the loader's text at columns 5, 6 and 16, cells
// that show the letters they cover.
// clang-format off
constexpr const char* kRevealed[21] = {
    "................................",
    ".......#######....######........",
    ".....###.....#...##....#........",
    "....##.......#..##.....#........",
    "...##........#..#......#........",
    "..##....######..#..#####........",
    "..#...###......##..#............",
    ".##...#.........#..#######......",
    ".#...##.........#........###....",
    ".#...#..........##.........##...",
    ".#...#...........###........#...",
    ".#...#.............######...##..",
    ".##..##..................#...#..",
    "..#...##.................#...#..",
    "..##...##...............##...#..",
    "...#.....################...##..",
    "...##.......................#...",
    "....###....................#....",
    "......####..............###.....",
    ".........################.......",
    "................................",
};
// clang-format on

bool revealed(int row, int column)
{
    if (row < 0 || row >= 21 || column < 0 || column >= 32) {
        return false;
    }
    return kRevealed[row][column] == '#';
}

void disc(Canvas& canvas, double cx, double cy, double radius)
{
    for (int y = static_cast<int>(cy - radius) - 1; y <= static_cast<int>(cy + radius) + 1; ++y) {
        for (int x = static_cast<int>(cx - radius) - 1; x <= static_cast<int>(cx + radius) + 1; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            if (dx * dx + dy * dy <= radius * radius) {
                canvas.set(x, y);
            }
        }
    }
}

constexpr double kPen = 3.2; // half the stroke's width, in pixels

void stroke(Canvas& canvas, double x0, double y0, double x1, double y1)
{
    const int steps = 1 + static_cast<int>(4 * std::hypot(x1 - x0, y1 - y0));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        disc(canvas, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, kPen);
    }
}

struct Cell {
    int row;
    int column;
};

// Cells join side by side, or corner to corner where no cell beside them
// already turns the corner.
std::vector<Cell> neighbours(Cell c, const std::vector<std::vector<bool>>& in)
{
    std::vector<Cell> found;
    auto on = [&](int row, int column) { return revealed(row, column) && in[row][column]; };
    for (int drow = -1; drow <= 1; ++drow) {
        for (int dcolumn = -1; dcolumn <= 1; ++dcolumn) {
            if ((drow == 0 && dcolumn == 0) || !on(c.row + drow, c.column + dcolumn)) {
                continue;
            }
            const bool diagonal = drow != 0 && dcolumn != 0;
            if (diagonal && (on(c.row + drow, c.column) || on(c.row, c.column + dcolumn))) {
                continue;
            }
            found.push_back({c.row + drow, c.column + dcolumn});
        }
    }
    return found;
}

struct Point {
    double x;
    double y;
    bool pinned; // where two cells meet only at a corner, the line must too
};

Point centre(Cell c)
{
    return {c.column * 8 + 4.0, c.row * 8 + 4.0, false};
}

} // namespace

void draw_tape_logo(Canvas& canvas)
{
    // A spur (a cell with one neighbour) stays blank; what is left is one loop.
    std::vector<std::vector<bool>> in(21, std::vector<bool>(32, true));
    for (bool pruned = true; pruned;) {
        pruned = false;
        for (int row = 0; row < 21; ++row) {
            for (int column = 0; column < 32; ++column) {
                const std::vector<Cell> next = neighbours({row, column}, in);
                if (revealed(row, column) && in[row][column] && next.size() < 2) {
                    in[row][column] = false;
                    pruned = true;
                }
            }
        }
    }

    // Round the loop from its first cell, cell centre to cell centre.
    std::vector<Point> loop;
    Cell start{-1, -1};
    for (int row = 0; row < 21 && start.row < 0; ++row) {
        for (int column = 0; column < 32 && start.row < 0; ++column) {
            if (revealed(row, column) && in[row][column]) {
                start = {row, column};
            }
        }
    }
    Cell previous = start;
    Cell here = start;
    do {
        loop.push_back(centre(here));
        Cell next = here;
        for (Cell n : neighbours(here, in)) {
            if ((n.row != previous.row || n.column != previous.column) || loop.size() == 1) {
                next = n;
                break;
            }
        }
        if (next.row != here.row && next.column != here.column) {
            loop.push_back({std::max(here.column, next.column) * 8.0, std::max(here.row, next.row) * 8.0, true});
        }
        previous = here;
        here = next;
    } while ((here.row != start.row || here.column != start.column) && loop.size() < 2 * 21 * 32);

    // The staircase of cells smoothed into a drawn line: each free point
    // moves towards its neighbours, twice.
    const std::size_t n = loop.size();
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<Point> smoothed = loop;
        for (std::size_t i = 0; i < n; ++i) {
            if (loop[i].pinned) {
                continue;
            }
            const Point& a = loop[(i + n - 1) % n];
            const Point& b = loop[(i + 1) % n];
            smoothed[i].x = (a.x + 2 * loop[i].x + b.x) / 4;
            smoothed[i].y = (a.y + 2 * loop[i].y + b.y) / 4;
        }
        loop = smoothed;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const Point& a = loop[i];
        const Point& b = loop[(i + 1) % n];
        stroke(canvas, a.x, a.y, b.x, b.y);
    }
}

bool tape_cell_revealed(int row, int column)
{
    return revealed(row, column);
}
