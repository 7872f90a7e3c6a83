#include "spectrum_screen.h"

Rgb spectrum_rgb(Colour colour, bool bright)
{
    const auto code = static_cast<unsigned>(colour);
    const std::uint8_t level = bright ? 255 : 205;
    return Rgb{static_cast<std::uint8_t>((code & 2u) ? level : 0), static_cast<std::uint8_t>((code & 4u) ? level : 0),
               static_cast<std::uint8_t>((code & 1u) ? level : 0)};
}

SpectrumScreen::SpectrumScreen(int columns, int rows, Attr fill)
    : columns_(columns), rows_(rows), bitmap_(columns * 8, rows * 8),
      attrs_(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), fill)
{
}

Attr SpectrumScreen::attr(int column, int row) const
{
    return attrs_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                  static_cast<std::size_t>(column)];
}

void SpectrumScreen::set_attr(int column, int row, Attr attr)
{
    if (column >= 0 && row >= 0 && column < columns_ && row < rows_) {
        attrs_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column)] =
            attr;
    }
}

void SpectrumScreen::fill_attr(int column, int row, int w, int h, Attr attr)
{
    for (int r = row; r < row + h; ++r) {
        for (int c = column; c < column + w; ++c) {
            set_attr(c, r, attr);
        }
    }
}

RgbImage SpectrumScreen::render() const
{
    RgbImage image(columns_ * 8, rows_ * 8, Rgb{});
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Attr a = attr(x / 8, y / 8);
            image.set(x, y, spectrum_rgb(bitmap_.get(x, y) ? a.ink : a.paper, a.bright));
        }
    }
    return image;
}
