// The values the drawing routines hand to each other. One set per program, all zero at
// start and never reset; the routines take it by reference so tests can hold their own.
// Widths are part of the behaviour: results are read off in single precision.
#pragma once

#include <complex>
#include <cstdint>

namespace chart {

struct TChartState {
    // Scratch of the circle in hand; every reader assigns them before reading.
    float XCircleRadius = 0; // 1/x of a reactance circle (signed)
    float RCircleCenter = 0; // r/(1 + r) of a resistance circle
    float RCircleRadius = 0; // 1/(1 + r)
    std::int32_t PixX = 0, PixY = 0, PixR = 0;

    float RadToWaves = 0; // 1/(4 pi): wavelengths per radian of G's angle

    // The plotted load.
    std::int32_t PointX = 0, PointY = 0;
    float PointDistPx = 0; // its distance from the centre, in pixels
    float LoadWavePos = 0; // its place on the wavelengths-toward-generator scale
    float NewWavePos = 0;  // zline: the place after moving along the line

    std::complex<double> ZNorm; // normalised load r + jx
    std::complex<double> ZLine; // line impedance as typed

    // A shown load always has a line impedance (a zero one is refused) and the state starts
    // at zero, so a zero ZLine means no load has been shown yet.
    bool LoadShown() const { return ZLine != std::complex<double>(); }

    bool operator==(const TChartState&) const = default;
};

} // namespace chart
