#include "font_sheet.h"

#include "font.h"

namespace {
constexpr int kCell = 16;
constexpr int kScale = kCell / 8;
constexpr int kColumns = 32;
constexpr int kFirstCode = 33;
constexpr int kRows = 4; // codes 33..160
} // namespace

RgbImage make_font_sheet()
{
    RgbImage sheet(kColumns * kCell, kRows * kCell, kKeyColour);
    for (int i = 0; i < kColumns * kRows; ++i) {
        const GlyphRows rows = glyph(kFirstCode + i);
        const int left = (i % kColumns) * kCell;
        const int top = (i / kColumns) * kCell;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                if (glyph_pixel(rows, x, y)) {
                    sheet.fill_rect(left + x * kScale, top + y * kScale, kScale, kScale, kBlack);
                }
            }
        }
    }
    return sheet;
}
