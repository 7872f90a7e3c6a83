#include "kworble_title.h"

#include <string>

#include "font.h"
#include "maze_scene.h"
#include "spectrum_screen.h"
#include "title_lettering.h"

namespace {

MazeScene title_maze(int variant)
{
    MazeScene scene;
    scene.wall = Colour::Blue;
    scene.food = Colour::Red;
    scene.layout = {
        "##############", "#......#.....#", "#.##.#.#.###.#", "#.#..#.....#.#",
        "#.#.###.##.#.#", "#............#", "##############",
    };
    if (variant == 1) {
        scene.sprites = {
            {kGlyphPlayer, 4, 5, Colour::Yellow},
            {kGlyphChaser, 9, 1, Colour::Magenta},
            {kGlyphChaser, 12, 4, Colour::Cyan},
        };
    } else {
        scene.layout[5][4] = ' '; // the player has eaten an apple
        scene.layout[5][5] = ' ';
        scene.sprites = {
            {kGlyphPlayer, 5, 5, Colour::Yellow},
            {kGlyphChaserGrin, 8, 1, Colour::Magenta},
            {kGlyphChaserGrin, 12, 3, Colour::Cyan},
        };
    }
    return scene;
}

} // namespace

RgbImage make_kworble_title(int variant)
{
    SpectrumScreen screen(32, 24, Attr{Colour::White, Colour::Black, true});

    static constexpr Colour kWarm[4] = {Colour::White, Colour::Yellow, Colour::Yellow, Colour::Red};
    static constexpr Colour kCool[4] = {Colour::White, Colour::Cyan, Colour::Cyan, Colour::Magenta};
    draw_title_lettering(screen, 2, 1, variant == 1 ? kWarm : kCool);

    const char subtitle[] = "THE APPLE MAZE CHASE";
    screen.bitmap().draw_text(subtitle, (256 - text_width(subtitle)) / 2, 6 * 8);
    screen.fill_attr(0, 6, 32, 1, Attr{variant == 1 ? Colour::Green : Colour::Yellow, Colour::Black, true});

    draw_maze_scene(screen, 2, 8, title_maze(variant));

    const std::string credit = static_cast<char>(kGlyphCopyright) + std::string("1985 BRAXMOOR SYSTEMS");
    screen.bitmap().draw_text(credit, (256 - text_width(credit)) / 2, 22 * 8);
    screen.fill_attr(0, 22, 32, 1, Attr{Colour::White, Colour::Black, false});
    return screen.render();
}
