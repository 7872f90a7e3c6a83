#include "image.h"

RgbImage::RgbImage(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill)
{
}

void RgbImage::set(int x, int y, Rgb colour)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[index(x, y)] = colour;
    }
}

void RgbImage::fill_rect(int x, int y, int w, int h, Rgb colour)
{
    for (int yy = y; yy < y + h; ++yy) {
        for (int xx = x; xx < x + w; ++xx) {
            set(xx, yy, colour);
        }
    }
}

std::vector<std::uint8_t> rgb_bytes(const RgbImage& image)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()) * 3);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.get(x, y);
            bytes.insert(bytes.end(), {c.r, c.g, c.b});
        }
    }
    return bytes;
}
