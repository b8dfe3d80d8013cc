#include "zline/LineMove.h"

#include "chart/Frame.h"
#include "chart/LoadPoint.h"
#include "chart/Marks.h"
#include "chart/ReadNumber.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Single.h"

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

// Up to this many wavelengths a float holds the position to a few ten-thousandths, and the
// position is stored as a float before its half wavelengths are taken off.
constexpr double kFloatTurns = 1e4;
// Beyond this a double no longer holds the fraction to a pixel of the chart (2^40: its
// step is 0.00012 wavelengths, half a pixel on the rim).
constexpr double kDoubleTurns = 0x1p40;
// A position left as it is must still make a float angle (12.6 radians a wavelength).
constexpr double kUnreducedTurns = 1e37;

int Pixel(double v) {
    return chart::LimitedPixel(v, kFarPointMessage);
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
    const chart::TPixel ray = chart::RingPoint(cx, sy);
    const int x1 = Pixel(chart::ChartCenterX - double(rho));
    const int y1 = Pixel(chart::ChartCenterY - double(rho));
    const int x2 = Pixel(chart::ChartCenterX + double(rho));
    const int y2 = Pixel(chart::ChartCenterY + double(rho));
    const chart::TPixel point = {Pixel(chart::ChartCenterX + double(rho) * cx),
                                 Pixel(chart::ChartCenterY + double(rho) * sy)};

    tk::TCanvas& c = w.Canvas;
    c.Pen.Color = tk::clGreen;
    s.NewWavePos = d;
    w.Label7.Caption = "раст./длин.волн. = " + FloatToStrF(d, TFloatFormat::ffFixed, 5, 4);
    chart::DrawRay(c, ray);
    c.TextOut(ray.X - 10, ray.Y - 10, FloatToStrF(d, TFloatFormat::ffFixed, 4, 3));

    if (!unchanged) {
        c.Brush.Style = tk::TBrushStyle::bsClear;
        c.Pen.Style = tk::TPenStyle::psDash;
        c.Pen.Width = 1;
        c.Ellipse(x1, y1, x2, y2);
        c.Pen.Style = tk::TPenStyle::psSolid;
        c.Pen.Width = 2;
    }

    chart::DrawMarker(c, point, tk::clLime);

    // Read the impedance back off the pixel; G = 1 (the open circuit) has none.
    const chart::TImpedanceAt z = chart::ImpedanceAt(point);
    if (!z.Defined) {
        w.Label6.Caption = "R+jX= ∞";
        w.Label12.Caption = "R+ jX =∞";
        return;
    }
    w.Label6.Caption = "R+jX= " + chart::ComplexText(z.R, z.X, 4, 2);
    const double re = s.ZLine.real(), im = s.ZLine.imag();
    w.Label12.Caption =
        "R+ jX =" + chart::ComplexText(re * z.R - im * z.X, re * z.X + im * z.R, 4, 2);
}

} // namespace zline
