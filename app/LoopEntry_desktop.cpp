#include "app/LoopEntry.h"

#include "app/GameApplication.h"
#include "display/Window.h"

#include <memory>

int run_game(RendererPtr renderer, int argc, char* argv[])
{
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
