#include "screens/MazeEditor.h"

#include "screens/ExportFile.h"
#include "world/CurrentMaze.h"
#include "world/MazeDatabaseManager.h"

#include <vector>

namespace {

const char* const EXPORT_FILE = "maze.txt";

} // namespace

// The grid in the form of an entry of the built-in maze table.
std::string MazeEditor::export_text() const
{
    std::string text = "const char* maze[] =\n{\n";
    for (int line = 0; line < LINES; ++line) {
        text += "\t\"";
        for (int column = 0; column < COLUMNS; ++column) {
            text += grid[column][line];
        }
        text += "\",\n";
    }
    text += "\t0,\n};\n";
    return text;
}

bool MazeEditor::save()
{
    return export_file(EXPORT_FILE, export_text());
}

void MazeEditor::load_into(CurrentMaze& maze, MazeDatabaseManager const& db) const
{
    std::vector<std::string> rows(LINES);
    std::vector<const char*> text;
    for (int line = 0; line < LINES; ++line) {
        for (int column = 0; column < COLUMNS; ++column) {
            rows[line] += grid[column][line] == '#' ? '#' : ' ';
        }
        text.push_back(rows[line].c_str());
    }
    text.push_back(nullptr);
    maze.setup_from_text(text.data(), db.maze_fg_colour(), db.maze_bg_colour(), db.laser_colour());
    // Eaten before the game starts, the '+' cells stay open without food.
    for (int line = 0; line < LINES; ++line) {
        for (int column = 0; column < COLUMNS; ++column) {
            if (grid[column][line] == '+') {
                maze.maze_eat(line, column);
            }
        }
    }
}
