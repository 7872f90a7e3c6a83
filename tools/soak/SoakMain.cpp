// The soak run: kworble_soak <seconds> [measure-from-seconds]
// The real application on SDL's dummy drivers plays its attract loop (demo,
// next maze, demo, ...) for the given time. Resident memory is printed every
// ten seconds, and at the end how much it grew since measuring began, after
// the caches, pools and sanitizer bookkeeping of the first stretch settle.
#include "app/GameApplication.h"
#include "base/SdlOwners.h"
#include "display/MyGraphics_record.h"
#include "display/Window.h"
#include "tools/soak/AttractDriver.h"
#include "tools/soak/ResidentMemory.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr Uint32 report_every_ms = 10000;

struct Figures {
    long rss_start_kb = -1;
    long heap_start_kb = -1;
    Uint32 measured_from_ms = 0;
    long rss_end_kb = -1;
    long heap_end_kb = -1;
};

void print_progress(Uint32 elapsed_ms, const AttractDriver& driver, GameApplication& app)
{
    const MyGraphics_record* background = app.get_background();
    std::printf("soak: t=%us rss=%ldkB heap=%ldkB background=%zu demos=%d maze=%c maze-changes=%d\n", elapsed_ms / 1000,
                resident_memory_kb(), heap_in_use_kb(), background ? background->size() : 0, driver.demos_started(),
                app.get_maze_letter(), driver.maze_changes());
    std::fflush(stdout);
}

// Glyph textures are made per ink on first use, and the random colour scheme
// of each new maze can bring in an ink for the first time long after the
// first minute: a bounded cache that would read as growth. Every ink of the
// main font is drawn once up front instead.
void warm_glyph_cache(GameApplication& app)
{
    MyGraphics& g = *app.get_graphics();
    for (int ink = BLACK; ink <= BRIGHT_WHITE; ++ink) {
        g.print(0, 0, static_cast<simple_colour_t>(ink), BLACK, 'A');
    }
}

Figures run_attract_loop(GameApplication& app, AttractDriver& driver, Uint32 run_ms, Uint32 measure_ms)
{
    Figures figures;
    app.start();
    warm_glyph_cache(app);
    // The fastest tempo: more steps, deaths and cleared mazes per minute.
    while (app.get_tempo() != 9) {
        app.change_tempo();
    }
    app.show_game_menu(true);

    const Uint32 start = SDL_GetTicks();
    Uint32 next_report = 0;
    for (;;) {
        const Uint32 elapsed = SDL_GetTicks() - start;
        if (elapsed >= run_ms || app.quit_requested()) {
            break;
        }
        if (figures.rss_start_kb < 0 && elapsed >= measure_ms) {
            figures.rss_start_kb = resident_memory_kb();
            figures.heap_start_kb = heap_in_use_kb();
            figures.measured_from_ms = elapsed;
        }
        if (elapsed >= next_report) {
            print_progress(elapsed, driver, app);
            next_report += report_every_ms;
        }
        driver.before_frame(app);
        app.run_frame();
    }
    figures.rss_end_kb = resident_memory_kb();
    figures.heap_end_kb = heap_in_use_kb();
    print_progress(SDL_GetTicks() - start, driver, app);
    app.finish();
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || std::atoi(argv[1]) <= 0) {
        std::puts("usage: kworble_soak <seconds> [measure-from-seconds]");
        return 2;
    }
    const Uint32 run_ms = static_cast<Uint32>(std::atoi(argv[1])) * 1000;
    const Uint32 measure_ms = argc > 2 ? static_cast<Uint32>(std::atoi(argv[2])) * 1000 : run_ms / 6;

    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO) != 0) {
        std::printf("soak: SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    if (!CreateGameWindow()) {
        std::puts("soak: could not create the game window");
        SDL_Quit();
        return 1;
    }
    RendererPtr renderer(SDL_CreateRenderer(GetGameWindow(), -1, 0));
    if (!renderer) {
        std::printf("soak: could not create the renderer: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }

    AttractDriver driver;
    Figures figures;
    {
        auto app = std::make_unique<GameApplication>(renderer.get());
        figures = run_attract_loop(*app, driver, run_ms, measure_ms);
    }
    renderer.reset();
    DestroyGameWindow();
    SDL_Quit();

    std::printf("soak: demos=%d cut-short=%d mazes-cleared=%d maze-changes=%d\n", driver.demos_started(),
                driver.demos_cut_short(), driver.mazes_cleared(), driver.maze_changes());
    std::printf("soak: heap_start=%ldkB heap_end=%ldkB heap_growth=%ldkB\n", figures.heap_start_kb, figures.heap_end_kb,
                figures.heap_end_kb - figures.heap_start_kb);
    std::printf("soak: rss_start=%ldkB (t=%us) rss_end=%ldkB growth=%ldkB\n", figures.rss_start_kb,
                figures.measured_from_ms / 1000, figures.rss_end_kb, figures.rss_end_kb - figures.rss_start_kb);
    if (driver.demos_started() == 0) {
        std::puts("soak: FAILED: no demo game started");
        return 1;
    }
    return 0;
}
