#include "base/PixelAccess.h"

namespace {
Uint8* pixel_address(const SDL_Surface* surface, int x, int y)
{
    return static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel;
}
} // namespace

Uint32 getpixel(const SDL_Surface* surface, int x, int y)
{
    const Uint8* p = pixel_address(surface, x, y);
    switch (surface->format->BytesPerPixel) {
    case 1:
        return *p;
    case 2:
        return *reinterpret_cast<const Uint16*>(p);
    case 3:
        return p[0] | (p[1] << 8) | (p[2] << 16);
    case 4:
        return *reinterpret_cast<const Uint32*>(p);
    default:
        return 0;
    }
}

void putpixel(SDL_Surface* surface, int x, int y, Uint32 pixel)
{
    Uint8* p = pixel_address(surface, x, y);
    switch (surface->format->BytesPerPixel) {
    case 1:
        *p = static_cast<Uint8>(pixel);
        break;
    case 2:
        *reinterpret_cast<Uint16*>(p) = static_cast<Uint16>(pixel);
        break;
    case 3:
        p[0] = pixel & 0xff;
        p[1] = (pixel >> 8) & 0xff;
        p[2] = (pixel >> 16) & 0xff;
        break;
    case 4:
        *reinterpret_cast<Uint32*>(p) = pixel;
        break;
    default:
        break;
    }
}
