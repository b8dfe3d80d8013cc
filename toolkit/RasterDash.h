// Dashes of a thin pen: 18 pixels drawn, 6 skipped. Lines and rectangle outlines count
// their pixels one by one (DashCounter); an ellipse places each pixel along its outline by
// its angle from 3 o'clock times the mean radius (DashPlaces), which the maths library's
// atan2 and fmod define (ExactDashAt) and a polynomial arctangent settles almost everywhere
// at a fraction of the cost.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>

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
// start at 3 o'clock. Every dashed ellipse's pixels are this function's answers.
bool ExactDashAt(double up, double right, double scale);

// atan2 from a polynomial for the arctangent on [0, 1] (the form of Abramowitz and Stegun
// 4.4.49), taken to the other octants by symmetry; against the library it never differed by
// 4e-8 on 2e8 directions of every octant and magnitude.
inline double RoughAtan2(double y, double x) {
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    const bool steep = ay > ax;
    const double z = steep ? ax / ay : ay / ax; // 0/0 gives NaN, which fails every test below
    // Estrin's scheme rather than Horner's: the same terms in half the chain of dependent
    // operations, which is what the dashes wait for.
    const double t = z * z;
    const double t2 = t * t;
    const double t4 = t2 * t2;
    double a =
        z * ((0.9999993329 - 0.3332985605 * t) + t2 * (0.1994653599 - 0.1390853351 * t) +
             t4 * ((0.0964200441 - 0.0559098861 * t) + t2 * (0.0218612288 - 0.0040540580 * t)));
    if (steep) a = std::numbers::pi / 2 - a;
    if (x < 0) a = std::numbers::pi - a;
    return std::signbit(y) ? -a : a;
}

// The rough angle is trusted only this far (radians) from 3 o'clock, where the angle wraps:
// fifty times its worst error.
constexpr double kAngleSlack = 2e-6;

// ExactDashAt's answer at a fraction of its cost: the rough angle settles it wherever the
// place lies clearly inside a dash or a gap, and ExactDashAt decides within a hair of a
// dash's ends or of 3 o'clock. The hair is the rough angle's slack times the radius, plus
// the rounding of places below 2 pi times the mean radius.
class DashPlaces {
  public:
    explicit DashPlaces(double scale)
        : scale_(scale), slack_(kAngleSlack * scale + 1e-11 * scale + 1e-12) {}

    double Scale() const { return scale_; }

    // 1 on a dash, 0 in a gap, -1 when the place is too close to a dash's end to call.
    // Places stay below 2^36 (2 pi times a mean radius under 2^32).
    int Settle(double place) const {
        const double phase =
            place - kDashPeriod *
                        static_cast<double>(static_cast<std::int64_t>(place * (1.0 / kDashPeriod)));
        if (phase > slack_ && phase < kDashPeriod - slack_ && std::fabs(phase - kDashOn) > slack_)
            return phase < kDashOn;
        return -1;
    }

    // ExactDashAt(up, right, Scale()) for a point whose place is `place` by the rough angle.
    bool AtPlace(double place, double up, double right) const {
        const int on = Settle(place);
        return on >= 0 ? on > 0 : ExactDashAt(up, right, scale_);
    }

    // ExactDashAt(up, right, Scale()).
    bool At(double up, double right) const {
        double angle = RoughAtan2(up, right);
        if (angle < 0) angle += 2 * std::numbers::pi;
        if (angle > kAngleSlack && angle < 2 * std::numbers::pi - kAngleSlack)
            return AtPlace(angle * scale_, up, right);
        return ExactDashAt(up, right, scale_);
    }

  private:
    double scale_;
    double slack_;
};

} // namespace tk::raster
