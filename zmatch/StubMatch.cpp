#include "StubMatch.h"

#include <CircleIntersect.h>
#include <Conversions.h>
#include <Exceptions.h>
#include <Frame.h>
#include <Grid.h>
#include <LoadPoint.h>
#include <ReadNumber.h>
#include <Single.h>

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

using chart::Pi;
using chart::TwoPi;
using tk::FloatToStrF;
using tk::TFloatFormat;
using tk::ToSingle;
using tk::Trunc;

namespace {

constexpr double kPerPixel = 1.0 / 300;
constexpr double kPerVertex = 1.0 / 360;

struct TPixel {
    int X = 0, Y = 0;
};

// The direction of a point from the centre, scaled by the load's own distance rho, and its
// angle clockwise on the screen from the 3 o'clock direction.
struct TScreenAngle {
    float C = 0, S = 0, Phi = 0;
};

TScreenAngle ScreenAngle(TPixel p, float rho) {
    TScreenAngle a;
    if (rho != 0) {
        a.C = ToSingle((p.X - 400) / double(rho));
        a.S = ToSingle((p.Y - 350) / double(rho));
    }
    a.Phi = ToSingle(std::acos(double(a.C)));
    if (p.Y < 350) a.Phi = ToSingle(TwoPi - a.Phi);
    return a;
}

// Normalised admittance g + jb read at a pixel of the chart.
struct TAdmittance {
    float G = 0, B = 0;
};

TAdmittance AdmittanceAt(TPixel p) {
    const float u = ToSingle((p.X - 400) * kPerPixel);
    const float v = ToSingle((p.Y - 350) * -kPerPixel);
    const double d = (std::pow(u, 2) + std::pow(v, 2)) - 2.0 * u + 1;
    return {ToSingle(-((std::pow(v, 2) - 1) + std::pow(u, 2)) / d), ToSingle(2.0 * v / d)};
}

// The numbers of the construction, worked out before anything is drawn so that a load the
// construction cannot handle leaves the picture untouched.
struct TMatchPlan {
    TPixel a, m, s;
    TScreenAngle angleA, angleM;
    TAdmittance atA;
    float d = 0;  // sweep from A to M
    float bM = 0; // susceptance at M
    float phiS = 0;
    float k1 = 0, k2 = 0;
    int pixY1 = 0, pixR1 = 0, pixY2 = 0, pixR2 = 0;
};

TPixel Truncated(float x, float y) {
    if (!std::isfinite(x) || !std::isfinite(y)) throw tk::EInvalidOp();
    return {Trunc(x), Trunc(y)};
}

TMatchPlan Plan(const chart::TChartState& s) {
    if (!s.LoadShown()) throw tk::Exception(kNoPointMessage);
    if (s.PointDistPx == 0) throw tk::Exception(kMatchedMessage);
    if (!(s.PointDistPx < 300)) {
        // Said by what the typed load is; a resistive load can land on the rim too (20000
        // ohms on a 50-ohm line: |G| = 0,995, less than a pixel from 1).
        const double r = s.ZNorm.real();
        throw tk::Exception(r < 0 ? kNegativeMessage : r == 0 ? kReactiveMessage : kOnRimMessage);
    }

    TMatchPlan p;
    p.a = {800 - s.PointX, 700 - s.PointY};
    p.angleA = ScreenAngle(p.a, s.PointDistPx);
    p.atA = AdmittanceAt(p.a);

    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    float px1 = nan, py1 = nan, px2 = nan, py2 = nan;
    chart::CircleIntersect(400, 350, s.PointDistPx, 550, 350, 150, &px1, &py1, &px2, &py2);
    p.m = py1 > 350 ? Truncated(px2, py2) : Truncated(px1, py1);
    p.angleM = ScreenAngle(p.m, s.PointDistPx);

    p.d = ToSingle(double(p.angleM.Phi) - p.angleA.Phi);
    if (p.d < 0) p.d = ToSingle(p.d + TwoPi);

    p.bM = AdmittanceAt(p.m).B;
    if (p.bM == 0) throw tk::EZeroDivide();
    const auto circle = [](float k, int& pixY, int& pixR) {
        pixY = 350 + Trunc(k * -300.0);
        pixR = Trunc(k * 300.0);
    };
    p.k1 = ToSingle(1 / double(p.bM));
    circle(p.k1, p.pixY1, p.pixR1);
    p.k2 = ToSingle(-1 / double(p.bM));
    circle(p.k2, p.pixY2, p.pixR2);

    const float bS = ToSingle(-1.0 * p.bM);
    const float cS = ToSingle((1 / double(bS)) * -300 + 350);
    const float rS = ToSingle((1 / std::fabs(double(bS))) * 300);
    float sx = nan, sy = nan, unused1 = nan, unused2 = nan;
    chart::CircleIntersect(400, 350, 300, 700, cS, rS, &sx, &sy, &unused1, &unused2);
    p.s = Truncated(sx, sy);
    p.phiS = ToSingle(std::acos((p.s.X - 400) * kPerPixel));
    if (std::isnan(p.phiS)) throw tk::EInvalidOp();
    return p;
}

void Dot(tk::TCanvas& c, TPixel p) {
    c.Pen.Color = tk::clGreen;
    c.Brush.Style = tk::TBrushStyle::bsSolid;
    c.Brush.Color = tk::clRed;
    c.Ellipse(p.X - 4, p.Y - 4, p.X + 4, p.Y + 4);
    c.Brush.Color = tk::clWhite;
}

void RadialLine(tk::TCanvas& c, const TScreenAngle& a) {
    c.MoveTo(400, 350);
    c.LineTo(400 + Trunc(320.0 * a.C), 350 + Trunc(320.0 * a.S));
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

void MatchWithStub(chart::TChartState& s, const TMatchWindow& w) {
    // The wavelength is read once for each length it scales, as the construction always
    // has; both reads come before anything is drawn, so a bad one changes nothing.
    const double lambda = chart::ReadNumber(w.Edit6, kWavelengthField);
    const double lambdaAgain = chart::ReadNumber(w.Edit6, kWavelengthField);
    const TMatchPlan p = Plan(s);
    tk::TCanvas& c = w.Canvas;

    // A, opposite the load through the centre: the normalised admittance.
    c.Pen.Color = tk::clGreen;
    RadialLine(c, p.angleA);
    Dot(c, p.a);
    w.Label6.Caption = "Y'вх. = " + chart::ComplexText(p.atA.G, p.atA.B, 4, 2);

    // M, where the load's |G| circle crosses g = 1 above the axis.
    s.RCircleRadius = 0.5f;
    s.PixX = 400 + Trunc(0.5 * 300);
    s.PixR = Trunc(0.5 * 300);
    c.Pen.Color = tk::clYellow;
    RadialLine(c, p.angleM);
    c.Pen.Color = tk::clGreen;

    const float radToWaves = s.RadToWaves;
    w.Label4.Caption = "l. раст. от нагр.= " + Length(lambda * p.d * radToWaves);
    w.Label11.Caption = "l. раст. от нагр.= " + Length(double(p.d) * radToWaves);

    // The distance: a tick at A's angle, then clockwise on radius 310 to M's angle.
    c.Pen.Width = 1;
    const double phiA = p.angleA.Phi;
    c.MoveTo(400 + Trunc(320 * std::cos(phiA)), 350 + Trunc(320 * std::sin(phiA)));
    Arc(p.d, p.d, [&](float t) {
        c.LineTo(400 + Trunc(310 * std::cos(phiA + t)), 350 + Trunc(310 * std::sin(phiA + t)));
    });
    Dot(c, p.m);

    // The susceptance circles +bM and -bM; the stub must supply -bM.
    c.Pen.Width = 2;
    c.Pen.Color = tk::clPurple;
    c.Brush.Style = tk::TBrushStyle::bsClear;
    s.XCircleRadius = p.k1;
    s.PixY = p.pixY1;
    s.PixR = p.pixR1;
    c.Ellipse(700 - s.PixR, s.PixY - s.PixR, 700 + s.PixR, s.PixY + s.PixR);
    s.XCircleRadius = p.k2;
    s.PixY = p.pixY2;
    s.PixR = p.pixR2;
    c.Ellipse(700 - s.PixR, s.PixY - s.PixR, 700 + s.PixR, s.PixY + s.PixR);

    c.Pen.Color = tk::clWhite;
    for (int i = 340; i <= 800; ++i)
        c.Ellipse(400 + i, 350 + i, 400 - i, 350 - i);

    Dot(c, p.s);
    c.Pen.Width = 1;
    c.Pen.Color = tk::clFuchsia;

    // The stub: from the short-circuit end (right) or the open end (left) clockwise to S.
    const bool shorted = w.RadioButton1.Checked();
    const double start = shorted ? 0.0 : Pi;
    const double length = (p.phiS + start) * radToWaves;
    w.Label7.Caption = "l1 длн. шл. = " + Length(lambdaAgain * length);
    w.Label12.Caption = "l1 длн. шл. = " + Length(length);
    c.MoveTo(400 + Trunc(315 * std::cos(start)), 350 + Trunc(315 * std::sin(start)));
    Arc(p.phiS + start, p.phiS, [&](float t) {
        c.LineTo(400 + Trunc(315 * std::cos(start + t)), 350 + Trunc(315 * std::sin(start + t)));
    });

    c.Pen.Color = tk::clGreen;
}

} // namespace zmatch
