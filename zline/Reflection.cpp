#include "zline/Reflection.h"

#include "chart/Marks.h"
#include "theory/LineTheory.h"
#include "toolkit/Conversions.h"
#include "toolkit/Single.h"

#include <cmath>

namespace zline {

namespace {

std::string Figure(double v) {
    return tk::FloatToStrF(v, 5, 4);
}

} // namespace

TReflectionFigures ReflectionFigures(const chart::TLoadPoint& load) {
    TReflectionFigures f;
    f.Gamma = tk::ToSingle(std::fabs(load.DistPx * (1.0 / chart::ChartRadius)));
    f.OnRim = f.Gamma == 1;
    if (f.OnRim) return f;
    f.Vswr = tk::ToSingle(theory::StandingWaveRatio(f.Gamma));
    f.Twr = tk::ToSingle(1.0 / f.Vswr);
    return f;
}

std::string GammaCaption(const TReflectionFigures& f) {
    return "|Г| = " + Figure(f.Gamma);
}

std::string VswrCaption(const TReflectionFigures& f) {
    return f.OnRim ? "КСВ = ∞" : "КСВ = " + Figure(f.Vswr);
}

std::string TwrCaption(const TReflectionFigures& f) {
    return "КБВ = " + Figure(f.Twr);
}

TMirrorPoints MirrorPoints(chart::TPixel load) {
    return {load, chart::Opposite(load), chart::MirroredInRealAxis(load),
            chart::MirroredInImaginaryAxis(load)};
}

void DrawMirrorPoints(tk::TCanvas& c, const TMirrorPoints& m) {
    c.Pen.Width = 1;
    c.Brush.Style = tk::TBrushStyle::bsClear;
    c.Pen.Style = tk::TPenStyle::psDash;
    c.Rectangle(m.Load.X, m.Load.Y, m.Opposite.X, m.Opposite.Y);
    c.Pen.Style = tk::TPenStyle::psSolid;
    chart::DrawMarker(c, m.InRealAxis, tk::clLime);
    chart::DrawMarker(c, m.InImaginaryAxis, tk::clLime);
    chart::DrawMarker(c, m.Opposite, tk::clLime);
}

} // namespace zline
