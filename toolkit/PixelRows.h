// A picture's pixels where they lie in memory, 0x00RRGGBB words a row, as the canvas holds
// them and as a window system's 32-bit bitmap takes them (a QImage of Format_RGB32, a
// Windows DIB section drawn top-down): a view of someone else's memory, never a copy.
//
//     tk::TConstPixelRows canvas = tk::PixelRowsOf(image.Canvas);
//     tk::TPixelRows band{bits, {1210, 32}, 1210};   // 32 rows of a 1210-pixel bitmap
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/Geometry.h"

#include <cstddef>
#include <cstdint>

namespace tk {

template <class TPixel> struct TPixelRowsOf {
    TPixel* Bits = nullptr;
    TSize Size;
    std::ptrdiff_t Stride = 0; // pixels from one row's start to the next's

    TPixel* Row(int y) const { return Bits + y * Stride; }
};

using TPixelRows = TPixelRowsOf<std::uint32_t>;
using TConstPixelRows = TPixelRowsOf<const std::uint32_t>;

inline TConstPixelRows PixelRowsOf(const TCanvas& canvas) {
    return {canvas.Bits(), {canvas.Width(), canvas.Height()}, canvas.Width()};
}

} // namespace tk
