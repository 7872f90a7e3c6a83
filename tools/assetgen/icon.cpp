#include "icon.h"

#include "font.h"
#include "spectrum_screen.h"

RgbImage make_icon(int size)
{
    RgbImage icon(size, size, spectrum_rgb(Colour::Black, true));
    const Rgb wall = spectrum_rgb(Colour::Blue, true);
    const int border = size / 16;
    icon.fill_rect(0, 0, size, border, wall);
    icon.fill_rect(0, size - border, size, border, wall);
    icon.fill_rect(0, 0, border, size, wall);
    icon.fill_rect(size - border, 0, border, size, wall);

    // As large as fits inside the wall with a margin, in whole pixels.
    const int scale = (size - 4 * border) / 8;
    const int offset = (size - 8 * scale) / 2;
    const GlyphRows player = glyph(kGlyphPlayer);
    const Rgb ink = spectrum_rgb(Colour::Yellow, true);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (glyph_pixel(player, x, y)) {
                icon.fill_rect(offset + x * scale, offset + y * scale, scale, scale, ink);
            }
        }
    }
    return icon;
}
