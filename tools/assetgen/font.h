#pragma once
#include <array>
#include <cstdint>

// The one 8x8 font of the game: Spectrum.bmp shows it and every picture
// writes its text with it.
inline constexpr int kFirstGlyph = 32;
inline constexpr int kLastGlyph = 132;

inline constexpr int kGlyphCopyright = 127;
inline constexpr int kGlyphHeart = 128;
inline constexpr int kGlyphChaser = 129;
inline constexpr int kGlyphFood = 130;
inline constexpr int kGlyphChaserGrin = 131;
inline constexpr int kGlyphPlayer = 132;

// Row 0 is the top; bit 7 is the leftmost pixel.
using GlyphRows = std::array<std::uint8_t, 8>;

// The glyph for a code; codes without a design are blank.
GlyphRows glyph(int code);

inline bool glyph_pixel(const GlyphRows& rows, int x, int y)
{
    return (rows[static_cast<std::size_t>(y)] >> (7 - x)) & 1u;
}
