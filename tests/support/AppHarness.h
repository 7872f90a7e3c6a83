#pragma once
#include "app/GameApplication.h"
#include "display/Colours.h"

#include <SDL.h>
#include <memory>

// The real application on SDL's dummy drivers: a real (invisible) window,
// its renderer, and the application started as main() starts it. Tests push
// events into SDL's queue and run frames through the application's loop.
class AppHarness {
public:
    explicit AppHarness(bool start = true);
    ~AppHarness();

    GameApplication& app() { return *app_; }
    void frame() { app_->run_frame(); }
    void frames(int count);
    // Runs frames until predicate holds; false when the deadline passes.
    template <typename Predicate>
    bool run_until(Predicate predicate, Uint32 deadline_ms = 10000)
    {
        Uint32 start = SDL_GetTicks();
        while (!predicate()) {
            if (SDL_GetTicks() - start > deadline_ms) {
                return false;
            }
            frame();
        }
        return true;
    }

    // A pixel of the last presented frame, in window coordinates.
    SDL_Color pixel(int x, int y);
    // True when the game cell (line, column) of the last frame shows glyph c
    // in this ink on this paper, compared pixel for pixel with a reference.
    bool cell_shows(int line, int column, int c, simple_colour_t ink, simple_colour_t paper);
    // The paper colour of a cell: the colour of its top-left pixel.
    SDL_Color cell_corner(int line, int column);

private:
    void read_frame();

    SDL_Renderer* renderer_ = nullptr;
    std::unique_ptr<GameApplication> app_;
    SDL_Surface* frame_ = nullptr;
};
