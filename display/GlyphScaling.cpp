#include "display/MyGraphics_render.h"
#include "display/Window.h"

namespace {
constexpr int source_cell = 16;

// Nearest-neighbour copy of a 32-bit glyph sheet with `cell`-pixel cells,
// in the software renderer's own layout, which it blends several times
// faster than any other. Cell edges land on whole pixels, so every cell
// scales on its own.
SDL_Surface* scale_sheet(SDL_Surface* sheet, int cell)
{
    const int width = sheet->w * cell / source_cell;
    const int height = sheet->h * cell / source_cell;
    if (width <= 0 || height <= 0 || sheet->format->BytesPerPixel != 4) {
        return nullptr;
    }
    SDL_Surface* scaled = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, sheet->format->format);
    if (scaled == nullptr) {
        return nullptr;
    }
    SDL_LockSurface(sheet);
    for (int y = 0; y < height; ++y) {
        const auto* from = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(sheet->pixels)
                                                            + (y * source_cell / cell) * sheet->pitch);
        auto* to = reinterpret_cast<Uint32*>(static_cast<Uint8*>(scaled->pixels) + y * scaled->pitch);
        for (int x = 0; x < width; ++x) {
            to[x] = from[x * source_cell / cell];
        }
    }
    SDL_UnlockSurface(sheet);
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(scaled, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(scaled);
    return converted;
}
} // namespace

SDL_Texture* MyGraphics_render::prescaled_texture(unsigned index)
{
    if (prescaled_size[index] == glyph_size) {
        return prescaled[index];
    }
    if (prescaled[index] != nullptr) {
        SDL_DestroyTexture(prescaled[index]);
        prescaled[index] = nullptr;
    }
    // Remembered even when it fails, so a failure is not retried per glyph.
    prescaled_size[index] = glyph_size;
    if (glyph_sheets[index] == nullptr || glyph_size <= 0) {
        return nullptr;
    }
    SDL_Surface* scaled = scale_sheet(glyph_sheets[index], glyph_size);
    if (scaled == nullptr) {
        return nullptr;
    }
    prescaled[index] = SDL_CreateTextureFromSurface(renderer, scaled);
    SDL_FreeSurface(scaled);
    if (prescaled[index] != nullptr) {
        SDL_SetTextureBlendMode(prescaled[index], SDL_BLENDMODE_BLEND);
    }
    return prescaled[index];
}

void MyGraphics_render::store_glyph_set_entry(int index, SDL_Texture* texture, SDL_Surface* sheet)
{
    // Loading a set again replaces its textures without leaking the old ones.
    if (glyph_textures[index] != nullptr) {
        SDL_DestroyTexture(glyph_textures[index]);
    }
    if (glyph_sheets[index] != nullptr) {
        SDL_FreeSurface(glyph_sheets[index]);
    }
    if (prescaled[index] != nullptr) {
        SDL_DestroyTexture(prescaled[index]);
    }
    glyph_textures[index] = texture;
    glyph_sheets[index] = sheet;
    prescaled[index] = nullptr;
    prescaled_size[index] = 0;
}
