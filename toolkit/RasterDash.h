// Dashes of a thin pen: 18 pixels drawn, 6 skipped. Lines and rectangle outlines count their
// pixels one by one (DashCounter); an ellipse places each pixel along its outline by its
// angle from 3 o'clock times the mean radius (OnEllipseDash).
#pragma once

#include <cstdint>

namespace tk::raster {

constexpr std::int64_t kDashOn = 18;
constexpr std::int64_t kDashPeriod = 24;

// Pixels numbered index, index + 1, ... along a line or an outline (index >= 0).
class DashCounter {
  public:
    explicit DashCounter(std::int64_t index) : phase_(index % kDashPeriod) {}

    bool On() const { return phase_ < kDashOn; }
    void Next() {
        if (++phase_ == kDashPeriod) phase_ = 0;
    }

  private:
    std::int64_t phase_;
};

// Whether a dashed outline of mean radius `scale` paints the point in parametric direction
// (right, up): its place along the outline is its angle counter-clockwise on the screen from
// 3 o'clock times the mean radius (exactly angle times radius for a circle), and the dashes
// start at 3 o'clock. On a circle of radius 300 the point straight above the centre lies at
// 300 pi / 2 = 471.24, 15.24 into its period: drawn.
bool OnEllipseDash(double up, double right, double scale);

} // namespace tk::raster
