// The window in a web page: the page, or the screen in full screen, decides the sizes.
#include "display/Window.h"
#include "display/Window_platform.h"

#include <cmath>
#include <cstdio>
#include <emscripten.h>
#include <emscripten/html5.h>

namespace {
// The canvas alone fills the screen (F11); the page's own full screen (its
// button) keeps the page, and the canvas fits the page's area in it.
bool full_screen = false;

// SDL reports the whole monitor as the desktop; the game has the page's area
// for its canvas (the screen in full screen), in device pixels.
SDL_Rect PageArea()
{
    // clang-format off
    const auto side = [](int index) {
        return EM_ASM_INT({
            const area = document.fullscreenElement === Module['canvas'] ? null : Module['kworbleArea'];
            return area ? area()[$0] : Math.floor([innerWidth, innerHeight][$0] * devicePixelRatio);
        }, index);
    };
    // clang-format on
    return SDL_Rect{0, 0, side(0), side(1)};
}

bool CanvasFillsScreen()
{
    // clang-format off
    return EM_ASM_INT({ return document.fullscreenElement === Module['canvas']; }) != 0;
    // clang-format on
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

// The largest whole cells the area holds. A canvas filling the screen is
// stretched to it by the browser whatever its size: the screen's own size
// in CSS pixels comes nearest, and the game sits centred in it.
void FitArea()
{
    const SDL_Rect area = PageArea();
    glyph_size = LargestGlyphSizeFor(area.w, area.h);
    const double ratio = emscripten_get_device_pixel_ratio();
    if (CanvasFillsScreen()) {
        SDL_SetWindowSize(GetGameWindow(), static_cast<int>(std::lround(area.w / ratio)),
                          static_cast<int>(std::lround(area.h / ratio)));
    } else {
        SDL_SetWindowSize(GetGameWindow(), ToPoints(32 * glyph_size), ToPoints(24 * glyph_size));
    }
    UpdateScreenData(GetGameWindow());
}

// A resized window, a turned phone, the browser's own full screen entered or
// left (its Escape too): the canvas follows what the page became.
EM_BOOL FollowFullScreen(int, const EmscriptenFullscreenChangeEvent* event, void*)
{
    full_screen = event->isFullscreen;
    FitArea();
    return EM_FALSE;
}

EM_BOOL FollowPage(int, const EmscriptenUiEvent*, void*)
{
    FitArea();
    return EM_FALSE;
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
    UpdateScreenData(window);
    return true;
}

void ToggleScreenSize()
{
    const SDL_Rect display = PageArea();
    glyph_size = NextGlyphSizeFor(glyph_size, display.w, display.h);
    if (CanvasFillsScreen()) {
        SetScreenSize(window_width, window_height);
        return;
    }
    SDL_SetWindowSize(GetGameWindow(), ToPoints(32 * glyph_size), ToPoints(24 * glyph_size));
    UpdateScreenData(GetGameWindow());
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
