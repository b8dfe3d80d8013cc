#include "toolkit/Hypot.h"

#include <cmath>
#include <limits>

namespace tk {

namespace {

// ax >= ay > 0, neither huge nor tiny: the rounded root, less the error its square makes
// against ax² + ay², computed so that the correction itself loses nothing that matters.
double Corrected(double ax, double ay) {
    double h = std::sqrt(ax * ax + ay * ay);
    double t1 = 0;
    double t2 = 0;
    if (h <= 2.0 * ay) {
        const double delta = h - ay;
        t1 = ax * (2.0 * delta - ax);
        t2 = (delta - 2.0 * (ax - ay)) * delta;
    } else {
        const double delta = h - ax;
        t1 = 2.0 * delta * (ax - 2.0 * ay);
        t2 = (4.0 * delta - ay) * ay + delta * delta;
    }
    h -= (t1 + t2) / (2.0 * h);
    return h;
}

} // namespace

double Hypot(double x, double y) {
    // An infinite side makes an infinite length, even beside a NaN.
    if (std::isinf(x) || std::isinf(y)) return std::numeric_limits<double>::infinity();
    if (std::isnan(x) || std::isnan(y)) return x + y;
    x = std::fabs(x);
    y = std::fabs(y);
    const double ax = x < y ? y : x;
    const double ay = x < y ? x : y;
    // Scaled by a power of two (exact) when a square would overflow or underflow; a side
    // below half an ulp of the other changes nothing.
    constexpr double kScale = 0x1p-600;
    constexpr double kEps = 0x1p-54;
    if (ax > 0x1p+511) {
        if (ay <= ax * kEps) return ax + ay;
        return Corrected(ax * kScale, ay * kScale) / kScale;
    }
    if (ay < 0x1p-511) {
        if (ax >= ay / kEps) return ax + ay;
        return Corrected(ax / kScale, ay / kScale) * kScale;
    }
    if (ay <= ax * kEps) return ax + ay;
    return Corrected(ax, ay);
}

} // namespace tk
