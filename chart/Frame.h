// The pixel frame of the chart, named once. The reflection coefficient G = u + jv stands at
// pixel (400 + 300u, 350 - 300v): y grows downward, so inductive loads lie above the axis.
//
// Pixels are made from real values by truncation toward zero, in one of two orders that the
// constructions keep apart on purpose: the offset from the centre truncated first and the
// centre added after (300u = -12,5 gives 388), or the centre added first and the sum
// truncated (387). Each construction uses the order it was drawn with; the pictures depend
// on it.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <cmath>

namespace chart {

constexpr int ChartCenterX = 400;
constexpr int ChartCenterY = 350;
constexpr int ChartRadius = 300;    // the rim, |G| = 1
constexpr int WaveRingRadius = 320; // the wavelength labels; rays from the centre end there
constexpr int OpenCircuitX = ChartCenterX + ChartRadius;  // G = 1: every r and x circle meets
constexpr int ShortCircuitX = ChartCenterX - ChartRadius; // G = -1: 0 on the wavelength scale
constexpr int PictureReach = 800; // no pixel of the picture lies farther from the centre

// The 64-bit constants the construction is written with.
constexpr double Pi = 3.141592653589793;
constexpr double TwoPi = 6.283185307179586;
constexpr double QuarterPi = 0.7853981633974483;
constexpr double SevenQuarterPi = 5.497787143782138;

// 1/(4 pi) as a float: the wavelengths one radian of G's angle stands for.
inline float WavesPerRadian() {
    return float(1 / (4 * Pi));
}

// A pixel of the picture: the canvas's own point.
using TPixel = tk::TPoint;

// The point opposite p through the centre, and p's mirror images in the two diameters.
inline TPixel Opposite(TPixel p) {
    return {2 * ChartCenterX - p.X, 2 * ChartCenterY - p.Y};
}
inline TPixel MirroredInRealAxis(TPixel p) {
    return {p.X, 2 * ChartCenterY - p.Y};
}
inline TPixel MirroredInImaginaryAxis(TPixel p) {
    return {2 * ChartCenterX - p.X, p.Y};
}

// The offset (dx, dy) from the centre truncated, then the centre added.
inline TPixel TruncatedOffset(double dx, double dy) {
    return {ChartCenterX + tk::Trunc(dx), ChartCenterY + tk::Trunc(dy)};
}

// The centre added to the offset (dx, dy), then the sum truncated.
inline TPixel TruncatedSum(double dx, double dy) {
    return {tk::Trunc(ChartCenterX + dx), tk::Trunc(ChartCenterY + dy)};
}

// A length of the G plane in pixels (300 to the unit).
inline double PixelsOf(double g) {
    return double(ChartRadius) * g;
}

// The pixel of G = u + jv: the offsets 300u and -300v truncated, then the centre added.
inline TPixel PixelOfGamma(double u, double v) {
    return TruncatedOffset(PixelsOf(u), -PixelsOf(v));
}

// The end of a ray from the centre in the unit direction (c, s) on the wavelength ring.
inline TPixel RingPoint(float c, float s) {
    return TruncatedSum(double(WaveRingRadius) * c, double(WaveRingRadius) * s);
}

// Pixel values of a construction stay far inside the 32-bit range, so that the boxes built
// from them (700 - PixR, PixY + PixR ...) cannot overflow either; beyond, the construction
// stops with `message`.
constexpr double PixelLimit = 1e9;
inline bool WithinPixelLimit(double v) {
    return std::fabs(v) < PixelLimit;
}
inline int LimitedPixel(double v, const char* message) {
    if (!WithinPixelLimit(v)) throw tk::Exception(message);
    return tk::Trunc(v);
}

// The normalised impedance read at a pixel: G = u + jv from the pixel, u and v stored as
// floats, then z = (1 + G)/(1 - G). G = 1 has none: `Defined` is false there.
struct TImpedanceAt {
    bool Defined = false;
    float R = 0, X = 0;
};
TImpedanceAt ImpedanceAt(TPixel p);

} // namespace chart
