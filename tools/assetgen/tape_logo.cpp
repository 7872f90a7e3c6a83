#include "tape_logo.h"

#include <cmath>

namespace {

// The cells the loading animation reveals, rows 0..20 of the screen: the
// Braxmoor 'B'. On row 8 it crosses the loader's text only at columns 5, 6
// and 16, cells that show the letters they cover.
constexpr const char* kRevealed[21] = {
    "................................", ".....##########.................", ".....#.........##...............",
    ".....#...........#..............", ".....#...........#..............", ".....#...........#..............",
    ".....#...........#..............", ".....#..........#...............", ".....##.........#...............",
    ".....#.#########.#..............", ".....#............#.............", ".....#.............#............",
    ".....#.............#............", ".....#.............#............", ".....#.............#............",
    ".....#.............#............", ".....#.............#............", ".....#............#.............",
    ".....#...........#..............", ".....############...............", "................................",
};

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
            if (dx * dx + dy * dy <= radius * radius && x >= 0 && y >= 0 && x < canvas.width() && y < canvas.height()) {
                canvas.set(x, y);
            }
        }
    }
}

// A stroke from a cell's centre to the edge it shares with a neighbour.
void half_stroke(Canvas& canvas, int row, int column, int drow, int dcolumn)
{
    const double cx = column * 8 + 4.0;
    const double cy = row * 8 + 4.0;
    for (int step = 0; step <= 16; ++step) {
        const double t = step / 16.0 * 4.0;
        disc(canvas, cx + dcolumn * t, cy + drow * t, 2.6);
    }
}

} // namespace

void draw_tape_logo(Canvas& canvas)
{
    for (int row = 0; row < 21; ++row) {
        for (int column = 0; column < 32; ++column) {
            if (!revealed(row, column)) {
                continue;
            }
            disc(canvas, column * 8 + 4.0, row * 8 + 4.0, 2.6);
            for (int drow = -1; drow <= 1; ++drow) {
                for (int dcolumn = -1; dcolumn <= 1; ++dcolumn) {
                    if ((drow == 0 && dcolumn == 0) || !revealed(row + drow, column + dcolumn)) {
                        continue;
                    }
                    // A diagonal joins only where no straight neighbour
                    // already turns the corner.
                    const bool diagonal = drow != 0 && dcolumn != 0;
                    if (diagonal && (revealed(row + drow, column) || revealed(row, column + dcolumn))) {
                        continue;
                    }
                    half_stroke(canvas, row, column, drow, dcolumn);
                }
            }
        }
    }
}
