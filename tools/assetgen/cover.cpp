#include "cover.h"

#include "font.h"
#include "maze_scene.h"
#include "spectrum_screen.h"
#include "title_lettering.h"

namespace {

constexpr int kColumns = 32;
constexpr int kRows = 40;

// Diagonal stripes filling the top right corner. Band k holds the pixels
// with k*8 <= x - y < k*8 + 8, so any cell meets only two bands and keeps
// to two colours; each colour takes two bands.
void draw_rainbow_corner(SpectrumScreen& screen)
{
    static constexpr Colour kStripes[] = {Colour::Red, Colour::Yellow, Colour::Green, Colour::Cyan};
    constexpr int kFirstBand = 24; // x - y from 192 to the corner
    const auto stripe_colour = [](int k) {
        const int i = (k - kFirstBand) / 2;
        return (k >= kFirstBand && i < 4) ? kStripes[i] : Colour::Black;
    };
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int k = column - row; // the cell meets stripes k - 1 and k
            const Colour lower = stripe_colour(k - 1);
            const Colour upper = stripe_colour(k);
            if (lower == Colour::Black && upper == Colour::Black) {
                continue;
            }
            screen.set_attr(column, row, Attr{upper, lower, true});
            for (int y = row * 8; y < row * 8 + 8; ++y) {
                for (int x = column * 8; x < column * 8 + 8; ++x) {
                    screen.bitmap().set(x, y, x - y >= k * 8);
                }
            }
        }
    }
}

void draw_48k_badge(SpectrumScreen& screen)
{
    // White on red, a frame round the text.
    constexpr int kColumn = 1, kRow = 1, kWidth = 8, kHeight = 4;
    Canvas& bitmap = screen.bitmap();
    screen.fill_attr(kColumn, kRow, kWidth, kHeight, Attr{Colour::White, Colour::Red, true});
    const int left = kColumn * 8, top = kRow * 8;
    bitmap.fill_rect(left + 1, top + 1, kWidth * 8 - 2, kHeight * 8 - 2);
    bitmap.fill_rect(left + 3, top + 3, kWidth * 8 - 6, kHeight * 8 - 6, false);
    bitmap.draw_text("48K", left + (kWidth * 8 - text_width("48K", 2)) / 2, top + 8, 2);
}

void draw_centred(SpectrumScreen& screen, const char* text, int row, int scale, Attr attr)
{
    screen.bitmap().draw_text(text, (kColumns * 8 - text_width(text, scale)) / 2, row * 8, scale);
    screen.fill_attr(0, row, kColumns, scale, attr);
}

MazeScene cover_maze()
{
    MazeScene scene;
    scene.wall = Colour::Blue;
    scene.food = Colour::Green;
    scene.layout = {
        "##############", "#.....##.....#", "#.###.##.###.#", "#.#........#.#", "#...##.##.##.#", "###.#...#....#",
        "#...#.#.#.##.#", "#.#...#......#", "#.##.###.###.#", "#............#", "##############",
    };
    scene.sprites = {
        {kGlyphPlayer, 5, 7, Colour::Yellow},
        {kGlyphChaser, 2, 4, Colour::Red},
        {kGlyphChaserGrin, 9, 3, Colour::Magenta},
        {kGlyphChaser, 12, 6, Colour::Cyan},
    };
    return scene;
}

} // namespace

RgbImage make_cover()
{
    SpectrumScreen screen(kColumns, kRows, Attr{Colour::White, Colour::Black, true});
    draw_rainbow_corner(screen);
    draw_48k_badge(screen);

    static constexpr Colour kTitleInks[4] = {Colour::White, Colour::Yellow, Colour::Yellow, Colour::Red};
    draw_title_lettering(screen, 2, 7, kTitleInks);
    draw_centred(screen, "THE APPLE MAZE CHASE", 12, 1, Attr{Colour::Cyan, Colour::Black, true});

    draw_maze_scene(screen, 2, 14, cover_maze());

    draw_centred(screen, "BRAXMOOR", 36, 2, Attr{Colour::Yellow, Colour::Black, true});
    draw_centred(screen, "S Y S T E M S", 38, 1, Attr{Colour::White, Colour::Black, true});
    return screen.render();
}
