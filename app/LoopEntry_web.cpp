#include "app/LoopEntry.h"

#include "app/GameApplication.h"
#include "display/Window.h"

#include <emscripten.h>

#include <memory>
#include <utility>

namespace {

struct WebRun {
    std::unique_ptr<GameApplication> app;
    RendererPtr renderer;
};

// The browser calls this on its animation frames (none in a hidden tab).
// After quitting, everything goes as on the desktop, and the exit tells the page.
void web_frame(void* arg)
{
    auto* run = static_cast<WebRun*>(arg);
    run->app->run_frame();
    if (!run->app->quit_requested()) {
        return;
    }
    emscripten_cancel_main_loop();
    run->app->finish();
    run->app.reset();
    run->renderer.reset();
    DestroyGameWindow();
    SDL_Quit();
    // Pending browser timers would otherwise keep the program from ending.
    emscripten_force_exit(0);
}

} // namespace

int run_game(RendererPtr renderer, int /*argc*/, char* /*argv*/[])
{
    // Letters and Enter are the game's, not text for the page.
    SDL_StopTextInput();
    // Braced members are made in order: the application takes the renderer first.
    static WebRun run{std::make_unique<GameApplication>(renderer.get()), std::move(renderer)};
    run.app->start();
    // Never returns: run_game's stack unwinds and the browser runs the frames.
    emscripten_set_main_loop_arg(web_frame, &run, 0, true);
    return 0;
}
