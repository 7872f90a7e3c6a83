// One frame of a running game: a player tick, a chaser tick and the whole
// scene drawn, on a 1024x768 software target, then a still frame drawn
// again unchanged. Counts the heap allocations of each kind of frame with a
// replaced global operator new.
#include "app/GameApplication.h"
#include "base/SdlOwners.h"
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
    long frames = 0;
    long changed_allocations = 0;
    long still_allocations = 0;
    {
        SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_ARGB8888));
        RendererPtr renderer(SDL_CreateSoftwareRenderer(surface.get()));
        glyph_size = 32;
        SetScreenSize(1024, 768);
        GameApplication app(renderer.get());
        app.start();
        app.start_game(false);
        const auto step = [&] {
            // Keeps the game from ending while the chasers catch the player.
            app.fill_lives();
            app.run_controllers(0.016);
            app.get_monsters().update(0.016, app.get_sound_manager());
        };
        // Settle: the first frames record, allocate and fill caches.
        for (int i = 0; i < 50; ++i) {
            step();
            app.render(*app.get_graphics());
        }
        for (auto _ : state) {
            long before = allocations;
            step();
            app.render(*app.get_graphics());
            changed_allocations += allocations - before;
            state.PauseTiming();
            before = allocations;
            app.render(*app.get_graphics());
            still_allocations += allocations - before;
            state.ResumeTiming();
            ++frames;
        }
    }
    // The time is the changed frame's alone.
    state.counters["allocs_per_frame"] = frames ? static_cast<double>(changed_allocations) / frames : 0.0;
    state.counters["allocs_per_still_frame"] = frames ? static_cast<double>(still_allocations) / frames : 0.0;
    SDL_Quit();
}
BENCHMARK(BM_RunningGameFrame)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
