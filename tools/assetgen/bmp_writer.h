#pragma once
#include <string>

#include "image.h"

// Saves the picture as an uncompressed 24-bit BMP (SDL's writer). Throws
// std::runtime_error on failure.
void write_bmp(const std::string& path, const RgbImage& image);
