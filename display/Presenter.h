#pragma once
#include <SDL.h>

#include <vector>

// How a finished frame reaches the screen. Usually SDL_RenderPresent, after
// which the window's back buffer holds nothing to build on, so a frame that
// changed a little is drawn into a render target and copied whole to the
// window. Some windows preserve their back buffer, and there a frame need
// only draw its damage:
// - a web page's canvas whose context has preserveDrawingBuffer, or SDL's
//   software framebuffer there (Presenter_web.cpp);
// - an X window drawn by Mesa's software rasteriser through GLX, whose back
//   buffer is never swapped but copied to the screen a rectangle at a time
//   (GLX_MESA_copy_sub_buffer, Presenter_desktop.cpp). There every pixel
//   copied costs the CPU: a full window copy was most of a changed frame's cost.
class Presenter {
public:
    explicit Presenter(SDL_Renderer* renderer);

    bool preserves_back_buffer() const { return preserved; }
    // GL drawn by a software rasteriser, where every quad and pixel shaded
    // costs the CPU: there a frame takes the present path that costs least.
    // A graphics card, or a renderer that does not say, takes simple rules.
    bool shades_on_cpu() const { return software; }
    // The window's size changed: its picture is lost, and the GL driver
    // learns the new size at a swap.
    void resized();
    // Shows what was drawn: only the rectangles when the window keeps its
    // picture and rects is given, otherwise the whole window.
    void show(std::vector<SDL_Rect> const* rects);

private:
    // GLX_MESA_copy_sub_buffer and what it needs (desktop only).
    struct SubBufferCopy {
        void (*copy)(void* display, unsigned long drawable, int x, int y, int w, int h) = nullptr;
        void* (*current_display)() = nullptr;
        unsigned long (*current_drawable)() = nullptr;
        void (*query_drawable)(void* display, unsigned long drawable, int attribute, unsigned int* value) = nullptr;
        // The back buffer as the GL driver made it at the last swap: copying
        // beyond it is an X error, which ends the program.
        SDL_Rect buffer{0, 0, 0, 0};
    };

    SDL_Renderer* renderer;
    bool preserved = false;
    bool software = false;
    SubBufferCopy glx;
};
