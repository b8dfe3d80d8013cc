// The canvas's drawing rules (toolkit/Canvas.h) decided one pixel at a time, in exact
// integers: slow and plain, the yardstick the canvas tests and the canvas fuzz target hold
// the row-span rasteriser to. Every function answers what one call leaves on the pixel
// (x, y): the pen, the brush, or what was there before.
//
// Exact for coordinates within +-2^29 (the thin line and the rectangle: the whole int
// range), where the products below stay under 2^126.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace reference {

__extension__ typedef __int128 Int128;

enum class TInk { Untouched, Pen, Brush };

struct TBox {
    std::int64_t x1, y1, x2, y2; // corners in either order
};

// Strictly inside the ellipse of doubled semi-axes A, B (nothing if either is not positive);
// doubled coordinates put every pixel centre on integers.
inline bool InOval(std::int64_t X, std::int64_t Y, std::int64_t A, std::int64_t B) {
    return A > 0 && B > 0 && Int128(X) * X * B * B + Int128(Y) * Y * A * A < Int128(A) * A * B * B;
}

// Pen of width w between the ellipses of semi-axes grown and shrunk by w/2, brush inside
// the box's own ellipse. A width of 0 strokes nothing, which leaves what a dashed outline
// shows in its gaps.
inline TInk Ellipse(std::int64_t x, std::int64_t y, TBox b, std::int64_t w, bool brush) {
    const std::int64_t x1 = std::min(b.x1, b.x2), x2 = std::max(b.x1, b.x2);
    const std::int64_t y1 = std::min(b.y1, b.y2), y2 = std::max(b.y1, b.y2);
    if (x1 == x2 || y1 == y2) return TInk::Untouched;
    const std::int64_t X = 2 * x + 1 - (x1 + x2), ax = x2 - x1;
    const std::int64_t Y = 2 * y + 1 - (y1 + y2), ay = y2 - y1;
    if (InOval(X, Y, ax + w, ay + w) && !InOval(X, Y, ax - w, ay - w)) return TInk::Pen;
    return brush && InOval(X, Y, ax, ay) ? TInk::Brush : TInk::Untouched;
}

// The outline through the border pixels' centres, from w/2 outside to w/2 inside with the
// extra pixel of an even width on the top and left (w = 2: one row above the top border and
// one inside the bottom one), square corners; a dashed width-1 pen numbers the border
// clockwise from the top-left corner, 18 on and 6 off. The brush fills the box. A box of
// zero height (width) is outlined as the box one pixel high (wide), with nothing to fill; one
// of zero height and width draws nothing.
inline TInk Rectangle(std::int64_t x, std::int64_t y, TBox b, std::int64_t w, bool dashed,
                      bool brush) {
    const bool flatX = b.x1 == b.x2, flatY = b.y1 == b.y2;
    if (flatX && flatY) return TInk::Untouched;
    if (flatX || flatY) brush = false;
    const std::int64_t x1 = std::min(b.x1, b.x2), x2 = std::max(b.x1, b.x2) - !flatX;
    const std::int64_t y1 = std::min(b.y1, b.y2), y2 = std::max(b.y1, b.y2) - !flatY;
    if (x1 > x2 || y1 > y2) return TInk::Untouched;
    const TInk under =
        brush && x >= x1 && x <= x2 && y >= y1 && y <= y2 ? TInk::Brush : TInk::Untouched;
    if (dashed && w == 1) {
        const std::int64_t width = x2 - x1 + 1, height = y2 - y1 + 1;
        std::int64_t index = -1;
        if (y == y1 && x >= x1 && x <= x2)
            index = x - x1;
        else if (x == x2 && y > y1 && y <= y2)
            index = width + (y - y1 - 1);
        else if (y == y2 && x >= x1 && x < x2)
            index = width + height - 1 + (x2 - 1 - x);
        else if (x == x1 && y > y1 && y < y2)
            index = 2 * width + height - 2 + (y2 - 1 - y);
        return index >= 0 && index % 24 < 18 ? TInk::Pen : under;
    }
    const std::int64_t before = w / 2, after = (w - 1) / 2;
    const bool outer = x >= x1 - before && x <= x2 + after && y >= y1 - before && y <= y2 + after;
    const bool hole = x > x1 + after && x < x2 - before && y > y1 + after && y < y2 - before;
    return outer && !hole ? TInk::Pen : under;
}

// A width-1 line from (ax, ay) up to, not including, (bx, by): step i along the longer
// axis puts the other coordinate at i * d / n rounded to nearest, halves away from the start;
// dashed, steps 0-17 of every 24 are drawn.
inline bool ThinLine(std::int64_t x, std::int64_t y, TBox l, bool dashed) {
    const std::int64_t dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t n = std::max(std::abs(dx), std::abs(dy));
    const std::int64_t along = xMajor ? x - l.x1 : y - l.y1;
    const std::int64_t i = (xMajor ? dx : dy) < 0 ? -along : along;
    if (n == 0 || i < 0 || i >= n) return false;
    const std::int64_t minor = xMajor ? dy : dx;
    const auto offset = static_cast<std::int64_t>((2 * Int128(std::abs(minor)) * i + n) / (2 * n));
    const std::int64_t at = (xMajor ? l.y1 : l.x1) + (minor < 0 ? -offset : offset);
    return (xMajor ? y : x) == at && (!dashed || i % 24 < 18);
}

// A line of width w >= 2: the pixels whose centre lies within w/2 of the segment between
// the two pixel centres. One exactly w/2 away counts when the segment's nearest point lies
// to its right, or straight below it: as if sampled a hair right and a hair's hair below.
inline bool WideLine(std::int64_t x, std::int64_t y, TBox l, std::int64_t w) {
    const std::int64_t dx = l.x2 - l.x1, dy = l.y2 - l.y1, vx = x - l.x1, vy = y - l.y1;
    const Int128 len2 = Int128(dx) * dx + Int128(dy) * dy, t = Int128(vx) * dx + Int128(vy) * dy;
    // Four times the squared distance against w^2, and the nearest point less the pixel
    // (scaled by len2 > 0 in the band).
    Int128 four, w2, nearX, nearY;
    if (len2 == 0 || t <= 0 || t >= len2) {
        const bool atEnd = len2 != 0 && t >= len2;
        nearX = (atEnd ? l.x2 : l.x1) - x;
        nearY = (atEnd ? l.y2 : l.y1) - y;
        four = 4 * (nearX * nearX + nearY * nearY);
        w2 = Int128(w) * w;
    } else {
        const Int128 cross = Int128(vx) * dy - Int128(vy) * dx;
        four = 4 * cross * cross;
        w2 = Int128(w) * w * len2;
        nearX = t * dx - len2 * vx;
        nearY = t * dy - len2 * vy;
    }
    if (four != w2) return four < w2;
    return nearX > 0 || (nearX == 0 && nearY > 0);
}

} // namespace reference
