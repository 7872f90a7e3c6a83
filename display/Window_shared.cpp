#include "display/Window.h"
#include "display/Window_platform.h"

#include "base/SdlOwners.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

int glyph_size = 0;
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

namespace {
WindowPtr window_owner;
} // namespace

void AdoptGameWindow(SDL_Window* window)
{
    window_owner.reset(window);
}

SDL_Point PointerToPixels(int x, int y, SDL_Point window_size, SDL_Point drawable_size)
{
    if (window_size.x <= 0 || window_size.y <= 0) {
        return SDL_Point{x, y};
    }
    // Toward the top left, so a point never lands in the next pixel's cell.
    const auto scale = [](int v, int from, int to) { return static_cast<int>(std::floor(double(v) * to / from)); };
    return SDL_Point{scale(x, window_size.x, drawable_size.x), scale(y, window_size.y, drawable_size.y)};
}

SDL_Point WindowToPixels(int x, int y)
{
    SDL_Point points{}, pixels{};
    SDL_GetWindowSize(GetGameWindow(), &points.x, &points.y);
    SDL_GetWindowSizeInPixels(GetGameWindow(), &pixels.x, &pixels.y);
    return PointerToPixels(x, y, points, pixels);
}

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

SDL_Rect GameAreaFor(int window_width, int window_height, int cell)
{
    return SDL_Rect{(window_width - 32 * cell) / 2, (window_height - 24 * cell) / 2, 32 * cell, 24 * cell};
}

SDL_Point KeptWithin(SDL_Rect frame, SDL_Rect bounds)
{
    return SDL_Point{std::max(bounds.x, std::min(frame.x, bounds.x + bounds.w - frame.w)),
                     std::max(bounds.y, std::min(frame.y, bounds.y + bounds.h - frame.h))};
}

SDL_Window* GetGameWindow()
{
    return window_owner.get();
}

void DestroyGameWindow()
{
    window_owner.reset();
}

void SetScreenSize(int width, int height)
{
    window_width = width;
    window_height = height;
    game_width = 32 * glyph_size;
    game_height = 24 * glyph_size;
    // The steering strips belong to the game screen, not to the borders round it.
    up_down_pixels_size = game_height / 3;
    left_right_pixels_size = game_width / 4;
    menu_pixel_size = game_height / 10;
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
    // The renderer draws in pixels; a scaled desktop or a browser sizes windows in points.
    SDL_GetWindowSizeInPixels(window, &width, &height);
    SetScreenSize(width, height);
    printf("SetUpScreen(): game_width=%d game_height=%d\n", game_width, game_height);
    fflush(stdout);
}

void raw_set_game_screen_offset()
{
    restricted_game_area = true;
    active_width_logical = game_width;
    active_height_logical = game_height;
    const SDL_Rect area = GameAreaFor(window_width, window_height, glyph_size);
    game_offset_x = area.x;
    game_offset_y = area.y;
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

int BorderRects(SDL_Rect out[4])
{
    const int w = window_width;
    const int h = window_height;
    const int x = game_offset_x;
    const int y = game_offset_y;
    // Measured from the game area's far edges: an odd margin is wider on the right and below.
    const int right = x + active_width_logical;
    const int bottom = y + active_height_logical;
    const SDL_Rect borders[4] = {
        {0, 0, x, bottom},
        {0, bottom, right, h - bottom},
        {x, 0, w - x, y},
        {right, y, w - right, h - y},
    };
    int count = 0;
    for (const SDL_Rect& r : borders) {
        if (r.w > 0 && r.h > 0) {
            out[count++] = r;
        }
    }
    return count;
}

void BlankBorders(SDL_Renderer* renderer, SDL_Color colour)
{
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, 255);
    SDL_Rect borders[4];
    const int count = BorderRects(borders);
    for (int i = 0; i < count; ++i) {
        SDL_RenderFillRect(renderer, &borders[i]);
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
