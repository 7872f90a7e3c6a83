#pragma once
#include <SDL.h>
#include <map>
#include <string>

// The sixteen ZX Spectrum colours: low three bits the base colour, +8 bright.
// Fixed to int because inks carry the glyph set too (16 to 31 draw from the
// title set), values an enum sized to its enumerators could not hold.
enum simple_colour_t : int {
    BLACK = 0,
    BLUE = 1,
    RED = 2,
    MAGENTA = 3,
    GREEN = 4,
    CYAN = 5,
    YELLOW = 6,
    WHITE = 7,
    BRIGHT_BLACK = 8,
    BRIGHT_BLUE = 9,
    BRIGHT_RED = 10,
    BRIGHT_MAGENTA = 11,
    BRIGHT_GREEN = 12,
    BRIGHT_CYAN = 13,
    BRIGHT_YELLOW = 14,
    BRIGHT_WHITE = 15
};

extern const SDL_Color zx_spectrum_black;
extern const SDL_Color zx_spectrum_blue;
extern const SDL_Color zx_spectrum_red;
extern const SDL_Color zx_spectrum_magenta;
extern const SDL_Color zx_spectrum_green;
extern const SDL_Color zx_spectrum_cyan;
extern const SDL_Color zx_spectrum_yellow;
extern const SDL_Color zx_spectrum_white;
extern const SDL_Color zx_spectrum_bright_blue;
extern const SDL_Color zx_spectrum_bright_red;
extern const SDL_Color zx_spectrum_bright_magenta;
extern const SDL_Color zx_spectrum_bright_green;
extern const SDL_Color zx_spectrum_bright_cyan;
extern const SDL_Color zx_spectrum_bright_yellow;
extern const SDL_Color zx_spectrum_bright_white;

// Pixels of exactly this colour are transparent in glyph bitmaps.
extern const SDL_Color hot_pink_means_transparent;

extern const SDL_Color simple_colours[16];
extern const simple_colour_t colours_int_index_to_enum_value[16];
extern const std::map<std::string, simple_colour_t> decode_colour_string_map;

// Maze colour schemes: wall ink, paper, laser paper.
extern const simple_colour_t maze_colour_list[8][3];

simple_colour_t convert_to_colour(int value);
simple_colour_t toggle_bright(simple_colour_t colour);
void get_rgb_from_simple_colour(SDL_Color* out, simple_colour_t colour);
SDL_Color get_rgb_from_simple_colour(simple_colour_t colour);
SDL_Color get_rgb_from_simple_colour_transparent(simple_colour_t colour, unsigned char alpha);
// Case-insensitive colour name; unknown names give MAGENTA.
simple_colour_t decode_colour(std::string name);
