#include "toolkit/RasterDash.h"

#include <cmath>
#include <numbers>

namespace tk::raster {

bool OnEllipseDash(double up, double right, double scale) {
    double angle = std::atan2(up, right);
    if (angle < 0) angle += 2 * std::numbers::pi;
    return std::fmod(angle * scale, static_cast<double>(kDashPeriod)) < kDashOn;
}

} // namespace tk::raster
