// The single stub drawn over the load's construction, a step for each sentence StubSteps
// tells: A and its direction, M with the distance's arc inside the wavelength ring, the ±bM
// circles, and S with the stub's arc along the rim.
#include "zmatch/StubMatch.h"

#include "chart/Circles.h"
#include "chart/Frame.h"
#include "chart/Marks.h"
#include "toolkit/Single.h"

#include <cmath>

namespace zmatch {

using chart::TPixel;
using tk::ToSingle;

namespace {

constexpr double kPerVertex = 1.0 / 360;
// The distance is drawn as an arc inside the wavelength ring, the stub as one between them;
// white rings wipe what the susceptance circles leave beyond both.
constexpr int kDistanceArcRadius = 310;
constexpr int kStubArcRadius = 315;
constexpr int kBeyondTheArcs = 340;

// A point at `radius` from the centre at angle `phi` clockwise from 3 o'clock.
TPixel OnCircle(int radius, double phi) {
    return chart::TruncatedOffset(radius * std::cos(phi), radius * std::sin(phi));
}

void DrawDirection(tk::TCanvas& c, const TScreenAngle& a) {
    chart::DrawRay(c, chart::TruncatedOffset(chart::WaveRingRadius * double(a.C),
                                             chart::WaveRingRadius * double(a.S)));
}

// Vertices at t = 0, step, 2 step ... while t <= sweep, the float t accumulating as it
// goes; a zero step ends after the first vertex.
template <class Vertex> void Arc(double sweep, float step, Vertex vertex) {
    for (float t = 0; t <= sweep; t = ToSingle(t + step * kPerVertex)) {
        vertex(t);
        if (step == 0) break;
    }
}

} // namespace

void DrawStubConstruction(tk::TCanvas& c, const TStubConstruction& p) {
    chart::TStepMarks marks(c);
    DrawStubConstruction(c, p, marks);
}

void DrawStubConstruction(tk::TCanvas& c, const TStubConstruction& p, chart::TStepMarks& marks) {
    marks.Begin();
    // A, opposite the load through the centre: the normalised admittance.
    c.Pen.Color = tk::clGreen;
    DrawDirection(c, p.AngleA);
    chart::DrawMarker(c, p.A, tk::clRed);
    marks.End();

    // M on the unit-conductance circle.
    c.Pen.Color = tk::clYellow;
    DrawDirection(c, p.AngleM);
    c.Pen.Color = tk::clGreen;

    // The distance: a tick at A's angle on the wavelength ring, then clockwise inside it to
    // M's angle.
    c.Pen.Width = 1;
    const double phiA = p.AngleA.Phi;
    const TPixel tick = OnCircle(chart::WaveRingRadius, phiA);
    c.MoveTo(tick.X, tick.Y);
    Arc(p.Sweep, p.Sweep, [&](float t) {
        const TPixel v = OnCircle(kDistanceArcRadius, phiA + t);
        c.LineTo(v.X, v.Y);
    });
    chart::DrawMarker(c, p.M, tk::clRed);
    marks.End();

    // The susceptance circles +bM and -bM; the stub must supply -bM.
    c.Pen.Width = 2;
    c.Pen.Color = tk::clPurple;
    c.Brush.Style = tk::TBrushStyle::bsClear;
    chart::DrawXCircle(c, p.Plus);
    chart::DrawXCircle(c, p.Minus);
    marks.End();

    chart::WipeBeyond(c, kBeyondTheArcs);

    marks.Begin();
    chart::DrawMarker(c, p.S, tk::clRed);
    c.Pen.Width = 1;
    c.Pen.Color = tk::clFuchsia;

    // The stub: from the short-circuit end (right) or the open end (left) clockwise to S.
    const double start = p.StubStart();
    const TPixel end = OnCircle(kStubArcRadius, start);
    c.MoveTo(end.X, end.Y);
    Arc(p.PhiS + start, p.PhiS, [&](float t) {
        const TPixel v = OnCircle(kStubArcRadius, start + t);
        c.LineTo(v.X, v.Y);
    });
    marks.End();

    c.Pen.Color = tk::clGreen;
    marks.Begin(); // what the junction sees
    marks.End();
}

} // namespace zmatch
