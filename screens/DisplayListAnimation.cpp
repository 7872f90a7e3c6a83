#include "display/MyGraphics.h"
#include "display/SimpleImage.h"
#include "display/TextPrinting.h"
#include "display/Window.h"
#include "screens/DisplayList.h"

#include <algorithm>

// Row 20 repeats row 0; only rows 1 to 19, columns 1 to 29 are read.
// clang-format off
const unsigned char tape_loading_reveal_table[21][32] = {
    {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255, 102, 102, 107, 113, 119, 124, 130, 136, 141, 147, 255,
     255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  96, 255, 255, 255, 255, 255, 255, 255, 255, 255, 153,
     153, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  90, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 147, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  85, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 141, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  79, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 136, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  73, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 130, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  68, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     124, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  62,  62, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     119, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  56, 255,  68,  73,  79,  85,  90,  96, 102, 107, 113,
     255, 119, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  51, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 113, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  45, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255, 107, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  39, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255, 102, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  34, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255,  96, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  28, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255,  90, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  22, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255,  85, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  17, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255,  79, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  11, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255,  73, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,   5, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255,  68, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,   0,   5,  11,  17,  22,  28,  34,  39,  45,  51,  56,
      62, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
};
// clang-format on

namespace {

constexpr double header_found_time = 2.0;
constexpr double loading_start_time = 5.0;
constexpr double loading_done_time = 9.8;
constexpr double program_line_time = 11.8;
constexpr double bytes_line_time = 13.0;
// 154 progress steps over the 4.8 s of loading.
constexpr double progress_per_second = 32.083333333333336;
constexpr int last_progress = 154;
// Ink indices 16 to 31 draw with the title-picture glyph set.
constexpr int title_set = 16;

constexpr int text_row = 8;
constexpr int text_column = 4;
constexpr char tape_text[] = "LEAVE TAPE PLAYING";

// A loaded cell on the text is that letter in the title set, and flashes with the text.
bool is_highlight(int row, int column)
{
    return row == text_row && column >= text_column && column < text_column + int(sizeof tape_text) - 1;
}

void print_cell_text(MyGraphics& g, int y0, int row, int column, const char* text, simple_colour_t ink,
                     simple_colour_t paper)
{
    g.set_bg_colour(paper);
    g.set_fg_colour(ink);
    print_string_xy(g, column * glyph_size, y0 + row * glyph_size, text);
}

void print_flashing_cell_text(MyGraphics& g, int y0, int row, int column, const char* text, bool flash)
{
    if (flash) {
        print_cell_text(g, y0, row, column, text, BRIGHT_YELLOW, BLACK);
    } else {
        print_cell_text(g, y0, row, column, text, BLACK, BRIGHT_YELLOW);
    }
}

} // namespace

DisplayListBraxmoorSystemsAnimation::DisplayListBraxmoorSystemsAnimation(SimpleImage* picture_a, SimpleImage* picture_b)
    : picture_a(picture_a), picture_b(picture_b)
{
}

int DisplayListBraxmoorSystemsAnimation::height(bool flash) const
{
    const SimpleImage* measured = (flash || picture_b == nullptr) ? picture_a : picture_b;
    measured->rescale();
    return measured->get_display_height();
}

int DisplayListBraxmoorSystemsAnimation::draw(MyGraphics& g, int y0, bool flash)
{
    int h = height(flash);
    if (!display_list_item_visible(y0, h)) {
        // Scrolled out: the next time it shows, the tape starts again.
        elapsed = 0.0;
        return y0 + h;
    }
    SDL_Rect area{0, y0, current_print_area_width(), current_print_area_height()};
    if (elapsed < loading_start_time) {
        g.FillRect(get_rgb_from_simple_colour(WHITE), area);
        progress = 0;
    } else {
        g.FillRect(get_rgb_from_simple_colour(BRIGHT_BLUE), area);
        print_flashing_cell_text(g, y0, text_row, text_column, tape_text, flash);
        progress = std::min(last_progress, static_cast<int>((elapsed - loading_start_time) * progress_per_second));
        draw_loaded_cells(g, y0, flash);
    }
    if (elapsed >= header_found_time && elapsed < loading_start_time) {
        print_cell_text(g, y0, 1, 0, "Program: KWORBLE", BLACK, WHITE);
    }
    if (elapsed > loading_done_time) {
        print_flashing_cell_text(g, y0, 8, 22, " UNTIL", flash);
        print_cell_text(g, y0, 10, 3, "KWORBLE", BLACK, BRIGHT_YELLOW);
        print_flashing_cell_text(g, y0, 10, 10, " INSTRUCTIONS APPEAR", flash);
        print_cell_text(g, y0, 2, 22, "BRAXMOOR", BRIGHT_MAGENTA, BRIGHT_WHITE);
        print_cell_text(g, y0, 3, 22, "SYSTEMS ", BRIGHT_MAGENTA, BRIGHT_WHITE);
        print_cell_text(g, y0, 16, 8, "Send SAE for our ", BRIGHT_YELLOW, BLACK);
        print_cell_text(g, y0, 17, 8, "Program catalogue", BRIGHT_YELLOW, BLACK);
    }
    if (elapsed > program_line_time) {
        print_cell_text(g, y0, 12, 0, "Program: KWORBLE", BRIGHT_WHITE, BRIGHT_BLUE);
    }
    if (elapsed > bytes_line_time) {
        print_cell_text(g, y0, 14, 0, "Bytes: KWORCODE", BRIGHT_WHITE, BRIGHT_BLUE);
    }
    return y0 + h;
}

void DisplayListBraxmoorSystemsAnimation::draw_loaded_cells(MyGraphics& g, int y0, bool flash) const
{
    const SDL_Color blue = get_rgb_from_simple_colour(BRIGHT_BLUE);
    const SDL_Color highlight_paper = get_rgb_from_simple_colour(flash ? BLACK : BRIGHT_YELLOW);
    const auto plain_ink = static_cast<simple_colour_t>(title_set + BRIGHT_WHITE);
    const auto highlight_ink = static_cast<simple_colour_t>(title_set + (flash ? BRIGHT_YELLOW : BLACK));
    for (int row = 1; row <= 19; ++row) {
        for (int column = 1; column <= 29; ++column) {
            unsigned char value = tape_loading_reveal_table[row][column];
            if (value >= progress) {
                continue;
            }
            // The picture's own cell at the same row and column.
            int code = 33 + 32 * row + column;
            int x = column * glyph_size;
            int y = y0 + row * glyph_size;
            if (is_highlight(row, column)) {
                g.printxy(x, y, highlight_ink, highlight_paper, code);
            } else {
                g.printxy(x, y, plain_ink, blue, code);
            }
        }
    }
}
