#include "support/AppHarness.h"

#include "display/MyGraphics_render.h"
#include "display/Window.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

AppHarness::AppHarness(bool start)
{
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_AUDIO) != 0) {
        ADD_FAILURE() << "SDL_Init: " << SDL_GetError();
    }
    if (!CreateGameWindow()) {
        ADD_FAILURE() << "CreateGameWindow failed";
    }
    renderer_ = SDL_CreateRenderer(GetGameWindow(), -1, 0);
    app_ = std::make_unique<GameApplication>(renderer_);
    if (start) {
        app_->start();
    }
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

AppHarness::~AppHarness()
{
    app_.reset();
    SDL_FreeSurface(frame_);
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(GetGameWindow());
    game_window = nullptr;
    SDL_Quit();
}

void AppHarness::frames(int count)
{
    for (int i = 0; i < count; ++i) {
        frame();
    }
}

void AppHarness::read_frame()
{
    SDL_FreeSurface(frame_);
    frame_ = SDL_CreateRGBSurfaceWithFormat(0, window_width, window_height, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, frame_->pixels, frame_->pitch);
}

SDL_Color AppHarness::pixel(int x, int y)
{
    read_frame();
    Uint32 value = static_cast<const Uint32*>(frame_->pixels)[y * frame_->pitch / 4 + x];
    SDL_Color c;
    SDL_GetRGBA(value, frame_->format, &c.r, &c.g, &c.b, &c.a);
    return c;
}

SDL_Color AppHarness::cell_corner(int line, int column)
{
    return pixel(game_offset_x + column * glyph_size, game_offset_y + line * glyph_size);
}

bool AppHarness::cell_shows(int line, int column, int c, simple_colour_t ink, simple_colour_t paper)
{
    read_frame();
    // Draw the expected cell at the same place on a scratch target.
    SDL_Surface* scratch = SDL_CreateRGBSurfaceWithFormat(0, window_width, window_height, 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* reference = SDL_CreateSoftwareRenderer(scratch);
    SDL_SetRenderDrawBlendMode(reference, SDL_BLENDMODE_BLEND);
    bool same = true;
    {
        MyGraphics_render g(reference);
        g.load(0, "Spectrum.bmp", 16, 10);
        g.print(line, column, ink, paper, c);
        SDL_RenderFlush(reference);
        const int x0 = game_offset_x + column * glyph_size;
        const int y0 = game_offset_y + line * glyph_size;
        for (int y = y0; y < y0 + glyph_size && same; ++y) {
            for (int x = x0; x < x0 + glyph_size; ++x) {
                Uint32 want = static_cast<const Uint32*>(scratch->pixels)[y * scratch->pitch / 4 + x];
                Uint32 got = static_cast<const Uint32*>(frame_->pixels)[y * frame_->pitch / 4 + x];
                if ((want & 0xffffff) != (got & 0xffffff)) {
                    same = false;
                    break;
                }
            }
        }
    }
    SDL_DestroyRenderer(reference);
    SDL_FreeSurface(scratch);
    return same;
}
