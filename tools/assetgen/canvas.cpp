#include "canvas.h"

#include "font.h"

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), bits_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0)
{
}

bool Canvas::get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return false;
    }
    return bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] != 0;
}

void Canvas::set(int x, int y, bool ink)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = ink ? 1 : 0;
}

void Canvas::fill_rect(int x, int y, int w, int h, bool ink)
{
    for (int yy = y; yy < y + h; ++yy) {
        for (int xx = x; xx < x + w; ++xx) {
            set(xx, yy, ink);
        }
    }
}

void Canvas::paint(const std::function<bool(int x, int y)>& shape, bool ink)
{
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (shape(x, y)) {
                set(x, y, ink);
            }
        }
    }
}

void Canvas::draw_glyph(int code, int x, int y, int scale, bool ink)
{
    const GlyphRows rows = glyph(code);
    for (int gy = 0; gy < 8; ++gy) {
        for (int gx = 0; gx < 8; ++gx) {
            if (glyph_pixel(rows, gx, gy)) {
                fill_rect(x + gx * scale, y + gy * scale, scale, scale, ink);
            }
        }
    }
}

void Canvas::draw_text(std::string_view text, int x, int y, int scale, bool ink)
{
    for (char c : text) {
        draw_glyph(static_cast<unsigned char>(c), x, y, scale, ink);
        x += 8 * scale;
    }
}
