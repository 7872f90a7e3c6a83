#pragma once
#include <string>

#include "image.h"

// Saves the picture as an 8-bit RGB PNG (libpng). Throws std::runtime_error
// on failure.
void write_png(const std::string& path, const RgbImage& image);
