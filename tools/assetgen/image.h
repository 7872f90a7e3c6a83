#pragma once
#include <cstdint>
#include <vector>

// A plain 24-bit RGB picture, top row first, that the writers save.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

class RgbImage {
public:
    RgbImage(int width, int height, Rgb fill);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb get(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, Rgb colour);
    void fill_rect(int x, int y, int w, int h, Rgb colour);

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// The picture's bytes, three a pixel (red, green, blue), rows top first and
// unpadded: what the BMP and PNG libraries take.
std::vector<std::uint8_t> rgb_bytes(const RgbImage& image);

// The colour the game's loader turns transparent.
inline constexpr Rgb kKeyColour{238, 0, 252};
inline constexpr Rgb kBlack{0, 0, 0};
