#pragma once
#include <SDL.h>

// What the mixer does differently on a desktop and in a browser; CMake
// builds one of MixerPlatform_desktop.cpp and MixerPlatform_web.cpp.

// Sample frames SDL asks the callback for at a time.
Uint16 mixer_block_samples();

// Whether a sound started now would be heard.
bool mixer_output_running();
