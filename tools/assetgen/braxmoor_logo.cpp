#include "braxmoor_logo.h"

#include <cstdint>
#include <string>

#include "font.h"

namespace {

// Emblem centre and the ribbon's outer and inner ellipses (semi-axes).
constexpr int kCx = 72;
constexpr int kCy = 84;
constexpr int kOuterA = 64, kOuterB = 75;
constexpr int kInnerA = 52, kInnerB = 62;
constexpr int kRingInner = 41, kRingOuter = 48;
constexpr int kRightEdge = 30 * 8; // first pixel right of column 29

// Shapes measure to pixel centres with half a pixel to spare, which keeps
// single-pixel nubs off the tops and sides of circles.
bool inside_ellipse(int x, int y, int a, int b)
{
    const std::int64_t dx2 = 2 * (x - kCx), dy2 = 2 * (y - kCy);
    const std::int64_t a2 = 2 * a + 1, b2 = 2 * b + 1;
    return dx2 * dx2 * b2 * b2 + dy2 * dy2 * a2 * a2 <= a2 * a2 * b2 * b2;
}

bool inside_circle(int x, int y, int r)
{
    const int dx = x - kCx, dy = y - kCy;
    return dx * dx + dy * dy <= r * r + r;
}

// Thin horizontal cuts, closer together lower down: the 80s "speed lines".
bool speed_line(int y)
{
    static constexpr int kCuts[] = {104, 115, 124, 131, 137, 143, 148, 152, 156};
    for (int cut : kCuts) {
        if (y == cut || (cut < 140 && y == cut + 1)) {
            return true;
        }
    }
    return false;
}

bool ribbon(int x, int y)
{
    const bool band = inside_ellipse(x, y, kOuterA, kOuterB) && !inside_ellipse(x, y, kInnerA, kInnerB);
    // The left half of the band, its top end cut on a slant.
    const bool arc = band && x <= kCx + (y < kCy ? (y - 8) / 2 - 4 : 0);
    // The tail: the band's bottom runs on to the right, its end slanted.
    const int bottom = kCy + kOuterB;
    const int top = kCy + kInnerB + 1;
    const bool tail = x >= kCx && y >= top && y <= bottom && x < kRightEdge - (bottom - y);
    return (arc || tail) && !speed_line(y);
}

// A stylised 'B': a straight stem and two round bowls, (ox, oy) its top left.
bool letter_b(int x, int y, int ox, int oy)
{
    x -= ox;
    y -= oy;
    if (x < 0 || y < 0 || y >= 52) {
        return false;
    }
    const auto bowl = [&](int cx, int cy, int outer, int inner) {
        const int dx = x - cx, dy = y - cy;
        const int d2 = dx * dx + dy * dy;
        const bool round_part = x >= cx && d2 <= outer * outer + outer && d2 > inner * inner + inner;
        const bool bars = x < cx && (dy < -inner || dy > inner) && dy >= -outer && dy <= outer;
        return round_part || bars;
    };
    return x < 11 || bowl(26, 13, 13, 5) || bowl(29, 38, 14, 6);
}

void draw_emblem(Canvas& canvas)
{
    canvas.paint(ribbon);
    canvas.paint([](int x, int y) { return inside_circle(x, y, kRingOuter) && !inside_circle(x, y, kRingInner); });

    // The 'B' stands out in 3D: a solid extrusion down-right, a carved gap,
    // then the letter itself.
    constexpr int kLeft = kCx - 24, kTop = kCy - 28, kDepth = 4;
    for (int d = 1; d <= kDepth; ++d) {
        canvas.paint([&](int x, int y) { return letter_b(x, y, kLeft + d, kTop + d); });
    }
    canvas.paint(
        [&](int x, int y) {
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (letter_b(x + dx, y + dy, kLeft, kTop)) {
                        return true;
                    }
                }
            }
            return false;
        },
        false);
    canvas.paint([&](int x, int y) { return letter_b(x, y, kLeft, kTop); });
}

void draw_lettering(Canvas& canvas)
{
    constexpr int kLeft = kLogoTextColumn * 8;
    constexpr int kWidth = 14 * 8;
    canvas.draw_text("BRAX", kLeft + (kWidth - text_width("BRAX", 3)) / 2, 2 * 8, 3);
    canvas.draw_text("MOOR", kLeft + (kWidth - text_width("MOOR", 3)) / 2, 5 * 8, 3);
    canvas.fill_rect(kLeft + 8, 8 * 8 + 3, kWidth - 16, 2);
    canvas.draw_text("SYSTEMS", kLeft, 9 * 8, 2);
    const std::string copyright = static_cast<char>(kGlyphCopyright) + std::string("1985");
    canvas.draw_text(copyright, kLeft + (kWidth - text_width(copyright, 1)) / 2, 13 * 8, 1);
}

} // namespace

void draw_braxmoor_logo(Canvas& canvas)
{
    draw_emblem(canvas);
    draw_lettering(canvas);
}
