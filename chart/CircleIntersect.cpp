#include "chart/CircleIntersect.h"

#include <cmath>

namespace chart {

int CircleIntersect(float x1, float y1, float r1, float x2, float y2, float r2, float* px1,
                    float* py1, float* px2, float* py2) {
    // Each line is one formula: computed in double, stored as float.
    const float dx = float(double(x2) - x1);
    const float dy = float(double(y2) - y1);
    const float d = float(std::hypot(double(dx), double(dy)));
    if (std::fabs(double(r1) - r2) > d || double(r1) + r2 < d || d == 0) return 0;
    const double r1d = r1, r2d = r2, dd = d;
    const float a = float((r1d * r1d - r2d * r2d + dd * dd) / (2 * dd));
    const float mx = float(double(dx) * a / d + x1);
    const float my = float(double(dy) * a / d + y1);
    const float h = float(std::sqrt(r1d * r1d - double(a) * a));
    const float ex = float(-double(dy) * (double(h) / d));
    const float ey = float((double(h) / d) * dx);
    *px1 = float(double(mx) + ex);
    *py1 = float(double(my) + ey);
    *px2 = float(double(mx) - ex);
    *py2 = float(double(my) - ey);
    return 1;
}

} // namespace chart
