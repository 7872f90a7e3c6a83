#pragma once
#include <string>

#include "image.h"

// Saves the picture as an uncompressed 24-bit BMP (BITMAPINFOHEADER,
// bottom-up rows padded to 4 bytes). Throws std::runtime_error on failure.
void write_bmp(const std::string& path, const RgbImage& image);
