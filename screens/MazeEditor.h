#pragma once
#include "base/Timers.h"
#include "screens/SpecialStates.h"

#include <string>

class CurrentMaze;
class MazeDatabaseManager;

// Draws a 32x21 maze with keys or the pointer, exports it as source text and
// plays it (P) as a game that comes back to this editor when it ends.
class MazeEditor : public SpecialStates {
public:
    static constexpr int COLUMNS = 32;
    static constexpr int LINES = 21;

    MazeEditor();
    void print(MyGraphics& g) override;
    void update(double seconds, MySoundManager& sounds, GameApplication& app) override;
    bool key_down(SDL_KeyboardEvent const& event) override;
    bool mouse_down(int x, int y) override;
    bool mouse_down_moved(int x, int y) override;

    void toggle_block();
    // Writes "maze.txt"; false (after one line on standard output) when it could not.
    bool save();

    char cell(int line, int column) const { return grid[column][line]; }
    int get_cursor_line() const { return cursor_line; }
    int get_cursor_column() const { return cursor_column; }
    int get_save_countdown() const { return save_countdown; }
    // The export text of the grid, exactly as save() writes it.
    std::string export_text() const;
    // Why the grid cannot be played, in the editor's line and column
    // counting; empty when it can.
    std::string play_problem() const;
    // Puts the grid in the game's maze: open cells get food, except the
    // ones a drag painted '+'.
    void load_into(CurrentMaze& maze, MazeDatabaseManager const& db) const;

private:
    static bool in_grid(int line, int column);

    char grid[COLUMNS][LINES];
    int cursor_line = 0;
    int cursor_column = 0;
    bool cursor_visible = false;
    RepeatingTimer blink_timer;
    char paint_char = '+';
    int save_countdown = 0;
    bool play_requested = false;
    // Shown instead of the position line until the next key.
    std::string problem;
};
