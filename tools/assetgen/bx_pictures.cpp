#include "bx_pictures.h"

#include "braxmoor_logo.h"
#include "spectrum_screen.h"
#include "tape_logo.h"

#include <string>

RgbImage make_bx_title_screen()
{
    Canvas canvas(256, 192);
    draw_tape_logo(canvas);
    // Where the outline crosses the loader's text, its cells are the letters
    // underneath, so the flashing text reads whole.
    constexpr int kTextRow = 8, kTextColumn = 4;
    const std::string text = "LEAVE TAPE PLAYING";
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        const int x = (kTextColumn + i) * 8, y = kTextRow * 8;
        if (tape_cell_revealed(kTextRow, kTextColumn + i)) {
            canvas.fill_rect(x, y, 8, 8, false);
            canvas.draw_glyph(static_cast<unsigned char>(text[i]), x, y);
        }
    }
    RgbImage image(canvas.width(), canvas.height(), kKeyColour);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.get(x, y)) {
                image.set(x, y, kBlack);
            }
        }
    }
    return image;
}

RgbImage make_bx_title(int variant)
{
    SpectrumScreen screen(32, 24, Attr{Colour::White, variant == 1 ? Colour::Blue : Colour::Black, true});
    draw_braxmoor_logo(screen.bitmap());
    if (variant == 1) {
        // Blue loading screen: yellow ribbon and ring, white 'B', cyan lettering.
        screen.fill_attr(1, 1, 29, 19, Attr{Colour::Yellow, Colour::Blue, true});
        screen.fill_attr(6, 7, 6, 7, Attr{Colour::White, Colour::Blue, true});
        screen.fill_attr(kLogoTextColumn, 1, 14, kLogoLastTextRow, Attr{Colour::Cyan, Colour::Blue, true});
    } else {
        // Black loading screen: a rainbow running down the rows.
        static constexpr Colour kRainbow[] = {Colour::Red,  Colour::Yellow, Colour::Green,
                                              Colour::Cyan, Colour::Blue,   Colour::Magenta};
        for (int row = 1; row <= 19; ++row) {
            const Colour ink = kRainbow[(row - 1) / 4 % 6];
            screen.fill_attr(1, row, 29, 1, Attr{ink, Colour::Black, true});
        }
        screen.fill_attr(kLogoTextColumn, 1, 14, kLogoLastTextRow, Attr{Colour::White, Colour::Black, true});
    }
    return screen.render();
}
