// The window on a desktop: its display decides the sizes.
#include "display/Window.h"
#include "display/Window_platform.h"

#include "base/Utilities.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {
bool full_screen = false;
// The window to come back to from full screen: SDL does not always restore it.
SDL_Rect windowed_place{};
int windowed_glyph_size = 0;

int DisplayIndex()
{
    return std::max(0, SDL_GetWindowDisplayIndex(GetGameWindow()));
}

// The desktop's size, or false (said once) when SDL cannot tell it.
bool ReadDesktop(int display, SDL_Rect& size)
{
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(display, &mode) != 0) {
        static bool said = false;
        if (!said) {
            said = true;
            printf("Could not read the desktop size: %s\n", SDL_GetError());
        }
        return false;
    }
    size = SDL_Rect{0, 0, mode.w, mode.h};
    return true;
}

// After a resize, the whole window with its frame stays on its display.
void KeepWindowOnDisplay()
{
    SDL_Window* window = GetGameWindow();
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(DisplayIndex(), &usable) != 0) {
        return;
    }
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right);
    int x = 0, y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    const SDL_Rect frame{x - left, y - top, window_width + left + right, window_height + top + bottom};
    const SDL_Point kept = KeptWithin(frame, usable);
    if (kept.x != frame.x || kept.y != frame.y) {
        SDL_SetWindowPosition(window, kept.x + left, kept.y + top);
    }
}
} // namespace

int CalculateMaximumGlyphSize()
{
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        Utilities::fatalErrorSDL(std::string("GetInitialScreenSettings() SDL_GetDesktopDisplayMode()") +
                                 SDL_GetError());
    }
    return LargestGlyphSizeFor(mode.w, mode.h);
}

bool CreateGameWindow()
{
    const int largest = CalculateMaximumGlyphSize();
    glyph_size = WindowGlyphSizeFor(32 * largest, 24 * largest);
    window_width = 32 * glyph_size;
    window_height = 24 * glyph_size;
    raw_remove_game_screen_offset();
    SDL_Window* window = SDL_CreateWindow("Kworble", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, window_width,
                                          window_height, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    if (window == nullptr) {
        // Without OpenGL (a headless display, say) the renderer draws in software.
        window = SDL_CreateWindow("Kworble", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, window_width,
                                  window_height, SDL_WINDOW_SHOWN);
    }
    if (window == nullptr) {
        puts(SDL_GetError());
        return false;
    }
    AdoptGameWindow(window);
    SDL_DisplayMode mode{};
    // A mode SDL could not read is not handed on.
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        SDL_SetWindowDisplayMode(window, &mode);
    }
    UpdateScreenData(window);
    return true;
}

void ToggleScreenSize()
{
    SDL_Rect display{};
    if (!ReadDesktop(DisplayIndex(), display)) {
        return;
    }
    glyph_size = NextGlyphSizeFor(glyph_size, display.w, display.h);
    if (full_screen) {
        SetScreenSize(display.w, display.h);
        return;
    }
    SDL_SetWindowSize(GetGameWindow(), 32 * glyph_size, 24 * glyph_size);
    UpdateScreenData(GetGameWindow());
    KeepWindowOnDisplay();
}

void ToggleFullScreen()
{
    SDL_Window* window = GetGameWindow();
    if (!full_screen) {
        SDL_GetWindowPosition(window, &windowed_place.x, &windowed_place.y);
        SDL_GetWindowSize(window, &windowed_place.w, &windowed_place.h);
        windowed_glyph_size = glyph_size;
        if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
            return;
        }
        full_screen = true;
        SDL_Rect display{};
        if (!ReadDesktop(DisplayIndex(), display)) {
            SDL_GetWindowSizeInPixels(window, &display.w, &display.h);
        }
        glyph_size = LargestGlyphSizeFor(display.w, display.h);
        // The window manager may report the new size later; the display's is the one it takes.
        SetScreenSize(display.w, display.h);
        return;
    }
    SDL_SetWindowFullscreen(window, 0);
    full_screen = false;
    glyph_size = windowed_glyph_size;
    SDL_SetWindowSize(window, windowed_place.w, windowed_place.h);
    SDL_SetWindowPosition(window, windowed_place.x, windowed_place.y);
    SetScreenSize(windowed_place.w, windowed_place.h);
}
