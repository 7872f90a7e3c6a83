// The window in a web page: the page, or the screen in full screen, decides the sizes.
#include "display/Window.h"
#include "display/Window_platform.h"

#include <cmath>
#include <cstdio>
#include <emscripten.h>
#include <emscripten/html5.h>

namespace {
bool full_screen = false;

// SDL reports the whole monitor as the desktop; the game has the page's area
// for its canvas (the screen in full screen), in device pixels.
SDL_Rect PageArea()
{
    // clang-format off
    const auto side = [](int index) {
        return EM_ASM_INT({
            const area = Module['kworbleArea'];
            return area ? area()[$0] : Math.floor([innerWidth, innerHeight][$0] * devicePixelRatio);
        }, index);
    };
    // clang-format on
    return SDL_Rect{0, 0, side(0), side(1)};
}

// SDL sizes the window in CSS pixels and the canvas in device pixels: the
// fewest whole CSS pixels that make whole device pixels, at least `pixels` of
// them. On any other size the browser scales the canvas a fraction and blurs
// it; the game screen sits centred in the pixel or few over.
int ToPoints(int pixels)
{
    const double ratio = emscripten_get_device_pixel_ratio();
    const int least = static_cast<int>(std::ceil(pixels / ratio - 1e-9));
    for (int points = least; points < least + 64; ++points) {
        if (std::abs(points * ratio - std::round(points * ratio)) < 1e-9) {
            return points;
        }
    }
    return least;
}

void SizeCanvas(int width, int height)
{
    SDL_SetWindowSize(GetGameWindow(), ToPoints(width), ToPoints(height));
    UpdateScreenData(GetGameWindow());
}

// The largest whole cells the area holds; in full screen the canvas covers
// the screen and the game sits centred in it.
void FitArea(int width, int height)
{
    glyph_size = LargestGlyphSizeFor(width, height);
    if (full_screen) {
        SizeCanvas(width, height);
    } else {
        SizeCanvas(32 * glyph_size, 24 * glyph_size);
    }
}

// A resized window, a turned phone, the browser's own full screen entered or
// left (its Escape too): the canvas follows what the page became.
EM_BOOL FollowFullScreen(int, const EmscriptenFullscreenChangeEvent* event, void*)
{
    full_screen = event->isFullscreen;
    if (full_screen) {
        FitArea(static_cast<int>(event->screenWidth * emscripten_get_device_pixel_ratio()),
                static_cast<int>(event->screenHeight * emscripten_get_device_pixel_ratio()));
    } else {
        const SDL_Rect page = PageArea();
        FitArea(page.w, page.h);
    }
    return EM_FALSE;
}

EM_BOOL FollowPage(int, const EmscriptenUiEvent*, void*)
{
    const SDL_Rect page = PageArea();
    FitArea(page.w, page.h);
    return EM_FALSE;
}

SDL_Rect DisplaySize()
{
    if (!full_screen) {
        return PageArea();
    }
    SDL_Rect screen{};
    SDL_GetWindowSizeInPixels(GetGameWindow(), &screen.w, &screen.h);
    return screen;
}
} // namespace

int CalculateMaximumGlyphSize()
{
    const SDL_Rect page = PageArea();
    return LargestGlyphSizeFor(page.w, page.h);
}

bool CreateGameWindow()
{
    // The page's area is already what the game may fill; the canvas has one
    // canvas pixel to each device pixel, so the browser never rescales it.
    glyph_size = CalculateMaximumGlyphSize();
    window_width = 32 * glyph_size;
    window_height = 24 * glyph_size;
    raw_remove_game_screen_offset();
    const int w = ToPoints(window_width);
    const int h = ToPoints(window_height);
    SDL_Window* window = SDL_CreateWindow("Kworble", 0, 0, w, h, SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI);
    if (window == nullptr) {
        window = SDL_CreateWindow("Kworble", 0, 0, w, h, SDL_WINDOW_ALLOW_HIGHDPI);
    }
    if (window == nullptr) {
        puts(SDL_GetError());
        return false;
    }
    AdoptGameWindow(window);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE, FollowFullScreen);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, FollowPage);
    SizeCanvas(window_width, window_height);
    return true;
}

void ToggleScreenSize()
{
    const SDL_Rect display = DisplaySize();
    glyph_size = NextGlyphSizeFor(glyph_size, display.w, display.h);
    if (full_screen) {
        SetScreenSize(display.w, display.h);
        return;
    }
    SizeCanvas(32 * glyph_size, 24 * glyph_size);
}

void ToggleFullScreen()
{
    if (full_screen) {
        emscripten_exit_fullscreen();
        return;
    }
    // Only a key or click handler may ask: the request waits for the key's
    // release, and the browser may still refuse it (an iframe, say). The
    // page's own button asks at once, inside its touch.
    emscripten_request_fullscreen("#canvas", EM_TRUE);
}
