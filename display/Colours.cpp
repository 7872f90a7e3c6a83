#include "display/Colours.h"

const SDL_Color zx_spectrum_black = {0, 0, 0, 255};
const SDL_Color zx_spectrum_blue = {0, 0, 205, 255};
const SDL_Color zx_spectrum_red = {205, 0, 0, 255};
const SDL_Color zx_spectrum_magenta = {205, 0, 205, 255};
const SDL_Color zx_spectrum_green = {0, 205, 0, 255};
const SDL_Color zx_spectrum_cyan = {0, 205, 205, 255};
const SDL_Color zx_spectrum_yellow = {205, 205, 0, 255};
const SDL_Color zx_spectrum_white = {205, 205, 205, 255};
const SDL_Color zx_spectrum_bright_blue = {0, 0, 255, 255};
const SDL_Color zx_spectrum_bright_red = {255, 0, 0, 255};
const SDL_Color zx_spectrum_bright_magenta = {255, 0, 255, 255};
const SDL_Color zx_spectrum_bright_green = {0, 255, 0, 255};
const SDL_Color zx_spectrum_bright_cyan = {0, 255, 255, 255};
const SDL_Color zx_spectrum_bright_yellow = {255, 255, 0, 255};
const SDL_Color zx_spectrum_bright_white = {255, 255, 255, 255};

const SDL_Color hot_pink_means_transparent = {238, 0, 252, 255};

// Spelled out rather than built from the constants above, so that the table
// does not depend on the order of static initialisation across files.
const SDL_Color simple_colours[16] = {
    {0, 0, 0, 255},   {0, 0, 205, 255},   {205, 0, 0, 255},   {205, 0, 205, 255},
    {0, 205, 0, 255}, {0, 205, 205, 255}, {205, 205, 0, 255}, {205, 205, 205, 255},
    {0, 0, 0, 255},   {0, 0, 255, 255},   {255, 0, 0, 255},   {255, 0, 255, 255},
    {0, 255, 0, 255}, {0, 255, 255, 255}, {255, 255, 0, 255}, {255, 255, 255, 255},
};

const simple_colour_t colours_int_index_to_enum_value[16] = {
    BLACK,        BLUE,        RED,        MAGENTA,        GREEN,        CYAN,        YELLOW,        WHITE,
    BRIGHT_BLACK, BRIGHT_BLUE, BRIGHT_RED, BRIGHT_MAGENTA, BRIGHT_GREEN, BRIGHT_CYAN, BRIGHT_YELLOW, BRIGHT_WHITE,
};

const std::map<std::string, simple_colour_t> decode_colour_string_map = {
    {"BLACK", BLACK},
    {"BLUE", BLUE},
    {"RED", RED},
    {"MAGENTA", MAGENTA},
    {"GREEN", GREEN},
    {"CYAN", CYAN},
    {"YELLOW", YELLOW},
    {"WHITE", WHITE},
    {"BRIGHT BLACK", BRIGHT_BLACK},
    {"BRIGHT BLUE", BRIGHT_BLUE},
    {"BRIGHT RED", BRIGHT_RED},
    {"BRIGHT MAGENTA", BRIGHT_MAGENTA},
    {"BRIGHT GREEN", BRIGHT_GREEN},
    {"BRIGHT CYAN", BRIGHT_CYAN},
    {"BRIGHT YELLOW", BRIGHT_YELLOW},
    {"BRIGHT WHITE", BRIGHT_WHITE},
};

const simple_colour_t maze_colour_list[8][3] = {
    {BLACK, BRIGHT_YELLOW, BRIGHT_GREEN},        {BRIGHT_BLUE, BRIGHT_CYAN, BRIGHT_MAGENTA},
    {BRIGHT_BLUE, BRIGHT_WHITE, BRIGHT_CYAN},    {BRIGHT_RED, BRIGHT_YELLOW, BRIGHT_GREEN},
    {BRIGHT_RED, BRIGHT_WHITE, BRIGHT_CYAN},     {BRIGHT_MAGENTA, BRIGHT_YELLOW, BRIGHT_GREEN},
    {BRIGHT_MAGENTA, BRIGHT_WHITE, BRIGHT_CYAN}, {BRIGHT_GREEN, BRIGHT_WHITE, BRIGHT_CYAN},
};

simple_colour_t convert_to_colour(int value)
{
    if (value < 0) {
        return BLACK;
    }
    if (value > 15) {
        return BRIGHT_WHITE;
    }
    return colours_int_index_to_enum_value[value];
}

simple_colour_t toggle_bright(simple_colour_t colour)
{
    auto value = static_cast<unsigned>(colour);
    if (value > 15) {
        return colour;
    }
    return static_cast<simple_colour_t>(value ^ 8u);
}

void get_rgb_from_simple_colour(SDL_Color* out, simple_colour_t colour)
{
    *out = simple_colours[colour];
}

SDL_Color get_rgb_from_simple_colour(simple_colour_t colour)
{
    return simple_colours[colour];
}

SDL_Color get_rgb_from_simple_colour_transparent(simple_colour_t colour, unsigned char alpha)
{
    SDL_Color c = simple_colours[colour];
    c.a = alpha;
    return c;
}

simple_colour_t decode_colour(std::string name)
{
    for (char& ch : name) {
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    auto found = decode_colour_string_map.find(name);
    return found == decode_colour_string_map.end() ? MAGENTA : found->second;
}
