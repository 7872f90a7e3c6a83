#include "title_lettering.h"

namespace {
constexpr char kTitle[] = "KWORBLE";
constexpr int kScale = 4;
constexpr int kDepth = 3;
} // namespace

void draw_title_lettering(SpectrumScreen& screen, int column, int row, const Colour (&row_inks)[4])
{
    Canvas& bitmap = screen.bitmap();
    const int left = column * 8, top = row * 8;
    // Letters stand out in 3D: a solid extrusion down-right, a one-pixel
    // carved gap, then the letters themselves.
    for (int d = 1; d <= kDepth; ++d) {
        bitmap.draw_text(kTitle, left + d, top + d, kScale);
    }
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            bitmap.draw_text(kTitle, left + dx, top + dy, kScale, false);
        }
    }
    bitmap.draw_text(kTitle, left, top, kScale);
    for (int r = 0; r < 4; ++r) {
        screen.fill_attr(column, row + r, 28, 1, Attr{row_inks[r], Colour::Black, true});
    }
}
