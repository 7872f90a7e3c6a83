#include "screens/InstructionsState.h"

#include "app/GameApplication.h"
#include "display/MyGraphics.h"
#include "display/TextPrinting.h"
#include "display/Window.h"
#include "world/CurrentMaze.h"

#include <algorithm>

namespace {

constexpr unsigned blink_ms = 320;
constexpr unsigned reveal_ms = 20;
constexpr int last_text_page = 3;
// Text pages start under the banner and the selection line.
constexpr int first_text_line = 2;

void colours(MyGraphics& g, simple_colour_t paper, simple_colour_t ink)
{
    g.set_bg_colour(paper);
    g.set_fg_colour(ink);
}

} // namespace

InstructionsTextLine::InstructionsTextLine(const std::string& text, int split, simple_colour_t paper1,
                                           simple_colour_t ink1, simple_colour_t paper2, simple_colour_t ink2,
                                           unsigned char placeholder_glyph)
    : paper1(paper1), ink1(ink1), paper2(paper2), ink2(ink2)
{
    size_t at = static_cast<size_t>(std::clamp(split, 0, static_cast<int>(text.size())));
    first = text.substr(0, at);
    second = text.substr(at);
    char glyph = static_cast<char>(placeholder_glyph);
    std::replace(first.begin(), first.end(), '?', glyph);
    std::replace(second.begin(), second.end(), '?', glyph);
}

void InstructionsTextLine::print(MyGraphics& g) const
{
    colours(g, paper1, ink1);
    print_string(g, first);
    colours(g, paper2, ink2);
    print_string(g, second);
}

void InstructionsTextLine::set_text(const std::string& text)
{
    first = text;
    second.clear();
}

void InstructionsTextLine::set_colours(simple_colour_t paper, simple_colour_t ink)
{
    paper1 = paper;
    paper2 = paper;
    ink1 = ink;
    ink2 = ink;
}

void print_processed_text(MyGraphics& g, std::vector<InstructionsTextLine>& lines)
{
    print_processed_text(g, lines, static_cast<int>(lines.size()));
}

void print_processed_text(MyGraphics& g, std::vector<InstructionsTextLine>& lines, int count)
{
    g.go_to(first_text_line, 0);
    int shown = std::min(count, static_cast<int>(lines.size()));
    for (int i = 0; i < shown; ++i) {
        lines[i].print(g);
    }
}

InstructionsState::InstructionsState(GameApplication& app) : app(app)
{
    common_init();
}

void InstructionsState::common_init()
{
    blink_timer.start_time(blink_ms);
    reveal_timer.start_time(reveal_ms);
    text_pages[0] = instructions_page_1();
    text_pages[1] = instructions_page_2();
    text_pages[2] = instructions_page_3();
}

void InstructionsState::update(double, MySoundManager&, GameApplication&)
{
    if (blink_timer.expired()) {
        blink = !blink;
    }
    if (reveal_timer.expired() && revealed <= 24) {
        ++revealed;
    }
}

bool InstructionsState::key_down(SDL_KeyboardEvent const& event)
{
    if (event.keysym.sym == SDLK_ESCAPE) {
        return false;
    }
    return action();
}

bool InstructionsState::mouse_down(int, int)
{
    return action();
}

bool InstructionsState::action()
{
    if (page >= 1 && page <= last_text_page && !reveal_finished()) {
        return false;
    }
    if (page == last_text_page) {
        // Deletes this state: nothing may follow.
        app.show_game_menu(true);
        return true;
    }
    app.copy_screen_as_background(false);
    ++page;
    revealed = 0;
    return true;
}

void InstructionsState::skip_page()
{
    ++page;
}

const std::vector<InstructionsTextLine>* InstructionsState::get_text_page(int index) const
{
    if (index < 0 || index > 2) {
        return nullptr;
    }
    return &text_pages[index];
}

void InstructionsState::set_text(int page_index, unsigned line, const std::string& text)
{
    if (page_index < 0 || page_index > 2 || line >= text_pages[page_index].size()) {
        return;
    }
    text_pages[page_index][line].set_text(text);
}

void InstructionsState::set_colours(int page_index, unsigned line, simple_colour_t paper, simple_colour_t ink)
{
    if (page_index < 0 || page_index > 2 || line >= text_pages[page_index].size()) {
        return;
    }
    text_pages[page_index][line].set_colours(paper, ink);
}

int InstructionsState::page_size(int page_index)
{
    if (page_index < 0 || page_index > 2) {
        return 0;
    }
    return static_cast<int>(text_pages[page_index].size());
}

void InstructionsState::print(MyGraphics& g)
{
    g.update_game_screen_offset(1);
    if (page == 0) {
        print_key_instructions_desktop(g);
        return;
    }
    app.print_scoreline(g);
    app.print_selection_line(g);
    app.print_banner(g);
    if (page > last_text_page) {
        return;
    }
    std::vector<InstructionsTextLine>& lines = text_pages[page - 1];
    if (reveal_finished()) {
        print_processed_text(g, lines);
    } else {
        print_processed_text(g, lines, revealed);
    }
}

void InstructionsState::print_key_instructions_desktop(MyGraphics& g)
{
    const int s = glyph_size;
    g.clear_screen(get_rgb_from_simple_colour(WHITE));

    colours(g, WHITE, BRIGHT_YELLOW);
    print_centered_string_xy(g, s, " KEYS ");
    print_centered_string_xy(g, 2 * s, "======");

    colours(g, WHITE, RED);
    print_justified_string_xy(g, 2 * s, 4 * s, "Settings:", justify_left);
    colours(g, RED, WHITE);
    print_justified_string_xy(g, 4 * s, 6 * s, "[F4]", justify_left);
    print_justified_string_xy(g, 4 * s, 8 * s, "[F5]", justify_left);
    print_justified_string_xy(g, 4 * s, 10 * s, "[Esc]", justify_left);
    print_justified_string_xy(g, 4 * s, 12 * s, "[F11]", justify_left);
    colours(g, WHITE, RED);
    print_justified_string_xy(g, 8 * s, 6 * s, "=Toggle window size", justify_left);
    print_justified_string_xy(g, 8 * s, 8 * s, "=Pause", justify_left);
    print_justified_string_xy(g, 9 * s, 10 * s, "=Quit!", justify_left);
    print_justified_string_xy(g, 9 * s, 12 * s, "=Full screen", justify_left);

    colours(g, WHITE, BLUE);
    print_justified_string_xy(g, 2 * s, 14 * s, "Controls:", justify_left);
    colours(g, BLUE, WHITE);
    print_justified_string_xy(g, 4 * s, 16 * s, "[Arrows/WASD]", justify_left);
    print_justified_string_xy(g, 4 * s, 18 * s, "[SPACE]", justify_left);
    colours(g, WHITE, BLUE);
    print_justified_string_xy(g, 17 * s, 16 * s, "=Movement", justify_left);
    print_justified_string_xy(g, 11 * s, 18 * s, "=Fire", justify_left);

    if (blink) {
        colours(g, BRIGHT_GREEN, BRIGHT_WHITE);
    } else {
        colours(g, GREEN, WHITE);
    }
    print_justified_string_xy(g, 0, -2 * s, "(Press a key to continue)", justify_bottom | justify_hcenter);
}

FromMenuInstructionState::FromMenuInstructionState(GameApplication& app, CurrentMaze& maze)
    : InstructionsState(app), maze(&maze)
{
    set_border_mode();
    skip_page();
}

void FromMenuInstructionState::set_border_mode()
{
    const std::string bar(32, ' ');
    simple_colour_t wall = maze->maze_fg();
    for (int index = 0; index < 3; ++index) {
        int size = page_size(index);
        if (size == 0) {
            continue;
        }
        set_text(index, 0, bar);
        set_colours(index, 0, wall, wall);
        set_colours(index, static_cast<unsigned>(size - 1), wall, wall);
    }
}
