#include "bmp_writer.h"

#include <SDL.h>

#include <memory>
#include <stdexcept>

void write_bmp(const std::string& path, const RgbImage& image)
{
    std::vector<std::uint8_t> bytes = rgb_bytes(image);
    // A 24-bit surface without alpha: SDL saves it as the plain 24-bit BMP the
    // game's loader checks.
    const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface(
        SDL_CreateRGBSurfaceWithFormatFrom(bytes.data(), image.width(), image.height(), 24, image.width() * 3,
                                           SDL_PIXELFORMAT_RGB24),
        SDL_FreeSurface);
    if (surface == nullptr || SDL_SaveBMP(surface.get(), path.c_str()) != 0) {
        throw std::runtime_error("cannot write " + path + ": " + SDL_GetError());
    }
}
