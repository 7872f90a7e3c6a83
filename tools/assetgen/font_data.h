#pragma once
#include <cstddef>

// Glyph designs as text strips (see font_glyphs.cpp); font.cpp decodes them.
struct GlyphStrip {
    int first_code;
    const char* rows[8]; // glyphs 8 characters wide, separated by one space
};

extern const GlyphStrip kGlyphStrips[];
extern const std::size_t kGlyphStripCount;
