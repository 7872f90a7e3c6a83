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

// The cell on the page, in device pixels: the largest whole cells the area holds.
int page_cell = 8;

// The canvas draws cells of 16 and the browser enlarges it a whole number of
// times, pixel for pixel: the glyphs are 8x8 doubled and the pictures
// 256x192, so nothing is lost, and a phone composites a ninth of the pixels.
// A cell no whole number of 16s draws at its own size.
int EnlargementFor(int cell)
{
    return cell % 16 == 0 ? cell / 16 : 1;
}

// The fewest whole CSS pixels that make whole device pixels, a whole number
// of canvas pixels each, at least `pixels` of them. On any other size the
// browser scales the canvas a fraction and blurs it; the game screen sits
// centred in the pixel or few over.
int ToPoints(int pixels, int enlargement)
{
    const double ratio = emscripten_get_device_pixel_ratio();
    const int least = static_cast<int>(std::ceil(pixels / ratio - 1e-9));
    for (int points = least; points < least + 64 * enlargement; ++points) {
        const double device = points * ratio;
        if (std::abs(device - std::round(device)) < 1e-9 && std::lround(device) % enlargement == 0) {
            return points;
        }
    }
    return least;
}

// SDL sizes the window in canvas pixels; the page shows it `enlargement`
// times as large in device pixels.
void SizeCanvas()
{
    const int enlargement = EnlargementFor(page_cell);
    glyph_size = page_cell / enlargement;
    const int w = ToPoints(32 * page_cell, enlargement);
    const int h = ToPoints(24 * page_cell, enlargement);
    const double ratio = emscripten_get_device_pixel_ratio();
    SDL_SetWindowSize(GetGameWindow(), static_cast<int>(std::lround(w * ratio)) / enlargement,
                      static_cast<int>(std::lround(h * ratio)) / enlargement);
    emscripten_set_element_css_size("#canvas", w, h);
    UpdateScreenData(GetGameWindow());
}

// A canvas filling the screen is stretched to it by the browser whatever its
// size: the screen's own device pixels come nearest, and the game sits
// centred in them.
void FitArea()
{
    const SDL_Rect area = PageArea();
    page_cell = LargestGlyphSizeFor(area.w, area.h);
    if (CanvasFillsScreen()) {
        glyph_size = page_cell;
        SDL_SetWindowSize(GetGameWindow(), area.w, area.h);
        UpdateScreenData(GetGameWindow());
    } else {
        SizeCanvas();
    }
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
    // A window of canvas pixels: the page, not SDL, says how large it shows.
    page_cell = CalculateMaximumGlyphSize();
    SDL_Window* window = SDL_CreateWindow("Kworble", 0, 0, 256, 192, SDL_WINDOW_OPENGL);
    if (window == nullptr) {
        window = SDL_CreateWindow("Kworble", 0, 0, 256, 192, 0);
    }
    if (window == nullptr) {
        puts(SDL_GetError());
        return false;
    }
    AdoptGameWindow(window);
    raw_remove_game_screen_offset();
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE, FollowFullScreen);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, FollowPage);
    SizeCanvas();
    return true;
}

void ToggleScreenSize()
{
    const SDL_Rect display = PageArea();
    page_cell = NextGlyphSizeFor(page_cell, display.w, display.h);
    if (CanvasFillsScreen()) {
        glyph_size = page_cell;
        SetScreenSize(window_width, window_height);
        return;
    }
    SizeCanvas();
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
