#pragma once
#include "base/SdlOwners.h"
#include "display/MyGraphics_render.h"

#include <SDL.h>
#include <memory>
#include <string>

bool same_rgb(SDL_Color a, SDL_Color b);

// A headless screen for tests: SDL's dummy video driver, a software renderer drawing into a 32-bit surface whose pixels
// the test reads back, the window geometry set for that size, and (optionally) the real glyph sets loaded.
class HeadlessScreen {
public:
    explicit HeadlessScreen(int cell_size = 16, bool load_glyphs = true, int width = 0, int height = 0);

    SDL_Renderer* renderer() const { return renderer_.get(); }
    SDL_Surface* surface() const { return surface_.get(); }
    MyGraphics_render& graphics() { return *graphics_; }
    // Colour of a window pixel (alpha ignored).
    SDL_Color pixel(int x, int y) const;
    // True when the pixel at (x, y) has exactly this RGB.
    bool pixel_is(int x, int y, SDL_Color colour) const { return same_rgb(pixel(x, y), colour); }
    // Number of pixels of the cell (line, column) of the game area in this RGB.
    int count_in_cell(int line, int column, SDL_Color colour) const;
    void clear(SDL_Color c) { SDL_SetRenderDrawColor(renderer(), c.r, c.g, c.b, 255), SDL_RenderClear(renderer()); }

private:
    SurfacePtr surface_;
    RendererPtr renderer_;
    std::unique_ptr<MyGraphics_render> graphics_;
};

// Pushes a key press or release into SDL's event queue.
void push_key(SDL_Keycode key, bool pressed, Uint16 mod = KMOD_NONE);
// Pushes a mouse button event at window pixel (x, y), warping the pointer there first.
void push_mouse_button(int x, int y, bool pressed);

// Polls predicate until it is true or the deadline (milliseconds) passes.
template <typename Predicate> bool wait_until(Predicate predicate, Uint32 deadline_ms = 5000)
{
    Uint32 start = SDL_GetTicks();
    while (!predicate()) {
        if (SDL_GetTicks() - start > deadline_ms) {
            return false;
        }
        SDL_Delay(1);
    }
    return true;
}
