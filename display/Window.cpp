#include "display/Window.h"

#include "app/Utilities.h"

#include <cstdio>
#include <string>

int glyph_size = 0;
SDL_Window* game_window = nullptr;
int window_width = 0;
int window_height = 0;
int game_width = 0;
int game_height = 0;
bool restricted_game_area = false;
int game_offset_x = 0;
int game_offset_y = 0;
int active_width_logical = 0;
int active_height_logical = 0;
bool recorded_offset_setting = false;
int left_right_pixels_size = 0;
int up_down_pixels_size = 0;
int menu_pixel_size = 0;

int LargestGlyphSizeFor(int desktop_width, int desktop_height)
{
    int size = 8;
    while (32 * (size + 8) <= desktop_width && 24 * (size + 8) <= desktop_height) {
        size += 8;
    }
    return size;
}

int WindowGlyphSizeFor(int desktop_width, int desktop_height)
{
    int largest = LargestGlyphSizeFor(desktop_width, desktop_height);
    // One step below the largest, so the window does not fill the desktop.
    return largest > 16 ? largest - 8 : largest;
}

int NextGlyphSizeFor(int current, int desktop_width, int desktop_height)
{
    int next = current + 8;
    if (32 * next <= desktop_width && 24 * next <= desktop_height) {
        return next;
    }
    return 8;
}

int CalculateMaximumGlyphSize()
{
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        Utilities::fatalErrorSDL(std::string("GetInitialScreenSettings() SDL_GetDesktopDisplayMode()")
                                 + SDL_GetError());
    }
    return LargestGlyphSizeFor(mode.w, mode.h);
}

bool CreateGameWindow()
{
    int largest = CalculateMaximumGlyphSize();
    glyph_size = largest > 16 ? largest - 8 : largest;
    window_width = 32 * glyph_size;
    window_height = 24 * glyph_size;
    raw_remove_game_screen_offset();

    game_window = SDL_CreateWindow("Kworble", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, window_width,
                                   window_height, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    if (game_window == nullptr) {
        // Without OpenGL (a headless display, say) the renderer draws in software.
        game_window = SDL_CreateWindow("Kworble", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, window_width,
                                       window_height, SDL_WINDOW_SHOWN);
    }
    if (game_window == nullptr) {
        puts(SDL_GetError());
        return false;
    }
    SDL_DisplayMode mode;
    SDL_GetDesktopDisplayMode(0, &mode);
    SDL_SetWindowDisplayMode(game_window, &mode);
    UpdateScreenData(game_window);
    return true;
}

SDL_Window* GetGameWindow()
{
    return game_window;
}

void SetScreenSize(int width, int height)
{
    window_width = width;
    window_height = height;
    game_width = 32 * glyph_size;
    game_height = 24 * glyph_size;
    up_down_pixels_size = window_height / 3;
    left_right_pixels_size = window_width / 4;
    menu_pixel_size = window_height / 10;
    if (restricted_game_area) {
        raw_set_game_screen_offset();
    } else {
        raw_remove_game_screen_offset();
    }
}

void UpdateScreenData(SDL_Window* window)
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    SetScreenSize(width, height);
    printf("SetUpScreen(): game_width=%d game_height=%d\n", game_width, game_height);
    fflush(stdout);
}

void ToggleScreenSize()
{
    SDL_DisplayMode mode{};
    SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(game_window), &mode);
    glyph_size = NextGlyphSizeFor(glyph_size, mode.w, mode.h);
    SDL_SetWindowSize(game_window, 32 * glyph_size, 24 * glyph_size);
    UpdateScreenData(game_window);
}

void raw_set_game_screen_offset()
{
    restricted_game_area = true;
    active_width_logical = game_width;
    active_height_logical = game_height;
    game_offset_x = (window_width - game_width) / 2;
    game_offset_y = (window_height - game_height) / 2;
}

void raw_remove_game_screen_offset()
{
    restricted_game_area = false;
    game_offset_x = 0;
    game_offset_y = 0;
    active_width_logical = window_width;
    active_height_logical = window_height;
}

void RecordOffsetSetting()
{
    recorded_offset_setting = restricted_game_area;
}

void RestoreRecordedOffsetsetting()
{
    if (recorded_offset_setting) {
        raw_set_game_screen_offset();
    } else {
        raw_remove_game_screen_offset();
    }
}

void BlankBorders(SDL_Renderer* renderer, SDL_Color colour)
{
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, 255);
    const int w = window_width;
    const int h = window_height;
    const int x = game_offset_x;
    const int y = game_offset_y;
    const SDL_Rect borders[4] = {
        {0, 0, x, h - y},
        {0, h - y, w - x, y},
        {x, 0, w - x, y},
        {w - x, y, x, h - y},
    };
    for (const SDL_Rect& r : borders) {
        if (r.w > 0 && r.h > 0) {
            SDL_RenderFillRect(renderer, &r);
        }
    }
}

void game_to_screen(int& x, int& y)
{
    x += game_offset_x;
    y += game_offset_y;
}

SDL_Rect game_to_screen(SDL_Rect rect)
{
    rect.x += game_offset_x;
    rect.y += game_offset_y;
    return rect;
}

void screen_to_game(int& x, int& y)
{
    x -= game_offset_x;
    y -= game_offset_y;
}

int y_to_line(int y)
{
    return y / glyph_size;
}

int x_to_column(int x)
{
    return x / glyph_size;
}

int current_print_area_width()
{
    return active_width_logical;
}

int current_print_area_height()
{
    return active_height_logical;
}

int get_simulated_orientation()
{
    return 0;
}
