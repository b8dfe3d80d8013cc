// The canvas's shapes as areas to fill, in its pixel coordinates (the rules of Canvas.h):
// a stroke is the area its pen covers, dashes and all, so that nothing is left to a
// writer's pen model (its caps, joins and dash phases), and a shape is cut to the picture
// with a margin before any of it is written, so every coordinate that leaves here lies
// within a few thousand pixels of the picture. The areas are paths of our own (TPath),
// which a PDF writes as they are and a painter converts to its own kind.
//
// VectorPath.cpp builds the paths and boxes, VectorCut.h cuts to the picture, VectorArcs.h
// makes the ellipses' curves; VectorShapes.cpp makes the shapes from them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tk {

struct TPointF {
    double x = 0, y = 0;

    friend TPointF operator+(TPointF a, TPointF b) { return {a.x + b.x, a.y + b.y}; }
    friend TPointF operator-(TPointF a, TPointF b) { return {a.x - b.x, a.y - b.y}; }
    friend TPointF operator*(double k, TPointF a) { return {k * a.x, k * a.y}; }
    friend TPointF operator/(TPointF a, double k) { return {a.x / k, a.y / k}; }
    bool operator==(const TPointF&) const = default;
};

// Left and top edges included, right and bottom not; empty unless left < right and
// top < bottom.
struct TRectF {
    double left = 0, top = 0, right = 0, bottom = 0;

    bool Empty() const { return !(left < right && top < bottom); }
    TRectF Intersected(const TRectF& other) const;
    bool Contains(const TRectF& other) const {
        return left <= other.left && top <= other.top && other.right <= right &&
               other.bottom <= bottom;
    }
};

// Which points a path's area holds: those it winds round an odd number of times (a ring is
// its outer edge and its inner one), or any number but zero.
enum class TFillRule { EvenOdd, NonZero };

// An area's outline: subpaths of straight and cubic segments, each from its start point.
class TPath {
  public:
    struct TSegment {
        bool cubic = false;
        TPointF c1, c2; // a cubic's control points
        TPointF to;
    };
    struct TSubpath {
        TPointF start;
        std::vector<TSegment> segments;
        bool closed = false;
    };

    TFillRule FillRule = TFillRule::EvenOdd;

    void MoveTo(TPointF p);
    void LineTo(TPointF p);
    void CubicTo(TPointF c1, TPointF c2, TPointF to);
    // Ends the subpath with a line back to its start.
    void Close();
    // The rectangle clockwise on the screen from its top-left corner, closed.
    void AddRect(const TRectF& r);
    // The polygon through the points, closed.
    void AddPolygon(std::span<const TPointF> points);
    void Append(const TPath& other);

    // Whether the path has no segment, so that filling it paints nothing.
    bool Empty() const;
    // The box of all its points, control points included.
    TRectF Bounds() const;
    const std::vector<TSubpath>& Subpaths() const { return subpaths_; }

  private:
    TPointF Current() const;

    std::vector<TSubpath> subpaths_;
};

// A box with its corners in order: x1 <= x2, y1 <= y2, the right and bottom edges excluded.
struct TBox {
    std::int64_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    static TBox Of(std::int64_t xa, std::int64_t ya, std::int64_t xb, std::int64_t yb);
    bool Empty() const { return x1 == x2 || y1 == y2; }
    TRectF Rect() const;
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
    TPath Line(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, TStroke pen,
               std::int64_t dashFrom = 0) const;
    // The ring between the ellipses of the box's semi-axes minus and plus w/2; dashes
    // placed by the angle from 3 o'clock, counter-clockwise on the screen, times the mean
    // semi-axis.
    TPath EllipseStroke(const TBox& box, TStroke pen) const;
    // The inside of the box's ellipse.
    TPath EllipseArea(const TBox& box) const;
    // The outline through the centres of the border pixels, square at the corners; a thin
    // dashed one numbers its pixels clockwise from the top-left corner.
    TPath RectangleStroke(const TBox& box, TStroke pen) const;
    // The box itself, cut to the picture and its margin.
    TPath BoxArea(const TBox& box) const;
    TRectF BoxRect(const TBox& box) const;

  private:
    double left_, top_, right_, bottom_; // the picture and its margin
};

} // namespace tk
