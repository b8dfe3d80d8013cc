// What the ellipse routines share: an ellipse's box in doubled coordinates (see
// RasterMath.h) with its pen and brush, and the rows of it that are to be painted.
#pragma once

#include "toolkit/Raster.h"

#include <cstdint>
#include <optional>

namespace tk::raster {

struct Oval {
    std::int64_t sx, sy; // doubled centre
    std::int64_t ax, ay; // doubled semi-axes of the path: the box's width and height
    std::int64_t w;      // pen width
    bool dashed;         // a width-1 dashed pen
    std::uint32_t pen;
    std::optional<std::uint32_t> brush;

    // The pen's band lies between the ellipses of doubled semi-axes (ax - w, ay - w) and
    // (ax + w, ay + w); the inner one exists (there is a hole) when both are positive.
    std::int64_t OuterX() const { return ax + w; }
    std::int64_t OuterY() const { return ay + w; }
    bool Hole() const { return ax > w && ay > w; }
};

// Rows top .. bottom, met by the bitmap, less skipFrom .. skipTo (empty when skipFrom >
// skipTo): rows across which the hole spans the whole bitmap and nothing shows.
struct RowWindow {
    std::int64_t top, bottom;
    std::int64_t skipFrom, skipTo;

    bool Painted(std::int64_t y) const {
        return y >= top && y <= bottom && (y < skipFrom || y > skipTo);
    }
};

// A circle (ax == ay, OuterX() <= kExactCircle) on the rows of `rows`.
void Circle(const Surface& s, const Oval& o, const RowWindow& rows);

} // namespace tk::raster
