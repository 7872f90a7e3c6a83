#include "base/PixelAccess.h"
#include "display/MyGraphics_render.h"
#include "display/Window.h"

#include <utility>

namespace {
constexpr int source_cell = 16;

// Glyph set `source` in one ink, scaled to `cell`-pixel cells, in the
// software renderer's own layout: the same picture the loader's textures
// hold (black strokes in the ink, the key colour clear, any other colour
// as it is), by nearest neighbour. Cell edges land on whole pixels, so
// every cell scales on its own.
SurfacePtr coloured_sheet(SDL_Surface* source, SDL_Color ink, int cell)
{
    const int width = source->w * cell / source_cell;
    const int height = source->h * cell / source_cell;
    Uint32 stroke_key = 0;
    if (width <= 0 || height <= 0 || SDL_GetColorKey(source, &stroke_key) != 0) {
        return nullptr;
    }
    SurfacePtr sheet(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (sheet == nullptr) {
        return nullptr;
    }
    const SDL_Color& key = hot_pink_means_transparent;
    const Uint32 ink_pixel = SDL_MapRGBA(sheet->format, ink.r, ink.g, ink.b, 255);
    SDL_LockSurface(source);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(sheet->pixels) + y * sheet->pitch);
        for (int x = 0; x < width; ++x) {
            const Uint32 raw = getpixel(source, x * source_cell / cell, y * source_cell / cell);
            Uint8 r = 0;
            Uint8 g = 0;
            Uint8 b = 0;
            SDL_GetRGB(raw, source->format, &r, &g, &b);
            if (raw == stroke_key) {
                row[x] = ink_pixel;
            } else if (r == key.r && g == key.g && b == key.b) {
                row[x] = 0;
            } else {
                row[x] = SDL_MapRGBA(sheet->format, r, g, b, 255);
            }
        }
    }
    SDL_UnlockSurface(source);
    return sheet;
}
} // namespace

SDL_Texture* MyGraphics_render::prescaled_texture(unsigned index)
{
    if (prescaled_size[index] == glyph_size) {
        return prescaled[index].get();
    }
    prescaled[index].reset();
    // Remembered even when it fails, so a failure is not retried per glyph.
    prescaled_size[index] = glyph_size;
    SDL_Surface* source = glyph_sources[index / 16].get();
    if (source == nullptr || glyph_size <= 0) {
        return nullptr;
    }
    const SurfacePtr sheet = coloured_sheet(source, simple_colours[index % 16], glyph_size);
    if (sheet == nullptr) {
        return nullptr;
    }
    prescaled[index].reset(SDL_CreateTextureFromSurface(renderer, sheet.get()));
    if (prescaled[index]) {
        SDL_SetTextureBlendMode(prescaled[index].get(), SDL_BLENDMODE_BLEND);
    }
    return prescaled[index].get();
}

void MyGraphics_render::store_glyph_texture(int index, Texture texture)
{
    glyph_textures[index] = std::move(texture);
    prescaled[index].reset();
    prescaled_size[index] = 0;
}
