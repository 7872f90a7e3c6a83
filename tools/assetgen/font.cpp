#include "font.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "font_data.h"

namespace {

using GlyphTable = std::array<GlyphRows, kLastGlyph - kFirstGlyph + 1>;

void decode_strip(const GlyphStrip& strip, GlyphTable& table)
{
    const std::size_t width = std::strlen(strip.rows[0]);
    const std::size_t count = (width + 1) / 9;
    for (int row = 0; row < 8; ++row) {
        const char* text = strip.rows[row];
        if (std::strlen(text) != width || count * 9 - 1 != width) {
            throw std::logic_error("font strip " + std::to_string(strip.first_code) + " is malformed");
        }
        for (std::size_t g = 0; g < count; ++g) {
            const int code = strip.first_code + static_cast<int>(g);
            if (code < kFirstGlyph || code > kLastGlyph) {
                throw std::logic_error("font code " + std::to_string(code) + " out of range");
            }
            std::uint8_t bits = 0;
            for (int x = 0; x < 8; ++x) {
                if (text[g * 9 + static_cast<std::size_t>(x)] == '#') {
                    bits = static_cast<std::uint8_t>(bits | (0x80u >> x));
                }
            }
            table[static_cast<std::size_t>(code - kFirstGlyph)][static_cast<std::size_t>(row)] = bits;
        }
    }
}

const GlyphTable& table()
{
    static const GlyphTable decoded = [] {
        GlyphTable t{};
        for (std::size_t s = 0; s < kGlyphStripCount; ++s) {
            decode_strip(kGlyphStrips[s], t);
        }
        return t;
    }();
    return decoded;
}

} // namespace

GlyphRows glyph(int code)
{
    if (code < kFirstGlyph || code > kLastGlyph) {
        return GlyphRows{};
    }
    return table()[static_cast<std::size_t>(code - kFirstGlyph)];
}
