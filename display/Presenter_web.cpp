#include "display/Presenter.h"

#include <emscripten/html5.h>

namespace {

bool is_software(SDL_Renderer* renderer)
{
    SDL_RendererInfo info;
    return SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

// What the page's WebGL context really has: the page asks for
// preserveDrawingBuffer (web/preserve_drawing_buffer.js), but the browser
// decides. Without it the canvas is cleared after it is shown.
bool context_preserves()
{
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = emscripten_webgl_get_current_context();
    EmscriptenWebGLContextAttributes attributes;
    return context != 0 && emscripten_webgl_get_context_attributes(context, &attributes) == EMSCRIPTEN_RESULT_SUCCESS &&
           attributes.preserveDrawingBuffer;
}

} // namespace

// SDL's software framebuffer is copied whole to the canvas and kept between frames.
// WebGL keeps the costs of a software rasteriser: a page is rarely told what
// draws it, and a browser that distrusts the GPU draws on the CPU.
Presenter::Presenter(SDL_Renderer* renderer)
    : renderer(renderer), preserved(is_software(renderer) || context_preserves()), software(!is_software(renderer))
{
}

void Presenter::resized() {}

void Presenter::show(std::vector<SDL_Rect> const*)
{
    SDL_RenderPresent(renderer);
}
