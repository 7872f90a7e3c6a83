#pragma once
#include "base/Timers.h"
#include "screens/FlashingColourText.h"
#include "screens/SpecialStates.h"
#include "sound/SoundData.h"

#include <memory>
#include <string>
#include <vector>

class CurrentMaze;

// The menu script's steps, numbered as the table holds them.
enum class state_t : int {
    WIPE_MAZE = 0,
    BUILD_PANEL = 1,
    BUILD_PANEL_AFTER_DEMO = 2,
    IDLE = 3, // the only step that takes commands
    WAIT_FOR_FLASH = 4,
    PLAY_SELECTED_SOUND = 5,
    FLASH_PLAY = 6,
    REFILL_MAZE = 7,
    WIPE_REFILLED_MAZE = 8,
    GAME_SETUP_SOUND = 9,
    FLASH_SCORE = 10,
    RESET_SCORE = 11,
    FLASH_LASERS = 12,
    FILL_LASERS = 13,
    FLASH_LIVES = 14,
    START_GAME = 15,
    DEMO_BLIP = 16,
    FLASH_DEMO = 17,
    START_DEMO = 18,
    ATTRACT_SOUND = 19,
    FLASH_ATTRACT_DEMO = 20,
    NEXT_ATTRACT_MAZE = 21,
    FLASH_ATTRACT_MAZE = 22,
    TEMPO_BLIP = 23,
    FLASH_TEMPO = 24,
    CHANGE_TEMPO = 25,
    GRADE_BLIP = 26,
    FLASH_GRADE = 27,
    CHANGE_GRADE = 28,
    MAZE_BLIP = 29,
    FLASH_MAZE = 30,
    WIPE_NEW_MAZE = 31,
    BACK_TO_PANEL = 32,
    BEST_BLIP = 33,
    FLASH_BEST = 34,
    RESET_BEST = 35,
    END_OF_TABLE = 36,
};
extern const state_t state_table[54];
int GetStateTableLocation(state_t code);

struct menu_t {
    std::string text;
    char key;
};

// An area in game-screen pixels, all bounds inclusive.
struct OurRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool in(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
};
OurRect make_mouse_near_rect(int line, int start_column, int end_column);

struct region_t {
    OurRect rect;
    char key;
};

// The screen between games: a scripted panel of eight commands, each of which
// plays its animation from state_table before it takes effect.
class MenuSpecialState : public SpecialStates {
public:
    MenuSpecialState(GameApplication& app, CurrentMaze& maze);
    void Dont_Redraw_Maze(bool demo);

    void print(MyGraphics& g) override;
    void update(double seconds, MySoundManager& sounds, GameApplication& app) override;
    bool key_down(SDL_KeyboardEvent const& event) override;
    bool mouse_down(int x, int y) override;
    bool show_background() override { return background_on; }

    void action(char key);
    char find_region(char fallback, int x, int y) const;
    void print_menu_lines(MyGraphics& g, int count);
    void set_up_menu_lines();
    void set_up_mouse_regions();

    int get_position() const { return position; }
    state_t current_code() const { return state_table[position]; }
    int get_return_position() const { return return_position; }
    int get_progress() const { return progress; }
    const FlashingColourText* get_flashing_text() const { return flashing_text.get(); }
    const std::vector<region_t>& get_regions() const { return regions; }

private:
    void step(MySoundManager& sounds);
    void wipe_maze();
    void build_panel(state_t then);
    void play(MySoundManager& sounds, sound_t sound);
    void wait_for_flash();
    bool shows_key_legend() const;
    void print_key_legend(MyGraphics& g);
    void start_flash(MySoundManager& sounds, int flashes, int line, int column, const std::string& text,
                     bool wait_for_silence);
    void start_field_flash(MySoundManager& sounds, const char* field, int flashes);
    void go_to_first(state_t code) { position = GetStateTableLocation(code); }
    void next() { ++position; }

    GameApplication& app;
    CurrentMaze& maze;
    std::vector<menu_t> menu_items;
    std::string blank_line;
    int menu_line_count = 17;
    int wipe_steps = 20;
    int progress = 0;
    RepeatingTimer tick_timer;
    int position = 0;
    int return_position = 0;
    std::vector<region_t> regions;
    std::unique_ptr<FlashingColourText> flashing_text;
    bool background_on = true;
    bool draw_maze = true;
    bool abort_attract_sound = false;
    // The cell size the regions were laid out for; F4 changes it.
    int regions_glyph_size = 0;
};
