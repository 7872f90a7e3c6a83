#pragma once
#include "app/GameApplication.h"
#include "support/TestSupport.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <memory>

// The real application drawing into a headless software screen, with SDL's
// dummy audio driver behind its sound manager. Frames run through the
// application's own loop; the screen's pixels show what it drew.
class HeadlessApp {
public:
    explicit HeadlessApp(int cell_size = 16, bool start = false) : screen((headless_drivers(), cell_size))
    {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            ADD_FAILURE() << "SDL audio: " << SDL_GetError();
        }
        app = std::make_unique<GameApplication>(screen.renderer());
        if (start) {
            app->start();
        }
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    ~HeadlessApp()
    {
        app.reset();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    HeadlessApp(const HeadlessApp&) = delete;
    HeadlessApp& operator=(const HeadlessApp&) = delete;

    void frame() { app->run_frame(); }
    void frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            frame();
        }
    }
    template <typename Predicate> bool run_until(Predicate predicate, Uint32 deadline_ms = 10000)
    {
        Uint32 begin = SDL_GetTicks();
        while (!predicate()) {
            if (SDL_GetTicks() - begin > deadline_ms) {
                return false;
            }
            frame();
        }
        return true;
    }

    HeadlessScreen screen;
    std::unique_ptr<GameApplication> app;

private:
    // Headless whatever the environment says, unless a driver was chosen on purpose.
    static void headless_drivers()
    {
        SDL_setenv("SDL_VIDEODRIVER", "dummy", 0);
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
    }
};
