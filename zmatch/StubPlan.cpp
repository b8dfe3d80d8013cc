// The single stub planned on the chart's pixels: A opposite the load, M where the load's |Г|
// circle meets g = 1 above the axis, the sweep between them, the ±bM circles and S on the
// rim (StubMatch.h tells the construction), and what it leaves in the shared state.
#include "zmatch/StubMatch.h"

#include "chart/CircleIntersect.h"
#include "chart/Circles.h"
#include "chart/Frame.h"
#include "chart/LoadPoint.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Single.h"

#include <cmath>
#include <limits>

namespace zmatch {

using chart::ChartCenterX;
using chart::ChartCenterY;
using chart::ChartRadius;
using chart::TPixel;
using chart::TwoPi;
using tk::ToSingle;
using tk::Trunc;

namespace {

constexpr double kPerPixel = 1.0 / ChartRadius;

TScreenAngle ScreenAngle(TPixel p, float rho) {
    TScreenAngle a;
    if (rho != 0) {
        a.C = ToSingle((p.X - ChartCenterX) / double(rho));
        a.S = ToSingle((p.Y - ChartCenterY) / double(rho));
    }
    a.Phi = ToSingle(std::acos(double(a.C)));
    if (p.Y < ChartCenterY) a.Phi = ToSingle(TwoPi - a.Phi);
    return a;
}

TPixel Truncated(float x, float y) {
    if (!std::isfinite(x) || !std::isfinite(y)) throw tk::EInvalidOp(kConstructionMessage);
    return {Trunc(x), Trunc(y)};
}

} // namespace

chart::TRCirclePixels UnitConductanceCircle() {
    return chart::RCirclePixels(0.5f, 0.5f);
}

TStubConstruction PlanStubConstruction(const chart::TChartState& s, const chart::TTypedLoad& load,
                                       double lambda, theory::TStubKind kind) {
    if (!s.LoadShown()) throw tk::Exception(kNoPointMessage);
    if (s.PointDistPx == 0) throw tk::Exception(kMatchedMessage);
    if (!ResolvedFromRim(s.PointDistPx, load)) {
        if (s.ZNorm.real() == 0) throw tk::Exception(kReactiveMessage);
        throw tk::Exception(OnRimMessage(load, kind));
    }

    TStubConstruction p;
    p.Load = load;
    p.Lambda = lambda;
    p.Kind = kind;
    p.RadToWaves = s.RadToWaves;
    p.A = chart::Opposite({s.PointX, s.PointY});
    p.AngleA = ScreenAngle(p.A, s.PointDistPx);
    p.AtA = chart::ImpedanceAt(p.A);

    // M: the load's |G| circle crosses the unit-conductance circle above the axis.
    const chart::TRCirclePixels g1 = UnitConductanceCircle();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    float px1 = nan, py1 = nan, px2 = nan, py2 = nan;
    chart::CircleIntersect(ChartCenterX, ChartCenterY, s.PointDistPx, g1.PixX, ChartCenterY,
                           g1.PixR, &px1, &py1, &px2, &py2);
    p.M = py1 > ChartCenterY ? Truncated(px2, py2) : Truncated(px1, py1);
    p.AngleM = ScreenAngle(p.M, s.PointDistPx);

    p.Sweep = ToSingle(double(p.AngleM.Phi) - p.AngleA.Phi);
    if (p.Sweep < 0) p.Sweep = ToSingle(p.Sweep + TwoPi);

    p.BM = chart::ImpedanceAt(p.M).X;
    if (p.BM == 0) throw tk::EZeroDivide(kConstructionMessage);
    // Both circles' pixels must exist: they raise EInvalidOp if not.
    p.Plus = chart::XCirclePixels(ToSingle(1 / double(p.BM)));
    p.Minus = chart::XCirclePixels(ToSingle(-1 / double(p.BM)));

    // S: the circle of the stub's susceptance -bM meets the rim.
    const float bS = ToSingle(-1.0 * p.BM);
    const float cS = ToSingle((1 / double(bS)) * -double(ChartRadius) + ChartCenterY);
    const float rS = ToSingle((1 / std::fabs(double(bS))) * ChartRadius);
    float sx = nan, sy = nan, unused1 = nan, unused2 = nan;
    chart::CircleIntersect(ChartCenterX, ChartCenterY, ChartRadius, chart::OpenCircuitX, cS, rS,
                           &sx, &sy, &unused1, &unused2);
    p.S = Truncated(sx, sy);
    p.PhiS = ToSingle(std::acos((p.S.X - ChartCenterX) * kPerPixel));
    if (std::isnan(p.PhiS)) throw tk::EInvalidOp(kConstructionMessage);
    return p;
}

void LeaveStubConstruction(chart::TChartState& s, const TStubConstruction& p) {
    const chart::TRCirclePixels g1 = UnitConductanceCircle();
    s.RCircleRadius = 0.5f; // its centre is not stored
    s.PixX = g1.PixX;
    s.XCircleRadius = ToSingle(-1 / double(p.BM));
    s.PixY = p.Minus.PixY;
    s.PixR = p.Minus.PixR;
}

} // namespace zmatch
