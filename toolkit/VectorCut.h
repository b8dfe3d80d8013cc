// Cutting the canvas's shapes to the picture (VectorShapes.h): the area kept, the picture
// and its margin; a polygon cut to it edge by edge (Sutherland and Hodgman), a segment to the
// part of it inside (Liang and Barsky).
#pragma once

#include "toolkit/VectorShapes.h"

#include <vector>

namespace tk::shapes {

// The picture and its margin, edges included, in the canvas's pixel coordinates.
struct TArea {
    double left, top, right, bottom;

    TArea Grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
    bool Meets(double l, double t, double r, double b) const {
        return l <= right && r >= left && t <= bottom && b >= top;
    }
    TRectF Cut(TRectF r) const { return r.Intersected(TRectF{left, top, right, bottom}); }
};

// The polygon cut to the area (Sutherland and Hodgman, one edge of the area at a time).
std::vector<TPointF> CutPolygon(std::vector<TPointF> polygon, const TArea& area);

// The part t0 .. t1 of p + t d that lies in the area (Liang and Barsky); false for none.
bool CutSegment(TPointF p, TPointF d, const TArea& area, double& t0, double& t1);

} // namespace tk::shapes
