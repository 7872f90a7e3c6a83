#include "screens/MazeEditor.h"

#include "world/CurrentMaze.h"
#include "world/MazeDatabaseManager.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

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
#ifdef __EMSCRIPTEN__
    // A page cannot write the player's files: the browser offers the text as
    // a download, and whether the player takes it changes nothing here.
    const std::string text = export_text();
    // clang-format off
    EM_ASM({
        try {
            const link = document.createElement('a');
            link.href = URL.createObjectURL(new Blob([HEAPU8.slice($0, $0 + $1)], {type: 'text/plain'}));
            link.download = UTF8ToString($2);
            document.body.appendChild(link);
            link.click();
            link.remove();
            setTimeout(function() { URL.revokeObjectURL(link.href); }, 10000);
        } catch (e) {
            console.warn('maze.txt was not offered: ' + e);
        }
    }, text.data(), text.size(), EXPORT_FILE);
    // clang-format on
    return true;
#else
    std::FILE* file = std::fopen(EXPORT_FILE, "w");
    if (file == nullptr) {
        std::printf("Could not save %s: %s\n", EXPORT_FILE, std::strerror(errno));
        return false;
    }
    std::string text = export_text();
    errno = 0;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    int write_error = errno;
    // Closing flushes the buffer, so a full disk may only show up here.
    bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        int error = (!written && write_error != 0) ? write_error : errno;
        std::printf("Could not save %s: %s\n", EXPORT_FILE, std::strerror(error != 0 ? error : EIO));
        return false;
    }
    return true;
#endif
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
