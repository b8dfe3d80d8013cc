// A raster canvas over a 32-bit 0x00RRGGBB bitmap, with the drawing rules of the classic
// Windows device context that the chart routines were designed on.
//
// Pixel rules, stated once:
//  - Pixel (x, y) is the unit square [x, x+1) x [y, y+1); its centre is (x + 0.5, y + 0.5).
//    "Distance" of a pixel from a point or a curve always means that of the pixel's centre.
//  - Boxes (Ellipse, Rectangle) exclude their right and bottom edges: the box (x1, y1, x2, y2)
//    covers the pixels x1 .. x2-1, y1 .. y2-1. Corners may come in either order. An ellipse
//    of zero width or height draws nothing. A rectangle of zero height (width) is a line: the
//    outline of the box one pixel high (wide), without fill, so that with a thin pen it paints
//    the pixels a LineTo from (x1, y1) to (x2, y2) paints, dashes counted from the left (top)
//    end; a rectangle of zero width and height draws nothing.
//  - The ellipse of a box is the one inscribed in the continuous rectangle [x1, x2] x [y1, y2].
//    For a circle of radius R about (cx, cy), a pen of width w strokes the pixels at distance
//    d from (cx, cy) with R - w/2 <= d < R + w/2: the inner end counts, the outer does not,
//    so rings of consecutive radii meet without gap or overlap. A solid brush fills d < R
//    (before the outline is drawn). A box that is not square strokes the pixels between the
//    ellipses whose semi-axes are its own minus and plus w/2, and fills its own ellipse.
//  - A rectangle's outline runs through the centres of its border pixels, (x1, y1) to
//    (x2-1, y2-1), with square corners; a solid brush fills the box under it.
//  - A width-1 line covers the pixels from its start up to, not including, its end pixel: one
//    per step along the longer axis, the other coordinate rounded to nearest, halves away
//    from the start. A wider line covers the pixels within w/2 of the segment between the two
//    pixel centres (round ends).
//  - Around lines and rectangle outlines a pixel exactly w/2 away counts when it lies to the
//    left of the path or straight above it, so an even width adds its extra row or column on
//    the top or left.
//  - Dashed width-1 pens draw 18 pixels and skip 6, leaving the gaps untouched. A line counts
//    its pixels from its start, afresh at each LineTo; an ellipse measures the arc from 3
//    o'clock counter-clockwise on the screen as angle times radius (the parametric angle
//    times the mean semi-axis when the box is not square); a rectangle numbers its border
//    pixels clockwise from the top-left corner. A wider dashed pen draws solid.
//  - Everything outside the bitmap is clipped silently; the cost of a shape is proportional
//    to the rows it touches inside the bitmap, never to its full size. Coordinates may span
//    the whole int range, and every rule above holds to the pixel across it for lines and
//    rectangles; for ellipses within +-2^29, beyond which a pixel on the very edge of one
//    may round either way.
#pragma once

#include "toolkit/Color.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

enum class TPenStyle { psSolid, psDash };
enum class TBrushStyle { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
};

struct TBrush {
    TBrushStyle Style = TBrushStyle::bsSolid;
    TColor Color = clWhite;
};

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

// One drawing call with the state it was made in, for tests and for replaying a picture.
struct TCanvasCall {
    enum class TOp { Ellipse, Rectangle, MoveTo, LineTo, TextOut };
    TOp Op = TOp::Ellipse;
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0; // MoveTo, LineTo and TextOut use X1, Y1
    std::string Text;
    TPen Pen;
    TBrush Brush;
};

class TCanvas {
  public:
    TCanvas(int width, int height);

    // Drawing state that carries over from one call (and one drawing routine) to the next.
    TPen Pen;
    TBrush Brush;
    TPoint PenPos;

    // When set, every drawing call is appended here before it is carried out.
    std::vector<TCanvasCall>* Log = nullptr;

    void Ellipse(int x1, int y1, int x2, int y2);
    void Rectangle(int x1, int y1, int x2, int y2);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);

    // UTF-8 text in black with its cell's top-left corner at (x, y); the cell is
    // TextWidth(text) x TextHeight(text). A solid brush fills the cell first and keeps the
    // ink inside it; a clear brush blends the glyphs over what is there. Leaves PenPos at
    // (x + TextWidth(text), y).
    void TextOut(int x, int y, std::string_view text);
    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;

    // The whole picture replaced by `source`'s (of the same size), with its pen, brush and
    // pen position; `sourceCalls`, played on a white canvas, must give `source`'s picture,
    // and become the log, since nothing drawn before shows any more. A picture redrawn on
    // every step of a drag lays down its unchanging part this way (chart/DrawnGrid.h).
    void CopyFrom(const TCanvas& source, std::span<const TCanvasCall> sourceCalls);

    int Width() const { return width_; }
    int Height() const { return height_; }
    TColor Pixel(int x, int y) const { return bits_[std::size_t(y) * width_ + x]; }
    const std::uint32_t* Bits() const { return bits_.data(); }
    std::uint32_t* Bits() { return bits_.data(); }

  private:
    int width_;
    int height_;
    std::vector<std::uint32_t> bits_;
};

} // namespace tk
