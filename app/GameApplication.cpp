#include "app/GameApplication.h"

#include "display/MyGraphics.h"
#include "display/MyGraphics_record.h"
#include "display/MyGraphics_render.h"
#include "screens/MazeEditor.h"
#include "screens/SpecialStates.h"
#include "world/DemoController.h"
#include "world/ObjectBaseType.h"
#include "world/Player.h"

const char* const banner_text = "[ink=white][paper=red][speed=0]KWORBLE  \x7f 1985 Braxmoor Systems"
                                "[ink=bright white][paper=bright blue]  Refurnished  \x7f 2026 the Kworble crew  ";

GameApplication::GameApplication(SDL_Renderer* renderer)
    : renderer(renderer), player(std::make_unique<Player>(*this)),
      demo_controller(std::make_unique<DemoController>(player.get(), &monsters, &maze)),
      current_state(std::make_unique<NullSpecialState>()), banner(banner_text)
{
    controllers.push_back(player.get());
    maze.setup_current_maze(maze_database, 0);
    init_movement_keys();
}

GameApplication::~GameApplication()
{
    stop_pads();
    // States and objects refer to the game objects, so they go first.
    current_state.reset();
    play_tested.reset();
    objects.clear();
    background.reset();
    graphics.reset();
}

int GameApplication::main(int, char**)
{
    start();
    while (!quit) {
        run_frame();
    }
    finish();
    return 0;
}
