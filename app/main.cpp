#include "app/GameApplication.h"
#include "base/SdlOwners.h"
#include "base/Utilities.h"
#include "display/BitmapFile.h"
#include "display/Window.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace {

// The icon is a nicety: without a usable file the game starts all the same.
void set_window_icon(SDL_Window* window)
{
    const SurfacePtr icon(load_bitmap_file("kworble_icon.bmp"));
    if (icon == nullptr) {
        SDL_ClearError();
        return;
    }
    SDL_SetWindowIcon(window, icon.get());
}

// A software GL driver allocates and frees frame-sized buffers every frame.
// With glibc's defaults the freed top of the heap goes back to the system each
// time and every frame faults it in again, which cost about as much as the
// drawing itself; keeping some headroom mapped avoids that.
void keep_heap_headroom()
{
#if defined(__GLIBC__)
    mallopt(M_TOP_PAD, 16 << 20);
#endif
}

#ifdef __EMSCRIPTEN__
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
#endif

} // namespace

int main(int argc, char* argv[])
{
    keep_heap_headroom();
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO) != 0) {
        puts("Could not initialize SDL");
        return 1;
    }
    Utilities::initialise_random_seed();
    if (!CreateGameWindow()) {
        puts("Could not create game window");
        SDL_Quit();
        return 1;
    }
    set_window_icon(GetGameWindow());
    RendererPtr renderer(SDL_CreateRenderer(GetGameWindow(), -1, 0));
    if (renderer == nullptr) {
        puts("Could not create renderer");
        SDL_Quit();
        return 1;
    }
#ifdef __EMSCRIPTEN__
    // Letters and Enter are the game's, not text for the page.
    SDL_StopTextInput();
    // Braced members are made in order: the application takes the renderer first.
    static WebRun run{std::make_unique<GameApplication>(renderer.get()), std::move(renderer)};
    run.app->start();
    // Never returns: main's stack unwinds and the browser runs the frames.
    emscripten_set_main_loop_arg(web_frame, &run, 0, true);
#endif
    int result = 0;
    {
        // Everything the application owns goes before SDL shuts down.
        auto app = std::make_unique<GameApplication>(renderer.get());
        result = app->main(argc, argv);
    }
    renderer.reset();
    DestroyGameWindow();
    SDL_Quit();
    return result;
}
