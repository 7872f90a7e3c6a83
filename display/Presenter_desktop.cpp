#include "display/Presenter.h"

#include <cstring>

namespace {

constexpr int glx_width = 0x801D;
constexpr int glx_height = 0x801E;

// GLX through SDL's loader: the game links no X or GL library of its own.
using CurrentContext = void* (*)();
using QueryContext = int (*)(void* display, void* context, int attribute, int* value);
using ExtensionsString = const char* (*)(void* display, int screen);
using RendererInteger = int (*)(int attribute, unsigned int* value);
constexpr int glx_screen = 0x800C;
constexpr int glx_renderer_accelerated_mesa = 0x8186;

template <typename Function> Function glx_function(const char* name)
{
    return reinterpret_cast<Function>(SDL_GL_GetProcAddress(name));
}

bool has_extension(const char* list, const char* name)
{
    const size_t length = std::strlen(name);
    for (const char* at = list; at != nullptr && (at = std::strstr(at, name)) != nullptr; at += length) {
        if ((at == list || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0')) {
            return true;
        }
    }
    return false;
}

bool is_opengl_on_x11(SDL_Renderer* renderer)
{
    SDL_RendererInfo info;
    const char* video = SDL_GetCurrentVideoDriver();
    return SDL_GetRendererInfo(renderer, &info) == 0 && std::strcmp(info.name, "opengl") == 0 && video != nullptr &&
           std::strcmp(video, "x11") == 0 && SDL_GL_GetCurrentContext() != nullptr;
}

} // namespace

Presenter::Presenter(SDL_Renderer* renderer) : renderer(renderer)
{
    if (!is_opengl_on_x11(renderer)) {
        return;
    }
    glx.current_display = glx_function<void* (*)()>("glXGetCurrentDisplay");
    glx.current_drawable = glx_function<unsigned long (*)()>("glXGetCurrentDrawable");
    auto current_context = glx_function<CurrentContext>("glXGetCurrentContext");
    auto query_context = glx_function<QueryContext>("glXQueryContext");
    auto extensions = glx_function<ExtensionsString>("glXQueryExtensionsString");
    auto renderer_integer = glx_function<RendererInteger>("glXQueryCurrentRendererIntegerMESA");
    if (glx.current_display == nullptr || glx.current_drawable == nullptr || current_context == nullptr ||
        query_context == nullptr || extensions == nullptr || renderer_integer == nullptr) {
        return;
    }
    void* display = glx.current_display();
    void* context = current_context();
    int screen = 0;
    // SDL may draw through EGL (SDL_VIDEO_X11_FORCE_EGL), where GLX knows nothing of its context.
    if (display == nullptr || context == nullptr || context != SDL_GL_GetCurrentContext() ||
        query_context(display, context, glx_screen, &screen) != 0) {
        return;
    }
    const char* list = extensions(display, screen);
    unsigned int accelerated = 1;
    software = has_extension(list, "GLX_MESA_query_renderer") &&
               renderer_integer(glx_renderer_accelerated_mesa, &accelerated) && accelerated == 0;
    // On a GPU the render target's copy costs next to nothing, and a render
    // target is the present path every driver supports.
    if (!software || !has_extension(list, "GLX_MESA_copy_sub_buffer")) {
        return;
    }
    glx.copy = glx_function<decltype(glx.copy)>("glXCopySubBufferMESA");
    glx.query_drawable = glx_function<decltype(glx.query_drawable)>("glXQueryDrawable");
    preserved = glx.copy != nullptr && glx.query_drawable != nullptr;
}

void Presenter::resized()
{
    if (!preserved) {
        return;
    }
    // Mesa's software rasteriser sizes the back buffer to the window after a
    // swap, so one swap (of the picture already shown); the window's size
    // then is the buffer's.
    SDL_RenderPresent(renderer);
    void* display = glx.current_display();
    const unsigned long drawable = glx.current_drawable();
    unsigned int w = 0;
    unsigned int h = 0;
    if (display != nullptr && drawable != 0) {
        glx.query_drawable(display, drawable, glx_width, &w);
        glx.query_drawable(display, drawable, glx_height, &h);
    }
    glx.buffer = SDL_Rect{0, 0, static_cast<int>(w), static_cast<int>(h)};
    if (SDL_RectEmpty(&glx.buffer)) {
        preserved = false; // a render target from now on
    }
}

void Presenter::show(std::vector<SDL_Rect> const* rects)
{
    if (!preserved) {
        SDL_RenderPresent(renderer);
        return;
    }
    SDL_RenderFlush(renderer);
    SDL_Rect window{0, 0, 0, 0};
    SDL_GetRendererOutputSize(renderer, &window.w, &window.h);
    SDL_IntersectRect(&window, &glx.buffer, &window);
    void* display = glx.current_display();
    const unsigned long drawable = glx.current_drawable();
    if (display == nullptr || drawable == 0) {
        return;
    }
    // GL counts rows from the bottom.
    auto copy = [&](SDL_Rect const& r) {
        SDL_Rect inside;
        if (SDL_IntersectRect(&r, &window, &inside) == SDL_TRUE) {
            glx.copy(display, drawable, inside.x, glx.buffer.h - inside.y - inside.h, inside.w, inside.h);
        }
    };
    if (rects == nullptr) {
        copy(window);
        return;
    }
    for (SDL_Rect const& r : *rects) {
        copy(r);
    }
}
