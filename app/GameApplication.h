#pragma once
#include "app/ScrollText.h"
#include "base/SdlOwners.h"
#include "base/Timers.h"
#include "display/Colours.h"
#include "sound/MySoundManager.h"
#include "world/CurrentMaze.h"
#include "world/MazeDatabaseManager.h"
#include "world/MonsterManager.h"

#include <SDL.h>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class ControllerBaseType;
class DemoController;
class MazeEditor;
class MyGraphics;
class MyGraphics_render;
class MyGraphics_record;
class ObjectBaseType;
class Player;
class SpecialStates;

// The one application object: owns every game object, the current screen
// state, the recorded background and the drawing interface, and runs the
// main loop.
class GameApplication {
public:
    explicit GameApplication(SDL_Renderer* renderer);
    ~GameApplication();
    GameApplication(const GameApplication&) = delete;
    GameApplication& operator=(const GameApplication&) = delete;

    // The whole run: start(), frames until quit, finish(). Returns 0.
    int main(int argc, char** argv);
    // Loads the glyph sets, starts the step timers and installs the title screen.
    void start();
    // One pass of the main loop: events, updates, drawing, frame pacing.
    void run_frame();
    // Releases the drawing objects at the end of the loop.
    void finish();
    bool quit_requested() const { return quit; }
    void handle_event(SDL_Event const& event);

    // Drawing.
    void draw_current_scene(MyGraphics& g);
    // Draws the whole frame on g and shows it.
    void render(MyGraphics_render& g);
    // Draws the whole frame on g without showing it.
    void draw_frame(MyGraphics_render& g);
    void do_background_draw(MyGraphics& g);
    void change_game_state(SpecialStates* next, bool copy_background);
    void copy_screen_as_background(bool add);

    // Score line and status text.
    void print_selection_line(MyGraphics& g);
    void print_scoreline(MyGraphics& g);
    void print_banner(MyGraphics& g);
    void print_paused_message(MyGraphics& g);
    static void get_score_line_info(std::string name, int& line, int& column, int& length, std::string& text);

    // Game flow.
    void start_game(bool demo);
    void end_game();
    void finished_maze_restart();
    // Plays the editor's grid; the editor, the current state, waits for the
    // game to end and then comes back as it was.
    void play_test(MazeEditor& editor);
    void show_game_menu(bool redraw);
    void check_for_death();
    void hold_mobs();
    void release_mobs();
    bool is_paused() const { return paused; }
    void pause_game_engine() { game_running = false; }
    void unpause_game_engine() { game_running = true; }

    // Settings.
    void change_maze();
    void change_tempo();
    void change_grade();
    void refill_maze();
    void reset_best_score() { best_score = 0; }
    void update_best_score();
    unsigned calculate_player_tempo_time() const;
    unsigned calculate_monster_tempo_time() const;
    void reset_score();
    void fill_lives();
    void fill_lasers();
    void add_to_laser_count();

    // Transient objects and controllers.
    void create_object(std::string name, int line, int column);
    void schedule_object_delete(ObjectBaseType* object);
    void add_controller(ControllerBaseType* controller);
    void schedule_remove_controller(ControllerBaseType* controller);
    void delete_objects();
    void run_objects(double dt);
    void run_controllers(double dt);

    // Input mapping.
    void init_movement_keys();
    void game_key_processing(int key, bool pressed);
    void activate_game_action(int x, int y);
    void release_game_action();
    void mouse_button_down_event(int x, int y);
    void mouse_button_up_event(int x, int y);
    void mouse_moved_and_is_down_event(int x, int y, int dx, int dy);
    void move_up();
    void move_down();
    void move_left();
    void move_right();
    void fire();
    void no_fire();
    void no_movement();

    // Game pads: each button and the left stick stand for a key.
    void start_pads();
    void stop_pads();
    void open_pad(int device_index);
    void close_pad(SDL_JoystickID id);
    void pad_button(SDL_ControllerButtonEvent const& button);
    void pad_axis(SDL_ControllerAxisEvent const& axis);

    // What the rest of the game (and its tests) may look at.
    Player& get_player() { return *player; }
    DemoController& get_demo_controller() { return *demo_controller; }
    MonsterManager& get_monsters() { return monsters; }
    CurrentMaze& get_maze() { return maze; }
    MazeDatabaseManager& get_maze_database() { return maze_database; }
    MySoundManager& get_sound_manager() { return sound_manager; }
    SpecialStates* get_current_state() { return current_state.get(); }
    MyGraphics_render* get_graphics() { return graphics.get(); }
    MyGraphics_record* get_background() { return background.get(); }
    ScrollText& get_banner() { return banner; }
    SDL_Renderer* get_renderer() { return renderer; }
    const std::vector<std::unique_ptr<ObjectBaseType>>& get_objects() const { return objects; }
    const std::vector<ControllerBaseType*>& get_controllers() const { return controllers; }
    bool is_game_running() const { return game_running; }
    bool is_demo_mode() const { return demo_mode; }
    char get_maze_letter() const { return maze_letter; }
    int get_tempo() const { return tempo; }
    int get_grade() const { return grade; }
    int get_best_score() const { return best_score; }
    int get_action_bits() const { return action_bits; }
    int get_screen_copy_debug_count() const { return screen_copy_debug_count; }
    const RepeatingTimer& get_player_timer() const { return player_timer; }
    const RepeatingTimer& get_chaser_timer() const { return chaser_timer; }

private:
    void key_down_event(SDL_KeyboardEvent const& key);
    void mouse_event(SDL_Event const& event);
    // Touch by finger: the first steers as a held mouse button does, any other fires.
    void finger_event(SDL_TouchFingerEvent const& finger);
    void window_event(SDL_WindowEvent const& window);
    void forget_key(int key);
    // A game coming into play while no one is at the window starts paused.
    void pause_if_unfocused();
    // Sends the pad's key through the keyboard's handling; `source` is the
    // button or stick direction, so a release sends the key its press sent.
    void pad_key(SDL_JoystickID id, int source, SDL_Keycode key, bool pressed);

    struct Pad {
        GameControllerPtr controller;
        std::map<int, SDL_Keycode> held;
        int stick[2] = {0, 0};
    };

    SDL_Renderer* renderer; // not owned
    MonsterManager monsters;
    std::unique_ptr<Player> player;
    std::unique_ptr<DemoController> demo_controller;
    MazeDatabaseManager maze_database;
    CurrentMaze maze;
    MySoundManager sound_manager;
    std::unique_ptr<SpecialStates> current_state;
    // The editor whose grid is being played, while it is.
    std::unique_ptr<MazeEditor> play_tested;
    std::map<int, int> key_map;
    std::optional<SDL_FingerID> steering_finger;
    std::set<SDL_FingerID> firing_fingers;
    std::map<SDL_JoystickID, Pad> pads;
    bool pads_started = false;
    int action_bits = 0;
    bool game_running = false;
    bool paused = false;
    // Whether the window has the keyboard focus, as its events last said.
    bool window_focused = true;
    bool demo_mode = false;
    char maze_letter = 'A';
    int tempo = 5;
    int grade = 5;
    int best_score = 0;
    FrameRateLimiter frame_limiter;
    RepeatingTimer player_timer;
    RepeatingTimer chaser_timer;
    std::unique_ptr<MyGraphics_record> background;
    int screen_copy_debug_count = 0;
    simple_colour_t background_colour = WHITE;
    std::unique_ptr<MyGraphics_render> graphics;
    ScrollText banner;
    std::vector<std::unique_ptr<ObjectBaseType>> objects;
    std::vector<ObjectBaseType*> objects_to_delete;
    std::vector<ControllerBaseType*> controllers;
    std::vector<ControllerBaseType*> controllers_to_remove;

    bool quit = false;
    Uint32 prev_ticks = 0;
    bool first_frame = true;
    int player_success_copy = -1;
};

// The banner text the application scrolls on line 0.
extern const char* const banner_text;
