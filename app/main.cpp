#include "app/LoopEntry.h"
#include "base/SdlOwners.h"
#include "base/Utilities.h"
#include "display/BitmapFile.h"
#include "display/Window.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <utility>
#if defined(__GLIBC__)
#include <malloc.h>
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
    return run_game(std::move(renderer), argc, argv);
}
