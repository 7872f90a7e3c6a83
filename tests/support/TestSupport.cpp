#include "support/TestSupport.h"

#include "display/Window.h"

#include <gtest/gtest.h>

HeadlessScreen::HeadlessScreen(int cell_size, bool load_glyphs, int width, int height)
{
    if (SDL_WasInit(SDL_INIT_VIDEO | SDL_INIT_TIMER) != (SDL_INIT_VIDEO | SDL_INIT_TIMER)) {
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
            ADD_FAILURE() << "SDL_Init: " << SDL_GetError();
        }
    }
    glyph_size = cell_size;
    if (width == 0) {
        width = 32 * cell_size;
        height = 24 * cell_size;
    }
    surface_.reset(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    renderer_.reset(SDL_CreateSoftwareRenderer(surface_.get()));
    SDL_SetRenderDrawBlendMode(renderer_.get(), SDL_BLENDMODE_BLEND);
    restricted_game_area = false;
    SetScreenSize(width, height);
    graphics_ = std::make_unique<MyGraphics_render>(renderer_.get());
    if (load_glyphs) {
        graphics_->load(0, "Spectrum.bmp", 16, 10);
        graphics_->load(1, "BX_title_screen.bmp", 8, 100);
    }
}

SDL_Color HeadlessScreen::pixel(int x, int y) const
{
    SDL_RenderFlush(renderer_.get());
    Uint32 value = static_cast<const Uint32*>(surface_->pixels)[y * surface_->pitch / 4 + x];
    SDL_Color c;
    SDL_GetRGBA(value, surface_->format, &c.r, &c.g, &c.b, &c.a);
    return c;
}

int HeadlessScreen::count_in_cell(int line, int column, SDL_Color colour) const
{
    int count = 0;
    for (int y = 0; y < glyph_size; ++y) {
        for (int x = 0; x < glyph_size; ++x) {
            if (pixel_is(game_offset_x + column * glyph_size + x, game_offset_y + line * glyph_size + y, colour)) {
                ++count;
            }
        }
    }
    return count;
}

void push_key(SDL_Keycode key, bool pressed, Uint16 mod)
{
    SDL_Event event{};
    event.type = pressed ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    event.key.keysym.mod = mod;
    SDL_PushEvent(&event);
}

void push_mouse_button(int x, int y, bool pressed)
{
    SDL_Event event{};
    event.type = pressed ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

bool same_rgb(SDL_Color a, SDL_Color b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
