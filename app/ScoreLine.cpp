#include "app/GameApplication.h"

#include "display/MyGraphics.h"
#include "display/TextPrinting.h"
#include "world/Player.h"

#include <cstdio>

namespace {
void print_value(MyGraphics& g, int value)
{
    g.print(BLACK, BRIGHT_WHITE, '0' + value);
}

void print_padded(MyGraphics& g, int value, int width)
{
    char digits[16];
    snprintf(digits, sizeof digits, "%0*d", width, value);
    print_string(g, digits);
}

struct ScoreLineField {
    const char* name;
    int line;
    int column;
    int length;
    const char* text;
};

const ScoreLineField score_line_fields[] = {
    {"maze", 1, 1, 5, "MAZE"},       {"tempo", 1, 8, 6, "TEMPO"},   {"grade", 1, 16, 6, "GRADE"},
    {"lives", 1, 24, 6, "LIVES"},    {"score", 23, 1, 10, "SCORE"}, {"best", 23, 12, 9, "BEST"},
    {"lasers", 23, 22, 8, "LASERS"},
};
} // namespace

void GameApplication::print_selection_line(MyGraphics& g)
{
    g.set_bg_colour(BRIGHT_YELLOW);
    g.set_fg_colour(BLACK);
    print_string(g, 1, 0, " MAZE");
    // An edited grid in play is none of the lettered mazes.
    g.print(BLACK, BRIGHT_WHITE, play_tested ? '-' : maze_letter);
    print_string(g, "  TEMPO");
    print_value(g, tempo);
    print_string(g, "  GRADE");
    print_value(g, grade);
    print_string(g, "  LIVES");
    print_value(g, player->get_lives());
    print_string(g, "  ");
}

void GameApplication::print_scoreline(MyGraphics& g)
{
    g.set_fg_colour(BLACK);
    g.set_bg_colour(BRIGHT_YELLOW);
    print_string(g, 23, 0, " SCORE");
    g.set_bg_colour(BRIGHT_WHITE);
    print_padded(g, player->get_score(), 5);
    g.set_bg_colour(BRIGHT_YELLOW);
    print_string(g, " BEST");
    g.set_bg_colour(BRIGHT_WHITE);
    print_padded(g, best_score, 5);
    g.set_bg_colour(BRIGHT_YELLOW);
    print_string(g, " LASERS");
    g.set_bg_colour(BRIGHT_WHITE);
    print_padded(g, player->get_lasers(), 2);
    g.set_bg_colour(BRIGHT_YELLOW);
    print_string(g, "  ");
}

void GameApplication::print_banner(MyGraphics& g)
{
    banner.draw(g);
    banner.do_scrolling(true);
}

void GameApplication::print_paused_message(MyGraphics& g)
{
    static const char blanks[] = "                              ";
    g.set_bg_colour(BRIGHT_WHITE);
    g.set_fg_colour(BLACK);
    print_string(g, 10, 1, blanks);
    print_string(g, 11, 1, " PAUSED - PRESS F5 TO RESUME  ");
    print_string(g, 12, 1, blanks);
}

void GameApplication::get_score_line_info(std::string name, int& line, int& column, int& length, std::string& text)
{
    for (const ScoreLineField& field : score_line_fields) {
        if (name == field.name) {
            line = field.line;
            column = field.column;
            length = field.length;
            text = field.text;
            return;
        }
    }
    line = 0;
    column = 0;
    length = 1;
    text.clear();
}
