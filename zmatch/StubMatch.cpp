#include "zmatch/StubMatch.h"

#include "chart/CircleIntersect.h"
#include "chart/Circles.h"
#include "chart/Frame.h"
#include "chart/Grid.h"
#include "chart/LoadPoint.h"
#include "chart/Marks.h"
#include "chart/ReadNumber.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
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
    "Нагрузка чисто реактивная: её точка лежит на краю диаграммы (|Г| = 1), согласовать её "
    "одним шлейфом нельзя.";
const char* const kOnRimMessage =
    "Точка нагрузки легла на край диаграммы: её |Г| отличается от 1 меньше, чем на пиксель "
    "диаграммы (1/300), и построить согласование одним шлейфом по диаграмме нельзя.";
const char* const kNegativeMessage =
    "Активное сопротивление нагрузки отрицательно: её точка лежит за краем диаграммы "
    "(|Г| > 1), согласовать её одним шлейфом нельзя.";

constexpr std::string_view kWavelengthField = "Длин. волн.";

using chart::ChartCenterX;
using chart::ChartCenterY;
using chart::ChartRadius;
using chart::Pi;
using chart::TPixel;
using chart::TwoPi;
using tk::FloatToStrF;
using tk::TFloatFormat;
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

// The direction of a point from the centre, scaled by the load's own distance rho, and its
// angle clockwise on the screen from the 3 o'clock direction.
struct TScreenAngle {
    float C = 0, S = 0, Phi = 0;
};

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

// The numbers of the construction, worked out before anything is drawn so that a load the
// construction cannot handle leaves the picture untouched.
struct TMatchPlan {
    TPixel a, m, s;
    TScreenAngle angleA, angleM;
    chart::TImpedanceAt atA; // the admittance at the load: the impedance read opposite it
    float d = 0;             // sweep from A to M
    float bM = 0;            // susceptance at M
    float phiS = 0;
    float k1 = 0, k2 = 0; // 1/bM and -1/bM: the susceptance circles through M and its mirror
};

TPixel Truncated(float x, float y) {
    if (!std::isfinite(x) || !std::isfinite(y)) throw tk::EInvalidOp();
    return {Trunc(x), Trunc(y)};
}

TMatchPlan Plan(const chart::TChartState& s) {
    if (!s.LoadShown()) throw tk::Exception(kNoPointMessage);
    if (s.PointDistPx == 0) throw tk::Exception(kMatchedMessage);
    if (!(s.PointDistPx < ChartRadius)) {
        // Said by what the typed load is; a resistive load can land on the rim too (20000
        // ohms on a 50-ohm line: |G| = 0,995, less than a pixel from 1).
        const double r = s.ZNorm.real();
        throw tk::Exception(r < 0 ? kNegativeMessage : r == 0 ? kReactiveMessage : kOnRimMessage);
    }

    TMatchPlan p;
    p.a = chart::Opposite({s.PointX, s.PointY});
    p.angleA = ScreenAngle(p.a, s.PointDistPx);
    p.atA = chart::ImpedanceAt(p.a);

    // M: the load's |G| circle crosses the unit-conductance circle above the axis.
    const chart::TRCirclePixels g1 = UnitConductanceCircle();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    float px1 = nan, py1 = nan, px2 = nan, py2 = nan;
    chart::CircleIntersect(ChartCenterX, ChartCenterY, s.PointDistPx, g1.PixX, ChartCenterY,
                           g1.PixR, &px1, &py1, &px2, &py2);
    p.m = py1 > ChartCenterY ? Truncated(px2, py2) : Truncated(px1, py1);
    p.angleM = ScreenAngle(p.m, s.PointDistPx);

    p.d = ToSingle(double(p.angleM.Phi) - p.angleA.Phi);
    if (p.d < 0) p.d = ToSingle(p.d + TwoPi);

    p.bM = chart::ImpedanceAt(p.m).X;
    if (p.bM == 0) throw tk::EZeroDivide();
    p.k1 = ToSingle(1 / double(p.bM));
    p.k2 = ToSingle(-1 / double(p.bM));
    chart::XCirclePixels(p.k1); // both circles' pixels exist (they raise EInvalidOp if not)
    chart::XCirclePixels(p.k2);

    // S: the circle of the stub's susceptance -bM meets the rim.
    const float bS = ToSingle(-1.0 * p.bM);
    const float cS = ToSingle((1 / double(bS)) * -double(ChartRadius) + ChartCenterY);
    const float rS = ToSingle((1 / std::fabs(double(bS))) * ChartRadius);
    float sx = nan, sy = nan, unused1 = nan, unused2 = nan;
    chart::CircleIntersect(ChartCenterX, ChartCenterY, ChartRadius, chart::OpenCircuitX, cS, rS,
                           &sx, &sy, &unused1, &unused2);
    p.s = Truncated(sx, sy);
    p.phiS = ToSingle(std::acos((p.s.X - ChartCenterX) * kPerPixel));
    if (std::isnan(p.phiS)) throw tk::EInvalidOp();
    return p;
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
    return FloatToStrF(v, TFloatFormat::ffFixed, 6, 3);
}

} // namespace

chart::TRCirclePixels UnitConductanceCircle() {
    return chart::RCirclePixels(0.5f, 0.5f);
}

void MatchWithStub(chart::TChartState& s, const TMatchWindow& w) {
    // The wavelength is read once for each length it scales, as the construction always
    // has; both reads come before anything is drawn, so a bad one changes nothing.
    const double lambda = chart::ReadNumber(w.Edit6, kWavelengthField);
    const double lambdaAgain = chart::ReadNumber(w.Edit6, kWavelengthField);
    const TMatchPlan p = Plan(s);
    tk::TCanvas& c = w.Canvas;

    // A, opposite the load through the centre: the normalised admittance.
    c.Pen.Color = tk::clGreen;
    DrawDirection(c, p.angleA);
    chart::DrawMarker(c, p.a, tk::clRed);
    w.Label6.Caption = "Y'вх. = " + chart::ComplexText(p.atA.R, p.atA.X, 4, 2);

    // M on the unit-conductance circle, left in the scratch state (its centre is not).
    const chart::TRCirclePixels g1 = UnitConductanceCircle();
    s.RCircleRadius = 0.5f;
    s.PixX = g1.PixX;
    s.PixR = g1.PixR;
    c.Pen.Color = tk::clYellow;
    DrawDirection(c, p.angleM);
    c.Pen.Color = tk::clGreen;

    const float radToWaves = s.RadToWaves;
    w.Label4.Caption = "l. раст. от нагр.= " + Length(lambda * p.d * radToWaves);
    w.Label11.Caption = "l. раст. от нагр.= " + Length(double(p.d) * radToWaves);

    // The distance: a tick at A's angle on the wavelength ring, then clockwise inside it to
    // M's angle.
    c.Pen.Width = 1;
    const double phiA = p.angleA.Phi;
    const TPixel tick = OnCircle(chart::WaveRingRadius, phiA);
    c.MoveTo(tick.X, tick.Y);
    Arc(p.d, p.d, [&](float t) {
        const TPixel v = OnCircle(kDistanceArcRadius, phiA + t);
        c.LineTo(v.X, v.Y);
    });
    chart::DrawMarker(c, p.m, tk::clRed);

    // The susceptance circles +bM and -bM; the stub must supply -bM.
    c.Pen.Width = 2;
    c.Pen.Color = tk::clPurple;
    c.Brush.Style = tk::TBrushStyle::bsClear;
    chart::SetXCircle(s, p.k1);
    chart::DrawXCircle(s, c);
    chart::SetXCircle(s, p.k2);
    chart::DrawXCircle(s, c);

    chart::WipeBeyond(c, kBeyondTheArcs);

    chart::DrawMarker(c, p.s, tk::clRed);
    c.Pen.Width = 1;
    c.Pen.Color = tk::clFuchsia;

    // The stub: from the short-circuit end (right) or the open end (left) clockwise to S.
    const bool shorted = w.RadioButton1.Checked();
    const double start = shorted ? 0.0 : Pi;
    const double length = (p.phiS + start) * radToWaves;
    w.Label7.Caption = "l1 длн. шл. = " + Length(lambdaAgain * length);
    w.Label12.Caption = "l1 длн. шл. = " + Length(length);
    const TPixel end = OnCircle(kStubArcRadius, start);
    c.MoveTo(end.X, end.Y);
    Arc(p.phiS + start, p.phiS, [&](float t) {
        const TPixel v = OnCircle(kStubArcRadius, start + t);
        c.LineTo(v.X, v.Y);
    });

    c.Pen.Color = tk::clGreen;
}

} // namespace zmatch
