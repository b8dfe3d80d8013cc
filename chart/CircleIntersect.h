#pragma once

namespace chart {

// The crossings of two circles; each step is stored in single precision. Point 1 lies on
// the side reached by turning the direction centre 1 -> centre 2 by +90 degrees in the
// coordinates given. Returns 0 and leaves the outputs untouched when the circles do not
// meet (or are concentric); tangent circles give two equal points.
int CircleIntersect(float x1, float y1, float r1, float x2, float y2, float r2, float* px1,
                    float* py1, float* px2, float* py2);

} // namespace chart
