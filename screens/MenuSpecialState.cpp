#include "screens/MenuSpecialState.h"

#include "app/GameApplication.h"
#include "display/MyGraphics.h"
#include "display/TextPrinting.h"
#include "world/CurrentMaze.h"

using enum state_t;

// The menu's script: from the top, the wipe and build-up on opening, then the
// roads of Play, Demo, the attract loop, Tempo, Grade, Maze and Reset best.
// Play, Demo and the attract loop share the game set-up from REFILL_MAZE on.
// clang-format off
const state_t state_table[54] = {
    WIPE_MAZE, BUILD_PANEL, BUILD_PANEL_AFTER_DEMO, IDLE, WAIT_FOR_FLASH,
    PLAY_SELECTED_SOUND, FLASH_PLAY,
        REFILL_MAZE, WIPE_REFILLED_MAZE, GAME_SETUP_SOUND, FLASH_SCORE, RESET_SCORE,
        FLASH_LASERS, FILL_LASERS, FLASH_LIVES, START_GAME,
    DEMO_BLIP, FLASH_DEMO,
        REFILL_MAZE, WIPE_REFILLED_MAZE, GAME_SETUP_SOUND, FLASH_SCORE, RESET_SCORE,
        FLASH_LASERS, FILL_LASERS, FLASH_LIVES, START_DEMO,
    ATTRACT_SOUND, FLASH_ATTRACT_DEMO, NEXT_ATTRACT_MAZE, FLASH_ATTRACT_MAZE,
        REFILL_MAZE, WIPE_REFILLED_MAZE, GAME_SETUP_SOUND, FLASH_SCORE, RESET_SCORE,
        FLASH_LASERS, FILL_LASERS, FLASH_LIVES, START_DEMO,
    TEMPO_BLIP, FLASH_TEMPO, CHANGE_TEMPO,
    GRADE_BLIP, FLASH_GRADE, CHANGE_GRADE,
    MAZE_BLIP, FLASH_MAZE, WIPE_NEW_MAZE, BACK_TO_PANEL,
    BEST_BLIP, FLASH_BEST, RESET_BEST,
    END_OF_TABLE,
};
// clang-format on

namespace {

constexpr int menu_tick_ms = 20;

const char* const key_legend[] = {"7=up   ", "6=down ", "5=left ", "8=right", "9=laser", "X=exit "};

bool is_maze_wipe(state_t code)
{
    return code == WIPE_MAZE || code == WIPE_REFILLED_MAZE || code == WIPE_NEW_MAZE;
}

} // namespace

int GetStateTableLocation(state_t code)
{
    int index = 0;
    while (state_table[index] != code && state_table[index] != END_OF_TABLE) {
        ++index;
    }
    return index;
}

MenuSpecialState::MenuSpecialState(GameApplication& app, CurrentMaze& maze)
    : app(app), maze(maze), position(GetStateTableLocation(WIPE_MAZE))
{
    tick_timer.start_time(menu_tick_ms);
    set_up_menu_lines();
    set_up_mouse_regions();
}

void MenuSpecialState::Dont_Redraw_Maze(bool demo)
{
    go_to_first(demo ? BUILD_PANEL_AFTER_DEMO : BUILD_PANEL);
    draw_maze = false;
}

void MenuSpecialState::set_up_menu_lines()
{
    menu_items = {
        {" M=Maze  ", 'M'}, {" T=Tempo ", 'T'}, {" G=Grade ", 'G'}, {" R=Reset ", 'R'},
        {" I=Instr ", 'I'}, {" D=Demo  ", 'D'}, {" P=Play  ", 'P'}, {" S=Save  ", 'S'},
    };
    blank_line = std::string(9, ' ');
    menu_line_count = 2 * static_cast<int>(menu_items.size()) + 1;
}

void MenuSpecialState::update(double, MySoundManager& sounds, GameApplication&)
{
    if (abort_attract_sound) {
        abort_attract_sound = false;
        sounds.abort_sound(SOUND_ATTRACT);
    }
    if (tick_timer.expired()) {
        // May replace this state: nothing may follow it.
        step(sounds);
    }
}

void MenuSpecialState::print(MyGraphics& g)
{
    if (is_maze_wipe(current_code())) {
        if (progress < wipe_steps) {
            maze.print(g, progress);
        } else {
            app.print_scoreline(g);
            app.print_selection_line(g);
            app.print_banner(g);
            maze.print(g);
        }
        return;
    }
    app.print_scoreline(g);
    app.print_selection_line(g);
    app.print_banner(g);
    if (draw_maze) {
        maze.print(g);
    }
    print_menu_lines(g, progress < menu_line_count ? progress : menu_line_count);
    if (flashing_text) {
        flashing_text->print_text(g);
    }
    if (shows_key_legend()) {
        print_key_legend(g);
    }
}

void MenuSpecialState::print_menu_lines(MyGraphics& g, int count)
{
    g.set_fg_colour(BLACK);
    g.set_bg_colour(BRIGHT_WHITE);
    for (int i = 0; i < count && i < menu_line_count; ++i) {
        g.go_to(3 + i, 22);
        if (i % 2 == 0) {
            print_string(g, blank_line);
        } else {
            print_string(g, menu_items[(i - 1) / 2].text);
        }
    }
}

// The game keys are shown while Play starts and while a game is being set up.
bool MenuSpecialState::shows_key_legend() const
{
    state_t code = current_code();
    if (code == PLAY_SELECTED_SOUND || code == FLASH_PLAY || code == REFILL_MAZE) {
        return true;
    }
    return code == WAIT_FOR_FLASH && state_table[return_position] == REFILL_MAZE;
}

void MenuSpecialState::print_key_legend(MyGraphics& g)
{
    g.set_fg_colour(BLUE);
    g.set_bg_colour(BRIGHT_WHITE);
    int line = 3;
    for (const char* text : key_legend) {
        print_string(g, line++, 1, text);
    }
}
