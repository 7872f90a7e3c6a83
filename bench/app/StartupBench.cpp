// Start-up to the first presented frame: SDL, the window, the application
// with its sound table, the glyph sets, the title screen and one frame.
#include "app/GameApplication.h"
#include "base/SdlOwners.h"
#include "display/Window.h"

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <cstdlib>

static void BM_StartupToFirstFrame(benchmark::State& state)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    for (auto _ : state) {
        SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO);
        CreateGameWindow();
        {
            RendererPtr renderer(SDL_CreateRenderer(GetGameWindow(), -1, 0));
            GameApplication app(renderer.get());
            app.start();
            app.run_frame();
            state.PauseTiming();
        }
        DestroyGameWindow();
        SDL_Quit();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

BENCHMARK_MAIN();
