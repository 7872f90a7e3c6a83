#include "ScreenReader.h"

#include "display/MyGraphics_render.h"
#include "display/Window.h"

#include <vector>

ScreenReader::ScreenReader(SDL_Renderer* game_renderer) : game(game_renderer) {}

ScreenReader::~ScreenReader() = default;

// The reference is drawn at the same window position as the game draws, so it is as large as the window; a new window
// size needs a new one.
void ScreenReader::make_reference()
{
    if (reference && reference_surface->w == window_width && reference_surface->h == window_height) {
        return;
    }
    reference.reset();
    reference_renderer.reset();
    reference_surface.reset(
        SDL_CreateRGBSurfaceWithFormat(0, window_width, window_height, 32, SDL_PIXELFORMAT_ARGB8888));
    reference_renderer.reset(SDL_CreateSoftwareRenderer(reference_surface.get()));
    SDL_SetRenderDrawBlendMode(reference_renderer.get(), SDL_BLENDMODE_BLEND);
    reference = std::make_unique<MyGraphics_render>(reference_renderer.get());
    reference->load(0, "Spectrum.bmp", 16, 10);
}

bool ScreenReader::read_cell(int line, int column, Uint32* pixels)
{
    SDL_Rect cell{game_offset_x + column * glyph_size, game_offset_y + line * glyph_size, glyph_size, glyph_size};
    return SDL_RenderReadPixels(game, &cell, SDL_PIXELFORMAT_ARGB8888, pixels, glyph_size * 4) == 0;
}

bool ScreenReader::shows(int line, int column, int c, simple_colour_t ink, simple_colour_t paper, Uint8 shade)
{
    make_reference();
    std::vector<Uint32> seen(static_cast<size_t>(glyph_size * glyph_size));
    if (!read_cell(line, column, seen.data())) {
        return false;
    }
    if (shade > 0) {
        reference->print(line, column, paper, paper, ' ');
        reference->print(line, column, ink, get_rgb_from_simple_colour_transparent(BLACK, shade), c);
    } else {
        reference->print(line, column, ink, paper, c);
    }
    SDL_RenderFlush(reference_renderer.get());
    const int x0 = game_offset_x + column * glyph_size;
    const int y0 = game_offset_y + line * glyph_size;
    const auto* wanted = static_cast<const Uint32*>(reference_surface->pixels);
    const int stride = reference_surface->pitch / 4;
    for (int y = 0; y < glyph_size; ++y) {
        for (int x = 0; x < glyph_size; ++x) {
            Uint32 want = wanted[(y0 + y) * stride + x0 + x];
            Uint32 got = seen[static_cast<size_t>(y * glyph_size + x)];
            if ((want & 0xffffff) != (got & 0xffffff)) {
                return false;
            }
        }
    }
    return true;
}

bool ScreenReader::shows_text(int line, int column, const std::string& text, simple_colour_t ink, simple_colour_t paper,
                              Uint8 shade)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (!shows(line, column + static_cast<int>(i), static_cast<unsigned char>(text[i]), ink, paper, shade)) {
            return false;
        }
    }
    return true;
}

std::string ScreenReader::digits(int line, int column, int count, simple_colour_t ink, simple_colour_t paper)
{
    std::string text(static_cast<size_t>(count), '?');
    for (int i = 0; i < count; ++i) {
        for (char d = '0'; d <= '9' && text[i] == '?'; ++d) {
            text[i] = shows(line, column + i, d, ink, paper) ? d : '?';
        }
    }
    return text;
}
