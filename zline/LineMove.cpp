#include "LineMove.h"

#include <Conversions.h>
#include <Exceptions.h>
#include <Frame.h>
#include <Single.h>

#include <cmath>
#include <string>

namespace zline {

const char* const kBadRatioMessage =
    "Отношение расстояния к длине волны l/λ не определено или слишком велико: длина волны не "
    "должна быть равна нулю.";
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

int Pixel(double v) {
    if (!(std::fabs(v) < kPixelLimit)) throw tk::Exception(kFarPointMessage);
    return Trunc(v);
}

double Ratio(const TMoveWindow& w) {
    const double l = tk::StrToFloat(w.Edit5.Text);
    const double lambda = tk::StrToFloat(w.Edit6.Text);
    const double ratio = l / lambda;
    if (!std::isfinite(ratio) || std::fabs(ratio) > 1e9) throw tk::Exception(kBadRatioMessage);
    return ratio;
}

// Position after the move; whole half wavelengths are taken off only on the side the
// direction moves toward, so a move the other way keeps its sign.
float NewPosition(chart::TChartState& s, bool towardGenerator, double ratio) {
    float d = ToSingle(towardGenerator ? ratio + s.LoadWavePos : s.LoadWavePos - ratio);
    s.NewWavePos = d;
    if (towardGenerator ? d >= 0.5 : d <= 0.5) {
        d = ToSingle(d - 0.5 * Trunc(2.0 * d));
        s.NewWavePos = d;
    }
    return d;
}

std::string Parts(double re, double im) {
    const std::string sign = im < 0 ? "-j" : "+j";
    return FloatToStrF(re, TFloatFormat::ffFixed, 4, 2) + sign +
           FloatToStrF(std::fabs(im), TFloatFormat::ffFixed, 4, 2);
}

} // namespace

double LossOfRadius(double radius) {
    return 26.82 - 4.5786 * std::log(radius);
}
double RadiusOfLoss(double loss) {
    return std::exp(5.8576857 - 0.2184073 * loss);
}

void MoveAlongLine(chart::TChartState& s, const TMoveWindow& w) {
    tk::TCanvas& c = w.Canvas;
    c.Pen.Color = tk::clGreen;

    const bool towardGenerator = w.RadioButton1.Checked();
    const float d = NewPosition(s, towardGenerator, Ratio(w));

    // The radius through the loss value: inward by the line's loss toward the generator,
    // outward toward the load. A load at the centre stays there (its loss value is infinite).
    const double attenuation = tk::StrToFloat(w.Edit7.Text);
    const double ratio = Ratio(w);
    float rho = 0;
    if (s.PointDistPx != 0) {
        const float loss = ToSingle(LossOfRadius(s.PointDistPx));
        const double moved =
            towardGenerator ? loss + ratio * attenuation : loss - ratio * attenuation;
        const double radius = RadiusOfLoss(moved);
        if (!(radius < 1e30)) throw tk::Exception(kFarPointMessage);
        rho = ToSingle(radius);
    }
    const bool unchanged = w.Edit7.Text == "0";
    if (unchanged) rho = s.PointDistPx;

    const float theta = ToSingle(d / double(s.RadToWaves));
    const float cx = ToSingle(std::cos(theta - chart::Pi));
    const float sy = ToSingle(std::sin(theta - chart::Pi));
    const int rayX = Trunc(400 + 320.0 * cx), rayY = Trunc(350 + 320.0 * sy);
    const int x1 = Pixel(400 - double(rho)), y1 = Pixel(350 - double(rho));
    const int x2 = Pixel(400 + double(rho)), y2 = Pixel(350 + double(rho));
    const int px = Pixel(400 + double(rho) * cx), py = Pixel(350 + double(rho) * sy);

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
    w.Label6.Caption = "R+jX= " + Parts(r, x);
    const double re = s.ZLine.real(), im = s.ZLine.imag();
    w.Label12.Caption = "R+ jX =" + Parts(re * r - im * x, re * x + im * r);
}

} // namespace zline
