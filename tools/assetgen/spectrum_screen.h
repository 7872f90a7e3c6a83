#pragma once
#include <cstdint>
#include <vector>

#include "canvas.h"
#include "image.h"

// The eight Spectrum colours; with BRIGHT they make the machine's 15.
enum class Colour : std::uint8_t { Black, Blue, Red, Magenta, Green, Cyan, Yellow, White };

// Channel values 0/205 (normal) or 0/255 (bright).
Rgb spectrum_rgb(Colour colour, bool bright);

// One 8x8 cell's colours: ink where the bitmap is set, paper elsewhere.
struct Attr {
    Colour ink = Colour::White;
    Colour paper = Colour::Black;
    bool bright = false;
};

// A Spectrum-style screen of any size in cells: a one-bit bitmap plus one
// attribute per 8x8 cell, so no cell can show more than two colours.
class SpectrumScreen {
public:
    SpectrumScreen(int columns, int rows, Attr fill = {});

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    Canvas& bitmap() { return bitmap_; }
    const Canvas& bitmap() const { return bitmap_; }

    Attr attr(int column, int row) const;
    void set_attr(int column, int row, Attr attr);
    void fill_attr(int column, int row, int w, int h, Attr attr);

    RgbImage render() const;

private:
    int columns_;
    int rows_;
    Canvas bitmap_;
    std::vector<Attr> attrs_;
};
