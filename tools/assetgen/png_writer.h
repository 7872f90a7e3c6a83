#pragma once
#include <string>

#include "image.h"

// Saves the picture as an 8-bit RGB PNG. The pixel data goes into 'stored'
// (uncompressed) deflate blocks, which every PNG reader accepts and which
// needs no compression library. Throws std::runtime_error on failure.
void write_png(const std::string& path, const RgbImage& image);
