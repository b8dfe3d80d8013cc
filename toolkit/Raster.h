// Scan conversion behind TCanvas: every shape is turned into horizontal runs of pixels, one
// bitmap row at a time, so that a shape costs what it covers inside the bitmap and not what
// it measures. The pixel rules are the ones stated in Canvas.h.
//
// One file per technique:
//  - RasterSpans.h      runs of pixels on a row, and clipping to the bitmap (PixelRect)
//  - RasterMath.h/.cpp  floor divisions, integer square roots, an ellipse's reach across a
//                       row followed from row to row, stepped quotients
//  - RasterDash.h/.cpp  dash patterns: counted pixels, and places along an ellipse
//  - RasterEllipse.cpp  Ellipse, circles included
//  - RasterLine.cpp     Line: thin lines in closed form, wide lines row by row
//  - RasterRectangle.cpp  Rectangle
#pragma once

#include <cstdint>
#include <optional>

namespace tk::raster {

struct Surface {
    std::uint32_t* bits;
    int width;
    int height;
};

struct Stroke {
    std::uint32_t color;
    std::int64_t width; // at least 1
    bool dashed;        // honoured for width 1 only
};

// Boxes come normalised: x1 < x2 and y1 < y2, right and bottom edges excluded.
void Ellipse(const Surface& s, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
             const Stroke& pen, std::optional<std::uint32_t> brush);
void Rectangle(const Surface& s, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
               const Stroke& pen, std::optional<std::uint32_t> brush);

// From the centre of pixel (x0, y0) to the centre of pixel (x1, y1).
void Line(const Surface& s, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
          const Stroke& pen);

} // namespace tk::raster
