// The canvas as a PNG file, pixel for pixel: 8-bit RGB without alpha, each row filtered the
// way that leaves it smallest (the sum of its filtered bytes taken as signed, libpng's rule),
// the rows compressed by our own deflate (Deflate.h). A chart of 807 x 689 pixels comes to
// about 30 KB.
#pragma once

#include "toolkit/Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

// The whole file.
std::vector<std::uint8_t> PngOf(const TCanvas& canvas);

// Writes the PNG to `path` (UTF-8), whole or not at all (PictureFile.h): when it cannot,
// raises tk::Exception with a message in Russian, and no file is left behind.
void SavePng(const TCanvas& canvas, const std::string& path);

} // namespace tk
