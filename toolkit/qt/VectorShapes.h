// The canvas's shapes as areas to fill, in its pixel coordinates (the rules of Canvas.h):
// a stroke is the area its pen covers, dashes and all, so that nothing is left to a
// writer's pen model (its caps, joins and dash phases), and a shape is cut to the picture
// with a margin before any of it is written, so every coordinate that leaves here lies
// within a few thousand pixels of the picture.
#pragma once

#include <QPainterPath>
#include <QRectF>

#include <cstdint>

namespace tkqt {

// A box with its corners in order: x1 <= x2, y1 <= y2, the right and bottom edges excluded.
struct TBox {
    std::int64_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    static TBox Of(std::int64_t xa, std::int64_t ya, std::int64_t xb, std::int64_t yb);
    bool Empty() const { return x1 == x2 || y1 == y2; }
    QRectF Rect() const;
};

struct TStroke {
    int width = 1;       // at least 1
    bool dashed = false; // 18 drawn, 6 skipped; thin pens only
};

class TShapes {
  public:
    // Shapes for a picture of width x height pixels.
    TShapes(int width, int height);

    // Whether something in `box` (or at column x) may show.
    bool Near(const TBox& box) const;
    bool NearX(std::int64_t x) const;

    // From the centre of pixel (x0, y0) to that of (x1, y1). A thin line covers one pixel
    // per step along its longer axis, the end pixel not, its dashes counted in those steps
    // from `dashFrom` on; a wide one is the band w wide about the segment, with round ends.
    QPainterPath Line(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                      TStroke pen, std::int64_t dashFrom = 0) const;
    // The ring between the ellipses of the box's semi-axes minus and plus w/2; dashes
    // placed by the angle from 3 o'clock, counter-clockwise on the screen, times the mean
    // semi-axis.
    QPainterPath EllipseStroke(const TBox& box, TStroke pen) const;
    // The inside of the box's ellipse.
    QPainterPath EllipseArea(const TBox& box) const;
    // The outline through the centres of the border pixels, square at the corners; a thin
    // dashed one numbers its pixels clockwise from the top-left corner.
    QPainterPath RectangleStroke(const TBox& box, TStroke pen) const;
    // The box itself.
    QPainterPath BoxArea(const TBox& box) const;

  private:
    double left_, top_, right_, bottom_; // the picture and its margin
};

} // namespace tkqt
