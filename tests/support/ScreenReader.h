#pragma once
#include "base/SdlOwners.h"
#include "display/Colours.h"

#include <SDL.h>
#include <memory>
#include <string>

class MyGraphics_render;

// Reads cells of the frame the game last presented and compares them pixel for pixel with a reference drawing of the
// expected glyph. Cheap enough to poll every frame: only the cell is read back, and the reference font is loaded once,
// so a slow (sanitized) build still sees every menu tick.
class ScreenReader {
public:
    explicit ScreenReader(SDL_Renderer* game_renderer);
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // True when cell (line, column) shows glyph c in this ink on this paper, or, with a shade, on a see-through black
    // of that opacity over the paper.
    bool shows(int line, int column, int c, simple_colour_t ink, simple_colour_t paper, Uint8 shade = 0);
    // True when the text stands there, one character a cell, all in these colours.
    bool shows_text(int line, int column, const std::string& text, simple_colour_t ink, simple_colour_t paper,
                    Uint8 shade = 0);
    // The digits of a field, '?' where a cell shows no digit.
    std::string digits(int line, int column, int count, simple_colour_t ink, simple_colour_t paper);

private:
    void make_reference();
    bool read_cell(int line, int column, Uint32* pixels);

    SDL_Renderer* game;
    SurfacePtr reference_surface;
    RendererPtr reference_renderer;
    std::unique_ptr<MyGraphics_render> reference;
};
