// Ellipses for the canvas's shapes (VectorShapes.h): arcs as cubic curves, and an ellipse
// too large to write whole reduced to the pieces of it near the picture, so that every
// coordinate written stays within a few thousand pixels of it. The curves are the usual
// approximation of a circular arc by a cubic, its control points along the tangents at
// 4/3 tan(a/4) of the radius, here of an ellipse by its parametric angle.
#pragma once

#include "toolkit/VectorCut.h"
#include "toolkit/VectorShapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace tk::shapes {

constexpr double kPi = std::numbers::pi;

// The longest piece of an arc written as one curve: short enough that the curve's error is
// far below a pixel at any radius, and that a piece which shows lies near the picture.
constexpr double kPieceLength = 64;

// A point on the ellipse about (cx, cy) at the angle a from 3 o'clock, counter-clockwise on
// the screen (y grows downward).
struct TArc {
    double cx, cy, rx, ry;

    TPointF At(double a) const { return {cx + rx * std::cos(a), cy - ry * std::sin(a)}; }
    TPointF Tangent(double a) const { return {-rx * std::sin(a), -ry * std::cos(a)}; }
    double Reach() const { return std::max(rx, ry); }
};

// The arc from a0 to a1 (either way round), from the path's current point At(a0), as cubic
// curves of at most pi / 8 each: the radial error is below 1e-7 of the radius.
void AppendArc(TPath& path, const TArc& arc, double a0, double a1);

// The runs of consecutive pieces of the whole turn that show in the area (the pieces that
// can reach it, at most kPieceLength long, joined), as angle intervals.
std::vector<std::pair<double, double>> ShownRuns(const TArc& arc, const TArea& area);

// The inside of the ellipse. One near the picture is its whole curve; a larger one is the
// pieces that show as short chords (1/1000 of a pixel off the curve at most), the rest as
// one chord each, which stays outside the picture with the piece it stands for, and that
// polygon cut to the picture.
TPath Inside(const TArc& arc, const TArea& area);

} // namespace tk::shapes
