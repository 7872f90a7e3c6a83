#include "base/PixelAccess.h"
#include "base/Utilities.h"
#include "display/BitmapFile.h"
#include "display/MyGraphics_render.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace {

constexpr Uint32 raw_black = 0;
// The key colour as a 24-bit bitmap lays it out (red high), and as the
// recoloured surface lays it out (red low).
constexpr Uint32 raw_hot_pink_loaded = (238u << 16) | (0u << 8) | 252u;
constexpr Uint32 raw_hot_pink_recoloured = 238u | (0u << 8) | (252u << 16);

// Locks the surface for as long as a row scan needs it, when SDL asks for that.
class SurfaceLock {
public:
    explicit SurfaceLock(SDL_Surface* surface) : surface(surface)
    {
        locked = SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) == 0;
    }
    ~SurfaceLock()
    {
        if (locked) {
            SDL_UnlockSurface(surface);
        }
    }
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

private:
    SDL_Surface* surface;
    bool locked = false;
};

// A row outside the picture holds nothing, so a check line past the bottom
// of a too-small bitmap fails the checks instead of reading past the pixels.
bool row_has_pixel(SDL_Surface* surface, int row, Uint32 value)
{
    if (row < 0 || row >= surface->h) {
        return false;
    }
    SurfaceLock lock(surface);
    for (int x = 0; x < surface->w; ++x) {
        if (getpixel(surface, x, row) == value) {
            return true;
        }
    }
    return false;
}

[[noreturn]] void fatal_with_sdl_error(const char* format)
{
    const std::string error = SDL_GetError();
    printf(format, error.c_str());
    Utilities::fatalErrorSDL(error);
}

// An empty surface of the source's size, red in the lowest byte.
SurfacePtr new_recolour_surface(SDL_Surface* source)
{
    int bpp = 0;
    Uint32 rmask = 0;
    Uint32 gmask = 0;
    Uint32 bmask = 0;
    Uint32 amask = 0;
    if (!SDL_PixelFormatEnumToMasks(SDL_PIXELFORMAT_BGR888, &bpp, &rmask, &gmask, &bmask, &amask)) {
        fatal_with_sdl_error("SDL_PixelFormatEnumToMasks error: %s\n");
    }
    return SurfacePtr(SDL_CreateRGBSurface(0, source->w, source->h, bpp, rmask, gmask, bmask, amask));
}

// Each 16x16 cell's box round its pixels that are not the key colour.
std::vector<SDL_Rect> glyph_ink_bounds(SDL_Surface* source)
{
    constexpr int cell = 16;
    const int columns = source->w / cell;
    std::vector<SDL_Rect> bounds(static_cast<size_t>(columns * (source->h / cell)));
    const SDL_Color& key = hot_pink_means_transparent;
    SurfaceLock lock(source);
    for (size_t i = 0; i < bounds.size(); ++i) {
        const int left = static_cast<int>(i) % columns * cell;
        const int top = static_cast<int>(i) / columns * cell;
        int x0 = cell, y0 = cell, x1 = 0, y1 = 0;
        for (int y = 0; y < cell; ++y) {
            for (int x = 0; x < cell; ++x) {
                Uint8 r = 0, g = 0, b = 0;
                SDL_GetRGB(getpixel(source, left + x, top + y), source->format, &r, &g, &b);
                if (r != key.r || g != key.g || b != key.b) {
                    x0 = std::min(x0, x);
                    y0 = std::min(y0, y);
                    x1 = std::max(x1, x + 1);
                    y1 = std::max(y1, y + 1);
                }
            }
        }
        bounds[i] = x1 > x0 ? SDL_Rect{x0, y0, x1 - x0, y1 - y0} : SDL_Rect{};
    }
    return bounds;
}
} // namespace

SurfacePtr double_image_size(SDL_Surface* source)
{
    const SDL_PixelFormat* format = source->format;
    SurfacePtr doubled(SDL_CreateRGBSurface(0, source->w * 2, source->h * 2, format->BitsPerPixel, format->Rmask,
                                            format->Gmask, format->Bmask, format->Amask));
    if (doubled == nullptr) {
        Utilities::fatalError("failed to create surface in double_image_size()");
    }
    if (format->palette != nullptr) {
        // Raw values of a paletted picture only mean the same with its own palette.
        SDL_SetSurfacePalette(doubled.get(), format->palette);
    }
    SDL_LockSurface(source);
    SDL_LockSurface(doubled.get());
    for (int y = 0; y < source->h; ++y) {
        for (int x = 0; x < source->w; ++x) {
            const Uint32 pixel = getpixel(source, x, y);
            putpixel(doubled.get(), 2 * x, 2 * y, pixel);
            putpixel(doubled.get(), 2 * x, 2 * y + 1, pixel);
            putpixel(doubled.get(), 2 * x + 1, 2 * y, pixel);
            putpixel(doubled.get(), 2 * x + 1, 2 * y + 1, pixel);
        }
    }
    SDL_UnlockSurface(doubled.get());
    SDL_UnlockSurface(source);
    return doubled;
}

SurfacePtr MyGraphics_render::recolour_black_surface(SDL_Surface* source, unsigned char r, unsigned char g,
                                                     unsigned char b, int check_line)
{
    SurfacePtr coloured = new_recolour_surface(source);
    if (coloured != nullptr) {
        recolour_into(source, coloured.get(), r, g, b, check_line);
    }
    return coloured;
}

void MyGraphics_render::recolour_into(SDL_Surface* source, SDL_Surface* coloured, unsigned char r, unsigned char g,
                                      unsigned char b, int check_line)
{
    const void* source_pixels = source->pixels;
    const void* coloured_pixels = coloured->pixels;

    // Black is the key, so the blit below leaves the strokes in the fill colour.
    if (SDL_SetColorKey(source, SDL_TRUE, SDL_MapRGB(source->format, 0, 0, 0)) != 0) {
        fatal_with_sdl_error("SDL_SetColorKey<1> error: %s\n");
    }
    if (!row_has_pixel(source, check_line, raw_hot_pink_loaded)) {
        puts("No hot pink [1]");
    }
    SDL_FillRect(coloured, nullptr, SDL_MapRGB(coloured->format, r, g, b));
    if (!row_has_pixel(source, check_line, raw_black)) {
        puts("No black");
    }
    if (SDL_BlitSurface(source, nullptr, coloured, nullptr) != 0) {
        fatal_with_sdl_error("SDL_BlitSurface<1> error: %s\n");
    }
    const Uint32 raw_colour = r | (static_cast<Uint32>(g) << 8) | (static_cast<Uint32>(b) << 16);
    if (!row_has_pixel(coloured, check_line, raw_colour)) {
        puts("No colour");
    }
    if (!row_has_pixel(coloured, check_line, raw_hot_pink_recoloured)) {
        puts("No hot pink [2]");
    }
    if (source->pixels != source_pixels || coloured->pixels != coloured_pixels) {
        puts("PIXEL BUFFER MOVED!");
    }
}

void MyGraphics_render::load(int set, const char* filename, int glyph_size, int check_line)
{
    if (static_cast<unsigned>(set) > 1) {
        Utilities::fatalError("Invalid texture set");
    }
    SurfacePtr source(load_bitmap_file(filename));
    if (source == nullptr) {
        fatal_with_sdl_error("Error loading bitmap: %s\n");
    }
    if (glyph_size == 8) {
        source = double_image_size(source.get());
    } else if (glyph_size != 16) {
        Utilities::fatalError("Glyph sizes supported are only 8 and 16 at the moment");
    }
    if (!row_has_pixel(source.get(), check_line, raw_black)) {
        puts("No black on load?");
        Utilities::fatalError("No black");
    }

    // One recolouring surface serves all sixteen colours: fresh memory for
    // each would cost more than the recolouring itself.
    const SurfacePtr coloured = new_recolour_surface(source.get());
    for (int colour = 0; colour < 16; ++colour) {
        if (coloured == nullptr) {
            printf("Surface creation failed: %s\n", SDL_GetError());
            continue;
        }
        SDL_Color rgb;
        get_rgb_from_simple_colour(&rgb, static_cast<simple_colour_t>(colour));
        recolour_into(source.get(), coloured.get(), rgb.r, rgb.g, rgb.b, check_line);
        const SDL_Color& key = hot_pink_means_transparent;
        if (SDL_SetColorKey(coloured.get(), SDL_TRUE, SDL_MapRGB(coloured->format, key.r, key.g, key.b)) != 0) {
            fatal_with_sdl_error("SDL_SetColorKey<2> error: %s\n");
        }
        int bpp = 0;
        Uint32 rmask = 0;
        Uint32 gmask = 0;
        Uint32 bmask = 0;
        Uint32 amask = 0;
        if (!SDL_PixelFormatEnumToMasks(SDL_PIXELFORMAT_ABGR8888, &bpp, &rmask, &gmask, &bmask, &amask)) {
            printf("SDL_PixelFormatEnumToMasks error: %s\n", SDL_GetError());
            continue;
        }
        // Starts all zero, so whatever the keyed blit skips stays transparent.
        const SurfacePtr with_alpha(SDL_CreateRGBSurface(0, coloured->w, coloured->h, bpp, rmask, gmask, bmask, amask));
        if (with_alpha == nullptr) {
            printf("SDL_CreateRGBSurface error: %s\n", SDL_GetError());
            continue;
        }
        if (SDL_BlitSurface(coloured.get(), nullptr, with_alpha.get(), nullptr) != 0) {
            fatal_with_sdl_error("SDL_BlitSurface<2> error: %s\n");
        }
        Texture texture(SDL_CreateTextureFromSurface(renderer, with_alpha.get()));
        if (!texture) {
            fatal_with_sdl_error("texture creation failed: %s\n");
        }
        SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
        store_glyph_texture(set * 16 + colour, std::move(texture));
    }
    ink_bounds[set] = glyph_ink_bounds(source.get());
    glyph_sources[set] = std::move(source);
}
