#include "support/ScreenPixels.h"

#include <SDL_syswm.h>

#ifdef SDL_VIDEO_DRIVER_X11
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

bool read_x_window(SDL_Window* window, int width, int height, std::vector<Uint32>& pixels)
{
#ifdef SDL_VIDEO_DRIVER_X11
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return false;
    }
    Display* display = info.info.x11.display;
    XWindowAttributes attributes;
    int x = 0, y = 0;
    Window child = 0;
    if (XGetWindowAttributes(display, info.info.x11.window, &attributes) == 0 || attributes.map_state != IsViewable ||
        attributes.width != width || attributes.height != height ||
        XTranslateCoordinates(display, info.info.x11.window, attributes.root, 0, 0, &x, &y, &child) == 0 || x < 0 ||
        y < 0 || x + width > WidthOfScreen(attributes.screen) || y + height > HeightOfScreen(attributes.screen)) {
        return false; // XGetImage fails on what is not on the screen
    }
    XImage* image = XGetImage(display, info.info.x11.window, 0, 0, width, height, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    pixels.resize(static_cast<size_t>(width) * height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            pixels[static_cast<size_t>(row) * width + column] = XGetPixel(image, column, row) & 0xffffff;
        }
    }
    XDestroyImage(image);
    return true;
#else
    (void)window, (void)width, (void)height, (void)pixels;
    return false;
#endif
}
