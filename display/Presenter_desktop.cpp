#include "display/Presenter.h"

#include <cstring>

namespace {

constexpr int glx_width = 0x801D;
constexpr int glx_height = 0x801E;

#ifndef __EMSCRIPTEN__

// GLX through SDL's loader: the game links no X or GL library of its own.
using CurrentContext = void* (*)();
using QueryContext = int (*)(void* display, void* context, int attribute, int* value);
using ExtensionsString = const char* (*)(void* display, int screen);
using RendererInteger = int (*)(int attribute, unsigned int* value);
constexpr int glx_screen = 0x800C;
constexpr int glx_renderer_accelerated_mesa = 0x8186;

template <typename Function> Function glx(const char* name)
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

#endif

} // namespace

Presenter::Presenter(SDL_Renderer* renderer) : renderer(renderer)
{
#ifdef __EMSCRIPTEN__
    keeps = true;
#else
    if (!is_opengl_on_x11(renderer)) {
        return;
    }
    current_display = glx<void* (*)()>("glXGetCurrentDisplay");
    current_drawable = glx<unsigned long (*)()>("glXGetCurrentDrawable");
    auto current_context = glx<CurrentContext>("glXGetCurrentContext");
    auto query_context = glx<QueryContext>("glXQueryContext");
    auto extensions = glx<ExtensionsString>("glXQueryExtensionsString");
    auto renderer_integer = glx<RendererInteger>("glXQueryCurrentRendererIntegerMESA");
    if (current_display == nullptr || current_drawable == nullptr || current_context == nullptr ||
        query_context == nullptr || extensions == nullptr || renderer_integer == nullptr) {
        return;
    }
    void* display = current_display();
    void* context = current_context();
    int screen = 0;
    if (display == nullptr || context == nullptr || query_context(display, context, glx_screen, &screen) != 0) {
        return;
    }
    const char* list = extensions(display, screen);
    unsigned int accelerated = 1;
    // On a GPU the kept texture's copy costs next to nothing, and the
    // texture is the road every driver supports.
    if (!has_extension(list, "GLX_MESA_copy_sub_buffer") || !has_extension(list, "GLX_MESA_query_renderer") ||
        !renderer_integer(glx_renderer_accelerated_mesa, &accelerated) || accelerated != 0) {
        return;
    }
    copy_sub_buffer = glx<decltype(copy_sub_buffer)>("glXCopySubBufferMESA");
    query_drawable = glx<decltype(query_drawable)>("glXQueryDrawable");
    keeps = copy_sub_buffer != nullptr && query_drawable != nullptr;
#endif
}

void Presenter::resized()
{
    if (!keeps || copy_sub_buffer == nullptr) {
        return;
    }
    // Mesa's software rasteriser sizes the back buffer to the window after a
    // swap, so one swap (of the picture already shown); the window's size
    // then is the buffer's.
    SDL_RenderPresent(renderer);
    void* display = current_display();
    const unsigned long drawable = current_drawable();
    unsigned int w = 0;
    unsigned int h = 0;
    if (display != nullptr && drawable != 0) {
        query_drawable(display, drawable, glx_width, &w);
        query_drawable(display, drawable, glx_height, &h);
    }
    buffer = SDL_Rect{0, 0, static_cast<int>(w), static_cast<int>(h)};
    if (SDL_RectEmpty(&buffer)) {
        keeps = false; // the kept texture from now on
    }
}

void Presenter::show(std::vector<SDL_Rect> const* rects)
{
    if (!keeps || copy_sub_buffer == nullptr) {
        SDL_RenderPresent(renderer);
        return;
    }
    SDL_RenderFlush(renderer);
    SDL_Rect window{0, 0, 0, 0};
    SDL_GetRendererOutputSize(renderer, &window.w, &window.h);
    SDL_IntersectRect(&window, &buffer, &window);
    void* display = current_display();
    const unsigned long drawable = current_drawable();
    if (display == nullptr || drawable == 0) {
        return;
    }
    // GL counts rows from the bottom.
    auto copy = [&](SDL_Rect const& r) {
        SDL_Rect inside;
        if (SDL_IntersectRect(&r, &window, &inside) == SDL_TRUE) {
            copy_sub_buffer(display, drawable, inside.x, buffer.h - inside.y - inside.h, inside.w, inside.h);
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
