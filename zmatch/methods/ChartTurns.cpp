#include "zmatch/methods/ChartTurns.h"

#include "toolkit/Single.h"

#include <cmath>

namespace zmatch::methods {

using tk::ToSingle;

float ScreenAngle(float c, float s) {
    const float phi = ToSingle(std::acos(double(c)));
    return s < 0 ? ToSingle(chart::TwoPi - phi) : phi;
}

float ScreenAngle(chart::TPixel p) {
    const double dx = p.X - chart::ChartCenterX, dy = p.Y - chart::ChartCenterY;
    const double rho = std::hypot(dx, dy);
    if (rho == 0) return 0;
    return ScreenAngle(ToSingle(dx / rho), ToSingle(dy / rho));
}

float Sweep(float from, float to) {
    float d = ToSingle(double(to) - from);
    if (d < 0) d = ToSingle(d + chart::TwoPi);
    return d >= chart::TwoPi ? 0.0f : d;
}

double Waves(float sweep) {
    return double(sweep) * chart::WavesPerRadian();
}

chart::TPixel OnCircle(int radius, double phi) {
    return chart::TruncatedOffset(radius * std::cos(phi), radius * std::sin(phi));
}

void DrawArc(tk::TCanvas& c, int radius, double from, double sweep) {
    const chart::TPixel start = OnCircle(radius, from);
    c.MoveTo(start.X, start.Y);
    constexpr int kSteps = 360;
    for (int i = 0; i <= kSteps; ++i) {
        const chart::TPixel v = OnCircle(radius, from + sweep * i / kSteps);
        c.LineTo(v.X, v.Y);
    }
}

} // namespace zmatch::methods
