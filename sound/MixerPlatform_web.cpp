#include "sound/MixerPlatform.h"

#include <emscripten.h>

Uint16 mixer_block_samples()
{
    // The browser calls back on its main thread between tasks: a longer
    // block rides out a slow frame.
    return 1024;
}

bool mixer_output_running()
{
    // Until the player's first key or click the browser keeps the audio
    // stopped.
    // clang-format off
    return EM_ASM_INT({
        const sdl = Module['SDL2'];
        return sdl && sdl.audioContext && sdl.audioContext.state === 'running' ? 1 : 0;
    }) != 0;
    // clang-format on
}
