#include "display/Frame.h"

#include "base/Utilities.h"

void DirectFrame::clear(SDL_Color colour)
{
    if (SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, 255) != 0) {
        Utilities::fatalErrorSDL("MyGraphics_render::clear_screen SDL_SetRenderDrawColor Error =");
    }
    if (SDL_RenderClear(renderer) != 0) {
        Utilities::fatalErrorSDL("MyGraphics_render::clear_screen SDL_RenderClear Error =");
    }
}

void DirectFrame::fill(SDL_Rect const& rect, SDL_Color colour, SDL_BlendMode blend)
{
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, colour.a);
    SDL_BlendMode mode = SDL_BLENDMODE_NONE;
    SDL_GetRenderDrawBlendMode(renderer, &mode);
    if (blend != mode) {
        SDL_SetRenderDrawBlendMode(renderer, blend);
    }
    SDL_RenderFillRect(renderer, &rect);
    if (blend != mode) {
        SDL_SetRenderDrawBlendMode(renderer, mode);
    }
}

void DirectFrame::copy(SDL_Texture* texture, SDL_Rect const* src, SDL_Rect const* dst)
{
    SDL_RenderCopy(renderer, texture, src, dst);
}

void DirectFrame::present(int /*tile_size*/, SDL_Point /*tile_origin*/)
{
    SDL_RenderPresent(renderer);
}
