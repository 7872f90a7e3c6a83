#pragma once
#include <SDL.h>

// Where MyGraphics_render's fills and copies go: straight onto the renderer,
// or into a frame cache that redraws only what changed. The renderer's
// drawing code is the same either way.
class Frame {
public:
    virtual ~Frame() = default;
    virtual void clear(SDL_Color colour) = 0;
    virtual void fill(SDL_Rect const& rect, SDL_Color colour, SDL_BlendMode blend) = 0;
    // A null source is the whole texture; a null destination the whole window.
    virtual void copy(SDL_Texture* texture, SDL_Rect const* src, SDL_Rect const* dst) = 0;
    // Shows the frame; a cache compares it on tiles this size from origin.
    virtual void present(int tile_size, SDL_Point tile_origin) = 0;
    // The next present shows everything again (the window was exposed or restored).
    virtual void redraw_all() {}
};

// Every call draws at once.
class DirectFrame : public Frame {
public:
    explicit DirectFrame(SDL_Renderer* renderer) : renderer(renderer) {}
    void clear(SDL_Color colour) override;
    void fill(SDL_Rect const& rect, SDL_Color colour, SDL_BlendMode blend) override;
    void copy(SDL_Texture* texture, SDL_Rect const* src, SDL_Rect const* dst) override;
    void present(int tile_size, SDL_Point tile_origin) override;

private:
    SDL_Renderer* renderer;
};
