#include "zmatch/StubMatch.h"

#include "chart/CircleIntersect.h"
#include "chart/Circles.h"
#include "chart/ExactText.h"
#include "chart/Frame.h"
#include "chart/LoadPoint.h"
#include "chart/Marks.h"
#include "theory/LineTheory.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"
#include "toolkit/Single.h"

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace zmatch {

const char* const kMatchedMessage =
    "Точка нагрузки легла в центр диаграммы: с точностью диаграммы (1/300 её радиуса) нагрузка "
    "согласована с линией, шлейф не нужен.";
const char* const kReactiveMessage =
    "Нагрузка чисто реактивная: её точка лежит на краю диаграммы (|Г| = 1), и согласовать её "
    "одним шлейфом нельзя. Задайте нагрузку с активной частью больше нуля.";
const char* const kWavelengthSignMessage =
    "Длина волны должна быть больше нуля. Введите её в тех единицах, в которых нужны "
    "расстояние и длина шлейфа, например «1».";
const char* const kWavelengthRangeMessage =
    "Длина волны вне пределов, в которых расстояние и длину шлейфа в её единицах можно "
    "вычислить и записать: введите длину волны от 10^-300 до 10^300.";

// The construction's circles missed each other at the chart's precision (a crossing off the
// chart, a stub circle of zero susceptance): the load is matchable, the picture is not.
const char* const kConstructionMessage =
    "Построить согласование на диаграмме не удалось: при этой нагрузке окружности построения "
    "не пересекаются в пределах точности диаграммы. Немного измените Zн или Zв.";

constexpr std::string_view kWavelengthField = "Длина волны";
constexpr double kSmallestWavelength = 1e-300, kLargestWavelength = 1e300;

using chart::ChartCenterX;
using chart::ChartCenterY;
using chart::ChartRadius;
using chart::Pi;
using chart::TPixel;
using chart::TwoPi;
using tk::FloatToStrF;
using tk::ToSingle;
using tk::Trunc;

namespace {

constexpr double kPerPixel = 1.0 / ChartRadius;
constexpr double kPerVertex = 1.0 / 360;
// The distance is drawn as an arc inside the wavelength ring, the stub as one between them;
// white rings wipe what the susceptance circles leave beyond both.
constexpr int kDistanceArcRadius = 310;
constexpr int kStubArcRadius = 315;
constexpr int kBeyondTheArcs = 340;

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

// A point at `radius` from the centre at angle `phi` clockwise from 3 o'clock.
TPixel OnCircle(int radius, double phi) {
    return chart::TruncatedOffset(radius * std::cos(phi), radius * std::sin(phi));
}

TPixel Truncated(float x, float y) {
    if (!std::isfinite(x) || !std::isfinite(y)) throw tk::EInvalidOp(kConstructionMessage);
    return {Trunc(x), Trunc(y)};
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

std::string Length(double v) {
    return FloatToStrF(v, 6, 3);
}

} // namespace

bool ResolvedFromRim(float pointDistPx, const chart::TTypedLoad& load) {
    const double gamma = theory::WaveRatios(load.ZNorm()).Gamma;
    return ChartRadius * (1 - gamma) >= 1 && ChartRadius - double(pointDistPx) >= 1;
}

std::string OnRimText(const chart::TTypedLoad& load) {
    return "Точка нагрузки легла на край диаграммы: " +
           chart::ExactRatios(theory::WaveRatios(load.ZNorm())) +
           ". Построить согласование на этой диаграмме можно, только если точка лежит внутри "
           "края хотя бы на пиксель (1/300 радиуса, то есть КСВ не больше 599) и нанесена не "
           "на сам край: здесь её точности не хватает.";
}

std::string OnRimMessage(const chart::TTypedLoad& load, theory::TStubKind kind) {
    const theory::TComplex z = load.ZNorm();
    const std::string text = OnRimText(load);
    const theory::TStubSolutions exact = theory::SolveStubMatch(z, kind);
    if (exact.Case != theory::TMatchCase::Solved) return text;
    const theory::TStubMatch& m = exact.First;
    const int decimals = theory::BuildableDecimals(z, m, kind, 5);
    return text + " Согласовать её шлейфом можно, точно: расстояние от нагрузки " +
           chart::ExactNumber(m.Distance, decimals) + " λ, " +
           (kind == theory::TStubKind::Short ? "короткозамкнутый" : "разомкнутый") + " шлейф " +
           chart::ExactNumber(m.Stub, decimals) + " λ.";
}

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

double ReadWavelength(const tk::TEdit& edit) {
    const double lambda = tk::ReadNumber(edit, kWavelengthField);
    if (!(lambda > 0)) throw tk::Exception(kWavelengthSignMessage);
    // The lengths in its unit are the wavelength times a sweep of up to 2pi times 1/(4pi):
    // past 10^300 the product overflows on its way (1e308 would print INF), below 10^-300
    // it keeps a digit or two of its own (1e-320).
    if (lambda < kSmallestWavelength || lambda > kLargestWavelength)
        throw tk::Exception(kWavelengthRangeMessage);
    return lambda;
}

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

void LeaveStubConstruction(chart::TChartState& s, const TStubConstruction& p) {
    const chart::TRCirclePixels g1 = UnitConductanceCircle();
    s.RCircleRadius = 0.5f; // its centre is not stored
    s.PixX = g1.PixX;
    s.XCircleRadius = ToSingle(-1 / double(p.BM));
    s.PixY = p.Minus.PixY;
    s.PixR = p.Minus.PixR;
}

std::string AdmittanceCaption(const TStubConstruction& m) {
    return "Y'вх. = " + chart::ComplexText(m.AtA.R, m.AtA.X, 4, 2);
}

std::string DistanceCaption(double length) {
    return "l. раст. от нагр.= " + Length(length);
}

std::string StubCaption(double length) {
    return "l1 длн. шл. = " + Length(length);
}

} // namespace zmatch
