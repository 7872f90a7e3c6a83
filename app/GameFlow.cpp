#include "app/GameApplication.h"

#include "display/MyGraphics.h"
#include "display/MyGraphics_render.h"
#include "screens/EndGameSpecialState.h"
#include "screens/MazeEditor.h"
#include "screens/MenuSpecialState.h"
#include "screens/SpecialStates.h"
#include "world/DemoController.h"
#include "world/FourDirectionLaserObject.h"
#include "world/Player.h"

#include <algorithm>

void GameApplication::start_game(bool demo)
{
    demo_mode = demo;
    graphics->update_game_screen_offset(1);
    player->init(&maze, &sound_manager);
    monsters.init(&maze, player.get());
    if (demo) {
        add_controller(demo_controller.get());
    }
    game_running = true;
    player_timer.start_time(calculate_player_tempo_time());
    chaser_timer.start_time(calculate_monster_tempo_time());
    pause_if_unfocused();
    change_game_state(new NullSpecialState(), true);
}

void GameApplication::pause_if_unfocused()
{
    if (!demo_mode && !window_focused) {
        paused = true;
    }
}

void GameApplication::end_game()
{
    monsters.end_game();
    player->hold();
    schedule_remove_controller(demo_controller.get());
    // A beam still showing would release everything when it ends, and play
    // would go on under the game-over message.
    for (const auto& object : objects) {
        schedule_object_delete(object.get());
    }
    if (play_tested) {
        // A trial of the designer's grid: straight back to the editor, and
        // its score is no one's best.
        game_running = false;
        change_game_state(play_tested.release(), true);
        return;
    }
    bool new_best = player->get_score() > best_score;
    change_game_state(new EndGameSpecialState(new_best, maze), true);
}

void GameApplication::play_test(MazeEditor& editor)
{
    if (current_state.get() != &editor) {
        return;
    }
    if (game_running) {
        // The game the editor was opened over ends without its game-over screen.
        monsters.end_game();
        player->hold();
        schedule_remove_controller(demo_controller.get());
    }
    for (const auto& object : objects) {
        schedule_object_delete(object.get());
    }
    play_tested.reset(static_cast<MazeEditor*>(current_state.release()));
    current_state = std::make_unique<NullSpecialState>();
    editor.load_into(maze, maze_database);
    start_game(false);
}

void GameApplication::finished_maze_restart()
{
    player->reset_position();
    monsters.init(&maze, player.get());
    game_running = true;
    pause_if_unfocused();
    change_game_state(new NullSpecialState(), true);
}

void GameApplication::show_game_menu(bool redraw)
{
    auto* menu = new MenuSpecialState(*this, maze);
    change_game_state(menu, true);
    if (!redraw) {
        menu->Dont_Redraw_Maze(demo_mode);
    }
    game_running = false;
}

void GameApplication::check_for_death()
{
    monsters.check_for_death();
}

void GameApplication::hold_mobs()
{
    player->hold();
    monsters.hold_all_but_me(nullptr);
}

void GameApplication::release_mobs()
{
    player->release();
    monsters.release_all();
}

void GameApplication::change_maze()
{
    maze_letter = maze_letter == 'P' ? 'A' : static_cast<char>(maze_letter + 1);
    maze_database.new_maze_colour();
    maze.setup_current_maze(maze_database, maze_letter - 'A');
}

void GameApplication::change_tempo()
{
    tempo = tempo == 9 ? 1 : tempo + 1;
}

void GameApplication::change_grade()
{
    grade = grade == 9 ? 1 : grade + 1;
}

void GameApplication::refill_maze()
{
    if (play_tested) {
        play_tested->load_into(maze, maze_database);
        return;
    }
    maze.setup_current_maze(maze_database, maze_letter - 'A');
}

void GameApplication::update_best_score()
{
    best_score = std::max(best_score, player->get_score());
}

unsigned GameApplication::calculate_player_tempo_time() const
{
    return 230u - 21u * static_cast<unsigned>(tempo);
}

unsigned GameApplication::calculate_monster_tempo_time() const
{
    unsigned success = static_cast<unsigned>(player->get_player_success());
    unsigned factor = (16u - static_cast<unsigned>(grade)) + success + 4u;
    return (factor * 2u * calculate_player_tempo_time()) >> 4;
}

void GameApplication::reset_score()
{
    player->reset_score();
}

void GameApplication::fill_lives()
{
    player->fill_lives();
}

void GameApplication::fill_lasers()
{
    player->fill_lasers();
}

void GameApplication::add_to_laser_count()
{
    player->add_to_laser_count();
}

void GameApplication::create_object(std::string name, int line, int column)
{
    if (name == "laser") {
        objects.push_back(std::make_unique<FourDirectionLaserObject>(maze, monsters, line, column));
    }
}

void GameApplication::schedule_object_delete(ObjectBaseType* object)
{
    objects_to_delete.push_back(object);
}

void GameApplication::add_controller(ControllerBaseType* controller)
{
    controllers.push_back(controller);
}

void GameApplication::schedule_remove_controller(ControllerBaseType* controller)
{
    controllers_to_remove.push_back(controller);
}

void GameApplication::delete_objects()
{
    for (ObjectBaseType* doomed : objects_to_delete) {
        auto found = std::find_if(objects.begin(), objects.end(),
                                  [doomed](const std::unique_ptr<ObjectBaseType>& o) { return o.get() == doomed; });
        if (found != objects.end()) {
            objects.erase(found);
        }
    }
    objects_to_delete.clear();
    for (ControllerBaseType* gone : controllers_to_remove) {
        auto found = std::find(controllers.begin(), controllers.end(), gone);
        if (found != controllers.end()) {
            controllers.erase(found);
        }
    }
    controllers_to_remove.clear();
}

void GameApplication::run_objects(double dt)
{
    // Objects added during the pass wait for the next frame.
    const size_t count = objects.size();
    for (size_t i = 0; i < count; ++i) {
        objects[i]->update(dt, sound_manager, *this);
    }
}

void GameApplication::run_controllers(double dt)
{
    const size_t count = controllers.size();
    for (size_t i = 0; i < count; ++i) {
        controllers[i]->update(dt);
    }
}
