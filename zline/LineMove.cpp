#include "LineMove.h"

#include <Conversions.h>
#include <Exceptions.h>
#include <Frame.h>
#include <LoadPoint.h>
#include <ReadNumber.h>
#include <Single.h>

#include <cmath>
#include <string>

namespace zline {

const char* const kZeroWavelengthMessage = "Длина волны не должна быть равна нулю.";
const char* const kBadRatioMessage =
    "Отношение расстояния к длине волны l/λ слишком велико по модулю: место новой точки "
    "на диаграмме уже нельзя определить. Уменьшите расстояние l или увеличьте длину волны.";
const char* const kFarPointMessage =
    "Новая точка лежит слишком далеко от центра диаграммы, её нельзя построить: уменьшите "
    "затухание или расстояние.";

using tk::FloatToStrF;
using tk::TFloatFormat;
using tk::ToSingle;
using tk::Trunc;

namespace {

// Pixel values stay far inside the 32-bit range, so the boxes built from them cannot
// overflow either.
constexpr double kPixelLimit = 1e9;

// Up to this many wavelengths a float holds the position to a few ten-thousandths, and the
// position is stored as a float before its half wavelengths are taken off.
constexpr double kFloatTurns = 1e4;
// Beyond this a double no longer holds the fraction to a pixel of the chart (2^40: its
// step is 0.00012 wavelengths, half a pixel on the rim).
constexpr double kDoubleTurns = 0x1p40;
// A position left as it is must still make a float angle (12.6 radians a wavelength).
constexpr double kUnreducedTurns = 1e37;

int Pixel(double v) {
    if (!(std::fabs(v) < kPixelLimit)) throw tk::Exception(kFarPointMessage);
    return Trunc(v);
}

double ReadL(const TMoveWindow& w) {
    return chart::ReadNumber(w.Edit5, "Расстояние l");
}
double ReadLambda(const TMoveWindow& w) {
    return chart::ReadNumber(w.Edit6, "Длина волны");
}

double Ratio(double l, double lambda) {
    if (lambda == 0) throw tk::Exception(kZeroWavelengthMessage);
    const double ratio = l / lambda;
    if (!std::isfinite(ratio)) throw tk::Exception(kBadRatioMessage);
    return ratio;
}

// The position after the move, in wavelengths. Whole half wavelengths are taken off only
// on the side the direction moves toward, so a move the other way keeps its sign.
// Up to kFloatTurns the sum is stored as a float and reduced from there, as the chart always
// has; beyond, a float has lost the fraction (l = 1000000,3 wavelengths read 0,0000), so
// the sum is reduced in double.
float NewPosition(float loadPos, bool towardGenerator, double ratio) {
    const double sum = towardGenerator ? ratio + loadPos : loadPos - ratio;
    const auto reduces = [&](double d) { return towardGenerator ? d >= 0.5 : d <= 0.5; };
    if (std::fabs(sum) < kFloatTurns) {
        const float d = ToSingle(sum);
        return reduces(d) ? ToSingle(d - 0.5 * Trunc(2.0 * d)) : d;
    }
    if (reduces(sum)) {
        if (!(std::fabs(sum) < kDoubleTurns)) throw tk::Exception(kBadRatioMessage);
        return ToSingle(sum - 0.5 * std::trunc(2.0 * sum));
    }
    if (!(std::fabs(sum) < kUnreducedTurns)) throw tk::Exception(kBadRatioMessage);
    return ToSingle(sum);
}

} // namespace

double LossOfRadius(double radius) {
    return 26.82 - 4.5786 * std::log(radius);
}
double RadiusOfLoss(double loss) {
    return std::exp(5.8576857 - 0.2184073 * loss);
}

void MoveAlongLine(chart::TChartState& s, const TMoveWindow& w) {
    // Every field is read before anything is checked, drawn or stored. l and λ are read
    // twice, once for the turn and once for the loss, as the construction always has.
    const double l = ReadL(w), lambda = ReadLambda(w);
    const double attenuation = chart::ReadNumber(w.Edit7, "Затухание");
    const double lAgain = ReadL(w), lambdaAgain = ReadLambda(w);

    if (!s.LoadShown()) throw tk::Exception(chart::kNoPointMessage);
    const double ratio = Ratio(l, lambda);
    const double ratioAgain = Ratio(lAgain, lambdaAgain);
    const bool towardGenerator = w.RadioButton1.Checked();
    const float d = NewPosition(s.LoadWavePos, towardGenerator, ratio);

    // The radius through the loss value: inward by the line's loss toward the generator,
    // outward toward the load. A load at the centre stays there (its loss value is infinite).
    float rho = 0;
    if (s.PointDistPx != 0) {
        const float loss = ToSingle(LossOfRadius(s.PointDistPx));
        const double moved =
            towardGenerator ? loss + ratioAgain * attenuation : loss - ratioAgain * attenuation;
        const double radius = RadiusOfLoss(moved);
        if (!(radius < 1e30)) throw tk::Exception(kFarPointMessage);
        rho = ToSingle(radius);
    }
    // The attenuation is compared as the text "0", not as a number: only that very text
    // keeps the load's radius exactly and draws no circle ("0,0" draws one, a hair away).
    const bool unchanged = w.Edit7.Text == "0";
    if (unchanged) rho = s.PointDistPx;

    const float theta = ToSingle(d / double(s.RadToWaves));
    const float cx = ToSingle(std::cos(theta - chart::Pi));
    const float sy = ToSingle(std::sin(theta - chart::Pi));
    const int rayX = Trunc(400 + 320.0 * cx), rayY = Trunc(350 + 320.0 * sy);
    const int x1 = Pixel(400 - double(rho)), y1 = Pixel(350 - double(rho));
    const int x2 = Pixel(400 + double(rho)), y2 = Pixel(350 + double(rho));
    const int px = Pixel(400 + double(rho) * cx), py = Pixel(350 + double(rho) * sy);

    tk::TCanvas& c = w.Canvas;
    c.Pen.Color = tk::clGreen;
    s.NewWavePos = d;
    w.Label7.Caption = "раст./длин.волн. = " + FloatToStrF(d, TFloatFormat::ffFixed, 5, 4);
    c.MoveTo(400, 350);
    c.LineTo(rayX, rayY);
    c.TextOut(rayX - 10, rayY - 10, FloatToStrF(d, TFloatFormat::ffFixed, 4, 3));

    if (!unchanged) {
        c.Brush.Style = tk::TBrushStyle::bsClear;
        c.Pen.Style = tk::TPenStyle::psDash;
        c.Pen.Width = 1;
        c.Ellipse(x1, y1, x2, y2);
        c.Pen.Style = tk::TPenStyle::psSolid;
        c.Pen.Width = 2;
    }

    c.Pen.Color = tk::clGreen;
    c.Brush.Style = tk::TBrushStyle::bsSolid;
    c.Brush.Color = tk::clLime;
    c.Ellipse(px - 4, py - 4, px + 4, py + 4);
    c.Brush.Color = tk::clWhite;

    // Read the impedance back off the pixel; G = 1 (the open circuit) has none.
    const float u = ToSingle((px - 400) / 300.0);
    const float v = ToSingle(-(py - 350) / 300.0);
    const double D = std::pow(u, 2) + std::pow(v, 2) - 2.0 * u + 1;
    if (D == 0) {
        w.Label6.Caption = "R+jX= ∞";
        w.Label12.Caption = "R+ jX =∞";
        return;
    }
    const float r = ToSingle((1 - std::pow(u, 2) - std::pow(v, 2)) / D);
    const float x = ToSingle(2.0 * v / D);
    w.Label6.Caption = "R+jX= " + chart::ComplexText(r, x, 4, 2);
    const double re = s.ZLine.real(), im = s.ZLine.imag();
    w.Label12.Caption = "R+ jX =" + chart::ComplexText(re * r - im * x, re * x + im * r, 4, 2);
}

} // namespace zline
