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
    {255, 255, 255, 255, 255, 255, 255,  39,  40,  41,  42,  42,  42,  42, 255, 255,
     255, 255, 110, 111, 112, 112, 112, 112, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255,  36,  37,  38, 255, 255, 255, 255, 255,  42, 255, 255,
     255, 107, 108, 255, 255, 255, 255, 112, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255, 255,  34,  35, 255, 255, 255, 255, 255, 255, 255,  42, 255, 255,
     105, 106, 255, 255, 255, 255, 255, 112, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255, 255,  32,  33, 255, 255, 255, 255, 255, 255, 255, 255,  42, 255, 255,
     104, 255, 255, 255, 255, 255, 255, 112, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255,  30,  31, 255, 255, 255, 255,  52,  51,  43,  43,  43,  43, 255, 255,
     103, 255, 255, 121, 120, 112, 112, 112, 255, 255, 255, 255, 255, 255, 255, 255},
    {255, 255,  29, 255, 255, 255,  55,  54,  53, 255, 255, 255, 255, 255, 255, 102,
     101, 255, 255, 122, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
    {255,  27,  28, 255, 255, 255,  56, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     100, 255, 255, 123, 124, 125, 125, 125, 133, 134, 255, 255, 255, 255, 255, 255},
    {255,  26, 255, 255, 255,  58,  57, 255, 255, 255, 255, 255, 255, 255, 255, 255,
      99, 255, 255, 255, 255, 255, 255, 255, 255, 135, 136, 137, 255, 255, 255, 255},
    {255,  25, 255, 255, 255,  59, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
      98,  97, 255, 255, 255, 255, 255, 255, 255, 255, 255, 138, 139, 255, 255, 255},
    {255,  24, 255, 255, 255,  60, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255,  96,  95,  94, 255, 255, 255, 255, 255, 255, 255, 255, 140, 255, 255, 255},
    {255,  23, 255, 255, 255,  61, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255,  93,  92,  84,  84,  84,  83, 255, 255, 255, 141, 142, 255, 255},
    {255,  22,  21, 255, 255,  62,  63, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255, 255, 255, 255, 255, 255, 255,  82, 255, 255, 255, 143, 255, 255},
    {255, 255,  20, 255, 255, 255,  64,  65, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255, 255, 255, 255, 255, 255, 255,  81, 255, 255, 255, 144, 255, 255},
    {255, 255,  19,  18, 255, 255, 255,  66,  67, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255, 255, 255, 255, 255, 255,  79,  80, 255, 255, 255, 146, 255, 255},
    {255, 255, 255,  17, 255, 255, 255, 255, 255,  68,  69,  69,  69,  69,  69,  69,
      69,  69,  69,  69,  69,  69,  69,  77,  78, 255, 255, 255, 147, 146, 255, 255},
    {255, 255, 255,  16,  15, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 148, 255, 255, 255},
    {255, 255, 255, 255,  14,  13,  12, 255, 255, 255, 255, 255, 255, 255, 255, 255,
     255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 149, 255, 255, 255, 255},
    {255, 255, 255, 255, 255, 255,  11,  10,   9,   8, 255, 255, 255, 255, 255, 255,
     255, 255, 255, 255, 255, 255, 255, 255, 152, 151, 150, 255, 255, 255, 255, 255},
    {255, 255, 255, 255, 255, 255, 255, 255, 255,   0, 153, 153, 153, 153, 153, 153,
     153, 153, 153, 153, 153, 153, 153, 153, 153, 255, 255, 255, 255, 255, 255, 255},
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

// The cells where the logo crosses the text: the title set holds the letters
// there, and they flash with the text.
bool is_highlight(unsigned char value)
{
    return value == 57 || value == 58 || value == 99;
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
        print_flashing_cell_text(g, y0, 8, 4, "LEAVE TAPE PLAYING", flash);
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
            if (is_highlight(value)) {
                g.printxy(x, y, highlight_ink, highlight_paper, code);
            } else {
                g.printxy(x, y, plain_ink, blue, code);
            }
        }
    }
}
