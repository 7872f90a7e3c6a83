#include "display/Window.h"

#include "base/SdlOwners.h"
#include "base/Utilities.h"

#include <algorithm>
#include <cstdio>
#include <string>
#ifdef __EMSCRIPTEN__
#include <cmath>
#include <emscripten.h>
#include <emscripten/html5.h>
#endif

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

namespace {
WindowPtr window_owner;
bool full_screen = false;
// The window to come back to from full screen: SDL does not always restore it.
SDL_Rect windowed_place{};
int windowed_glyph_size = 0;

#ifdef __EMSCRIPTEN__
// In a browser SDL reports the whole monitor as the desktop; the game has the
// page's area for its canvas (or the screen in full screen), in device pixels.
int PageSide(int index)
{
    // clang-format off
    return EM_ASM_INT({
        const area = Module['kworbleArea'];
        return area ? area()[$0] : Math.floor([innerWidth, innerHeight][$0] * devicePixelRatio);
    }, index);
    // clang-format on
}

SDL_Rect PageArea()
{
    return SDL_Rect{0, 0, PageSide(0), PageSide(1)};
}

// SDL sizes the window in CSS pixels and the canvas in device pixels.
int ToPoints(int pixels)
{
    return static_cast<int>(std::ceil(pixels / emscripten_get_device_pixel_ratio()));
}

// The browser entered or left full screen (on its own Escape too): the
// geometry follows what it did, not what was asked.
EM_BOOL FollowFullScreen(int, const EmscriptenFullscreenChangeEvent* event, void*)
{
    full_screen = event->isFullscreen;
    if (full_screen) {
        SDL_SetWindowSize(game_window, event->screenWidth, event->screenHeight);
        SDL_Rect pixels{};
        SDL_GetWindowSizeInPixels(game_window, &pixels.w, &pixels.h);
        glyph_size = LargestGlyphSizeFor(pixels.w, pixels.h);
    } else {
        glyph_size = windowed_glyph_size;
        SDL_SetWindowSize(game_window, ToPoints(32 * glyph_size), ToPoints(24 * glyph_size));
    }
    UpdateScreenData(game_window);
    return EM_FALSE;
}
#endif

SDL_Rect DisplaySize()
{
#ifdef __EMSCRIPTEN__
    if (!full_screen) {
        return PageArea();
    }
    SDL_Rect screen{};
    SDL_GetWindowSizeInPixels(game_window, &screen.w, &screen.h);
    return screen;
#endif
    SDL_DisplayMode mode{};
    SDL_GetDesktopDisplayMode(std::max(0, SDL_GetWindowDisplayIndex(game_window)), &mode);
    return SDL_Rect{0, 0, mode.w, mode.h};
}

// After a resize, the whole window with its frame stays on its display.
void KeepWindowOnDisplay()
{
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(std::max(0, SDL_GetWindowDisplayIndex(game_window)), &usable) != 0) {
        return;
    }
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowBordersSize(game_window, &top, &left, &bottom, &right);
    int x = 0, y = 0;
    SDL_GetWindowPosition(game_window, &x, &y);
    const SDL_Rect frame{x - left, y - top, window_width + left + right, window_height + top + bottom};
    const SDL_Point kept = KeptWithin(frame, usable);
    if (kept.x != frame.x || kept.y != frame.y) {
        SDL_SetWindowPosition(game_window, kept.x + left, kept.y + top);
    }
}
} // namespace

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

int CalculateMaximumGlyphSize()
{
#ifdef __EMSCRIPTEN__
    const SDL_Rect page = PageArea();
    return LargestGlyphSizeFor(page.w, page.h);
#endif
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        Utilities::fatalErrorSDL(std::string("GetInitialScreenSettings() SDL_GetDesktopDisplayMode()") +
                                 SDL_GetError());
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
#ifdef __EMSCRIPTEN__
    // The page's area is already what the game may fill; the canvas has one
    // canvas pixel to each device pixel, so the browser never rescales it.
    glyph_size = largest;
    game_window = SDL_CreateWindow("Kworble", 0, 0, ToPoints(32 * glyph_size), ToPoints(24 * glyph_size),
                                   SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI);
    if (game_window == nullptr) {
        game_window = SDL_CreateWindow("Kworble", 0, 0, ToPoints(32 * glyph_size), ToPoints(24 * glyph_size),
                                       SDL_WINDOW_ALLOW_HIGHDPI);
    }
    if (game_window == nullptr) {
        puts(SDL_GetError());
        return false;
    }
    window_owner.reset(game_window);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE, FollowFullScreen);
    UpdateScreenData(game_window);
    return true;
#endif

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
    window_owner.reset(game_window);
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

void DestroyGameWindow()
{
    window_owner.reset();
    game_window = nullptr;
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
#ifdef __EMSCRIPTEN__
    SDL_GetWindowSizeInPixels(window, &width, &height);
#else
    SDL_GetWindowSize(window, &width, &height);
#endif
    SetScreenSize(width, height);
    printf("SetUpScreen(): game_width=%d game_height=%d\n", game_width, game_height);
    fflush(stdout);
}

void ToggleScreenSize()
{
    const SDL_Rect display = DisplaySize();
    glyph_size = NextGlyphSizeFor(glyph_size, display.w, display.h);
    if (full_screen) {
        SetScreenSize(display.w, display.h);
        return;
    }
#ifdef __EMSCRIPTEN__
    SDL_SetWindowSize(game_window, ToPoints(32 * glyph_size), ToPoints(24 * glyph_size));
    UpdateScreenData(game_window);
    return;
#endif
    SDL_SetWindowSize(game_window, 32 * glyph_size, 24 * glyph_size);
    UpdateScreenData(game_window);
    KeepWindowOnDisplay();
}

void ToggleFullScreen()
{
#ifdef __EMSCRIPTEN__
    if (full_screen) {
        emscripten_exit_fullscreen();
        return;
    }
    windowed_glyph_size = glyph_size;
    // Only a key or click handler may ask: the request waits for the key's
    // release, and the browser may still refuse it (an iframe, say).
    emscripten_request_fullscreen("#canvas", EM_TRUE);
    return;
#endif
    if (!full_screen) {
        SDL_GetWindowPosition(game_window, &windowed_place.x, &windowed_place.y);
        SDL_GetWindowSize(game_window, &windowed_place.w, &windowed_place.h);
        windowed_glyph_size = glyph_size;
        if (SDL_SetWindowFullscreen(game_window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
            return;
        }
        full_screen = true;
        const SDL_Rect display = DisplaySize();
        glyph_size = LargestGlyphSizeFor(display.w, display.h);
        // The window manager may report the new size later; the display's is the one it takes.
        SetScreenSize(display.w, display.h);
        return;
    }
    SDL_SetWindowFullscreen(game_window, 0);
    full_screen = false;
    glyph_size = windowed_glyph_size;
    SDL_SetWindowSize(game_window, windowed_place.w, windowed_place.h);
    SDL_SetWindowPosition(game_window, windowed_place.x, windowed_place.y);
    SetScreenSize(windowed_place.w, windowed_place.h);
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
