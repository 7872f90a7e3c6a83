#include "screens/MazeEditor.h"

#include "app/GameApplication.h"
#include "display/Colours.h"
#include "display/MyGraphics.h"
#include "display/TextPrinting.h"
#include "display/Window.h"

#include <string>

namespace {

constexpr unsigned BLINK_PERIOD_MS = 320;
constexpr int SAVE_HIGHLIGHT_BLINKS = 6;

// The SAVE field sits at the right end of the two text lines under the grid.
constexpr int SAVE_FIRST_LINE = 22;
constexpr int SAVE_LAST_LINE = 23;
constexpr int SAVE_FIRST_COLUMN = 28;

constexpr int BLOCK_GLYPH = 32;
constexpr int FOOD_GLYPH = 130;

} // namespace

MazeEditor::MazeEditor()
{
    for (int column = 0; column < COLUMNS; ++column) {
        for (int line = 0; line < LINES; ++line) {
            bool border = line == 0 || line == LINES - 1 || column == 0 || column == COLUMNS - 1;
            grid[column][line] = border ? '#' : ' ';
        }
    }
    blink_timer.start_time(BLINK_PERIOD_MS);
}

bool MazeEditor::in_grid(int line, int column)
{
    return line >= 0 && line < LINES && column >= 0 && column < COLUMNS;
}

void MazeEditor::print(MyGraphics& g)
{
    for (int line = 0; line < LINES; ++line) {
        g.go_to(line + 1, 0);
        for (int column = 0; column < COLUMNS; ++column) {
            bool at_cursor = cursor_visible && line == cursor_line && column == cursor_column;
            simple_colour_t accent = at_cursor ? MAGENTA : BLACK;
            char c = grid[column][line];
            if (c == '#') {
                g.print(WHITE, accent, BLOCK_GLYPH);
            } else if (c == ' ') {
                g.print(accent, WHITE, FOOD_GLYPH);
            } else {
                g.print(accent, WHITE, static_cast<unsigned char>(c));
            }
        }
    }

    g.set_fg_colour(BLACK);
    g.set_bg_colour(WHITE);
    // "P=Play" no longer fits beside it and SAVE; the page and the README name it.
    print_string(g, 22, 0, "WASD+Space, Touch/Mouse     ");
    // Clears the tail of a longer position text from before.
    print_string(g, 23, 16, "            ");
    std::string position =
        "line = " + std::to_string(cursor_line + 1) + "  Column = " + std::to_string(cursor_column + 1);
    print_string(g, 23, 0, position);

    if (save_countdown > 0) {
        g.set_fg_colour(BLACK);
        g.set_bg_colour(BRIGHT_GREEN);
    }
    print_string(g, SAVE_FIRST_LINE, SAVE_FIRST_COLUMN, "SAVE");
    print_string(g, SAVE_LAST_LINE, SAVE_FIRST_COLUMN, "SAVE");

    if (!problem.empty()) {
        // The whole line: the SAVE field above still answers.
        g.set_fg_colour(BRIGHT_WHITE);
        g.set_bg_colour(RED);
        print_string(g, 23, 0, (problem + std::string(COLUMNS, ' ')).substr(0, COLUMNS));
    }
}

void MazeEditor::update(double, MySoundManager&, GameApplication& app)
{
    if (play_requested) {
        play_requested = false;
        problem = play_problem();
        if (problem.empty()) {
            // Takes this editor away until the game ends: nothing may follow.
            app.play_test(*this);
            return;
        }
    }
    if (blink_timer.expired()) {
        cursor_visible = !cursor_visible;
        if (save_countdown > 0) {
            --save_countdown;
        }
    }
}

bool MazeEditor::key_down(SDL_KeyboardEvent const& event)
{
    problem.clear();
    switch (event.keysym.sym) {
    case SDLK_w:
    case SDLK_UP:
        cursor_line = (cursor_line == 0) ? LINES - 1 : cursor_line - 1;
        return true;
    case SDLK_s:
    case SDLK_DOWN:
        cursor_line = (cursor_line == LINES - 1) ? 0 : cursor_line + 1;
        return true;
    case SDLK_a:
    case SDLK_LEFT:
        cursor_column = (cursor_column == 0) ? COLUMNS - 1 : cursor_column - 1;
        return true;
    case SDLK_d:
    case SDLK_RIGHT:
        cursor_column = (cursor_column == COLUMNS - 1) ? 0 : cursor_column + 1;
        return true;
    case SDLK_SPACE:
        toggle_block();
        return true;
    case SDLK_p:
        play_requested = true;
        return true;
    default:
        return false;
    }
}

void MazeEditor::toggle_block()
{
    if (!in_grid(cursor_line, cursor_column)) {
        return;
    }
    char& c = grid[cursor_column][cursor_line];
    c = (c == ' ') ? '#' : ' ';
    paint_char = c;
}

bool MazeEditor::mouse_down(int x, int y)
{
    int screen_line = y_to_line(y);
    int screen_column = x_to_column(x);
    problem.clear();
    // Grid line 0 is on screen line 1, under the banner line.
    cursor_line = screen_line - 1;
    cursor_column = screen_column;
    if ((screen_line == SAVE_FIRST_LINE || screen_line == SAVE_LAST_LINE) && screen_column >= SAVE_FIRST_COLUMN) {
        // Only a file really written earns the highlight.
        save_countdown = save() ? SAVE_HIGHLIGHT_BLINKS : 0;
        return true;
    }
    toggle_block();
    return true;
}

bool MazeEditor::mouse_down_moved(int x, int y)
{
    int line = y_to_line(y) - 1;
    int column = x_to_column(x);
    if (line == cursor_line && column == cursor_column) {
        return true;
    }
    cursor_line = line;
    cursor_column = column;
    if (in_grid(line, column)) {
        grid[column][line] = paint_char;
    }
    return true;
}
