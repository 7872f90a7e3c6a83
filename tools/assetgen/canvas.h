#pragma once
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// A one-bit drawing surface (ink or no ink per pixel), the way a Spectrum
// screen's bitmap works. Pictures draw on it, then colour it.
class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool get(int x, int y) const;
    void set(int x, int y, bool ink = true);

    void fill_rect(int x, int y, int w, int h, bool ink = true);
    // Sets every pixel for which shape(x, y) holds.
    void paint(const std::function<bool(int x, int y)>& shape, bool ink = true);
    // One glyph of the font, each pixel a scale x scale block.
    void draw_glyph(int code, int x, int y, int scale = 1, bool ink = true);
    // Text in the font, 8 * scale pixels per character.
    void draw_text(std::string_view text, int x, int y, int scale = 1, bool ink = true);

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> bits_;
};

// Pixel width of text drawn at the given scale.
inline int text_width(std::string_view text, int scale = 1)
{
    return static_cast<int>(text.size()) * 8 * scale;
}
