// What the plotted load shows beyond its place: |Г| read off its pixel with the wave
// ratios, and the three points that mirror it in the chart's diameters and its centre.
#pragma once

#include "chart/Frame.h"
#include "chart/LoadPoint.h"

#include "toolkit/Canvas.h"

#include <string>

namespace zline {

// |Г| = distance / 300 from the plotted pixel, not from the typed load; КСВ and КБВ from it.
// On the rim КСВ is infinite; beyond it (a negative resistance) both ratios are negative.
struct TReflectionFigures {
    float Gamma = 0, Vswr = 0, Twr = 0;
    bool OnRim = false;
};
TReflectionFigures ReflectionFigures(const chart::TLoadPoint& load);

// "|Г| = 0,4472", "КСВ = 2,6180", "КБВ = 0,3820": Label8, Label9, Label10.
std::string GammaCaption(const TReflectionFigures& f);
std::string VswrCaption(const TReflectionFigures& f);
std::string TwrCaption(const TReflectionFigures& f);

// The load's mirror images: through the centre (1/z), in the real axis (z*) and in the
// imaginary axis (1/z*).
struct TMirrorPoints {
    chart::TPixel Load, Opposite, InRealAxis, InImaginaryAxis;
};
TMirrorPoints MirrorPoints(chart::TPixel load);

// The dashed rectangle through all four and a lime marker on each mirror image, outlined
// at width 1.
void DrawMirrorPoints(tk::TCanvas& canvas, const TMirrorPoints& m);

} // namespace zline
