// Runs of pixels on one bitmap row, and the clipping that leads to them. Every shape ends
// here: its rows are clipped to the bitmap once, with PixelRect, and the runs it hands over
// are clipped to the row's columns by Run, or already lie inside them (Fill, Fill2).
#pragma once

#include "toolkit/Raster.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tk::raster {

// Pixels left .. right by top .. bottom, all four included; empty when either range is.
struct PixelRect {
    std::int64_t left, top, right, bottom;

    bool Empty() const { return left > right || top > bottom; }
    PixelRect Intersected(const PixelRect& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
};

inline PixelRect Bounds(const Surface& s) {
    return {0, 0, std::int64_t{s.width} - 1, std::int64_t{s.height} - 1};
}

// Paints n >= 1 pixels from p. Most runs of a thin ring are one or two pixels, the rest a
// handful of varying length, where a counted loop mispredicts its exit on nearly every run;
// overlapping stores of fixed size do not.
[[gnu::always_inline]] inline void Fill(std::uint32_t* p, std::int64_t n, std::uint32_t color) {
    if (n <= 2) {
        p[0] = color;
        p[n - 1] = color;
    } else if (n > 8) {
        std::fill(p, p + n, color);
    } else if (n >= 4) {
        const std::uint32_t four[4] = {color, color, color, color};
        std::memcpy(p, four, sizeof four);
        std::memcpy(p + n - 4, four, sizeof four);
    } else {
        p[0] = color;
        p[1] = color;
        p[2] = color;
    }
}

// Fill on two runs of the same length, either of which may be missing (nullptr): the
// halves of a ring's row, or a row and its mirror image, share one choice of stores.
[[gnu::always_inline]] inline void Fill2(std::uint32_t* p, std::uint32_t* q, std::int64_t n,
                                         std::uint32_t color) {
    if (n <= 2) {
        if (p) p[0] = p[n - 1] = color;
        if (q) q[0] = q[n - 1] = color;
    } else {
        if (p) Fill(p, n, color);
        if (q) Fill(q, n, color);
    }
}

// Paints the columns xa .. xb of row y that lie in the bitmap; the row must lie in it.
[[gnu::always_inline]] inline void Run(const Surface& s, std::int64_t y, std::int64_t xa,
                                       std::int64_t xb, std::uint32_t color) {
    xa = std::max<std::int64_t>(xa, 0);
    xb = std::min<std::int64_t>(xb, s.width - 1);
    if (xa <= xb) Fill(s.bits + y * s.width + xa, xb - xa + 1, color);
}

// Paints a rectangle already clipped to the bitmap.
inline void FillRect(const Surface& s, const PixelRect& r, std::uint32_t color) {
    for (std::int64_t y = r.top; y <= r.bottom; ++y)
        Fill(s.bits + y * s.width + r.left, r.right - r.left + 1, color);
}

// Narrows first .. last to the steps k at which c + k * step (step -1, 0 or 1) lies in
// 0 .. size-1: a run of pixels along a row, a column or a diagonal, clipped to the bitmap.
inline void StepsWithin(std::int64_t c, std::int64_t step, std::int64_t size, std::int64_t& first,
                        std::int64_t& last) {
    if (step == 0) {
        if (c < 0 || c >= size) last = first - 1;
    } else if (step > 0) {
        first = std::max(first, -c);
        last = std::min(last, size - 1 - c);
    } else {
        first = std::max(first, c - (size - 1));
        last = std::min(last, c);
    }
}

} // namespace tk::raster
