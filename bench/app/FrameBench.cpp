// One frame of a running game: a player tick, a chaser tick and the whole
// scene drawn, on a 1024x768 software target. Counts heap allocations per
// frame with a replaced global operator new.
#include "app/GameApplication.h"
#include "display/Window.h"
#include "world/Player.h"

#include <SDL.h>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <new>

// The replaced operators pair malloc with free; GCC cannot see that through
// inlining and warns of a mismatch.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

static void BM_RunningGameFrame(benchmark::State& state)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_AUDIO);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    glyph_size = 32;
    SetScreenSize(1024, 768);
    long frames = 0;
    long counted = 0;
    {
        GameApplication app(renderer);
        app.start();
        app.start_game(false);
        // Settle: the first frames record, allocate and fill caches.
        for (int i = 0; i < 50; ++i) {
            app.run_controllers(0.016);
            app.get_monsters().update(0.016, app.get_sound_manager());
            app.render(*app.get_graphics());
        }
        long before = allocations;
        for (auto _ : state) {
            // Keeps the game from ending while the chasers catch the player.
            app.fill_lives();
            app.run_controllers(0.016);
            app.get_monsters().update(0.016, app.get_sound_manager());
            app.render(*app.get_graphics());
            ++frames;
        }
        counted = allocations - before;
    }
    state.counters["allocs_per_frame"] = frames ? static_cast<double>(counted) / frames : 0.0;
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
    SDL_Quit();
}
BENCHMARK(BM_RunningGameFrame)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
