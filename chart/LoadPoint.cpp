#include "LoadPoint.h"

#include "CircleIntersect.h"
#include "Circles.h"
#include "Frame.h"
#include "Grid.h"

#include <Conversions.h>
#include <Exceptions.h>
#include <Single.h>

#include <cmath>
#include <limits>

namespace chart {

const char* const kZeroLineMessage =
    "Волновое сопротивление линии Zв не должно быть равно нулю: задайте Rв или Xв.";
const char* const kMinusOneMessage =
    "Нормированное активное сопротивление нагрузки равно −1: такую нагрузку нельзя "
    "показать на диаграмме.";
const char* const kNearAxisMessage =
    "Нагрузка лежит слишком близко к вещественной оси: окружность её реактивного "
    "сопротивления не помещается в диаграмму. Задайте Xн = 0 или большее по модулю значение.";
const char* const kOffChartMessage =
    "Точка нагрузки лежит слишком далеко за пределами диаграммы, её нельзя построить.";

using tk::TBrushStyle;

namespace {

constexpr float NaNf = std::numeric_limits<float>::quiet_NaN();

// Pixel values of one construction stay far inside the 32-bit range, so that the boxes
// built from them (700 - PixR, PixY + PixR ...) cannot overflow either.
constexpr double kPixelLimit = 1e9;

int Pixel(double v, const char* message) {
    if (!(std::fabs(v) < kPixelLimit)) throw tk::Exception(message);
    return tk::Trunc(v);
}

float Single(double v, const char* message) {
    if (std::isfinite(v) && !(std::fabs(v) < 3e38)) throw tk::Exception(message);
    return tk::ToSingle(v);
}

// Everything the construction needs, worked out before anything is shown or stored.
struct TLoadPlan {
    std::complex<double> zLine, zNorm;
    float rCenter, rRadius;
    int rPixX, rPixR; // R0
    bool hasX;
    float k;
    int xPixY, xPixR;
    int pointX, pointY;
    float dist, ux, uy;
    int rayX, rayY;
    int rho;
    float wavePos;
};

TLoadPlan Plan(float rn, float xn, float rv, float xv, float radToWaves) {
    TLoadPlan p{};
    p.zLine = {rv, xv};
    p.zNorm = NormalizeLoad(rn, xn, rv, xv);
    const double r = p.zNorm.real(), x = p.zNorm.imag();
    if (std::isnan(r) || std::isnan(x)) throw tk::Exception(kZeroLineMessage);
    if (1 + r == 0) throw tk::Exception(kMinusOneMessage);

    p.rCenter = Single(r / (1 + r), kOffChartMessage);
    p.rRadius = Single(1 / (1 + r), kOffChartMessage);
    p.rPixX = Pixel(300.0 * p.rCenter, kOffChartMessage) + ChartCenterX;
    p.rPixR = Pixel(300.0 * p.rRadius, kOffChartMessage);

    p.hasX = x != 0;
    if (p.hasX) {
        p.k = Single(1 / x, kNearAxisMessage);
        p.xPixY = Pixel(-300.0 * p.k, kNearAxisMessage) + ChartCenterY;
        p.xPixR = Pixel(300.0 * p.k, kNearAxisMessage);

        // The crossing other than the common point G = 1 of all the circles.
        float p1x = NaNf, p1y = NaNf, p2x = NaNf, p2y = NaNf;
        CircleIntersect(1, p.k, std::fabs(p.k), p.rCenter, 0, p.rRadius, &p1x, &p1y, &p2x, &p2y);
        const float gx = p.k < 0 ? p1x : p2x;
        const float gy = p.k < 0 ? p1y : p2y;
        p.pointX = Pixel(300.0 * gx, kNearAxisMessage) + ChartCenterX;
        p.pointY = Pixel(-300.0 * gy, kNearAxisMessage) + ChartCenterY;
    } else {
        // On the real axis: the left-hand crossing of the resistance circle.
        p.pointY = ChartCenterY;
        p.pointX = Pixel(700.0 - 2.0 * std::fabs(double(p.rPixR)), kOffChartMessage);
    }

    const double dx = double(p.pointX) - ChartCenterX, dy = double(p.pointY) - ChartCenterY;
    p.dist = tk::ToSingle(std::hypot(dx, dy));
    if (p.dist != 0) {
        p.uy = tk::ToSingle(dy / p.dist);
        p.ux = tk::ToSingle(dx / p.dist);
    }
    p.rayX = tk::Trunc(400 + 320.0 * p.ux);
    p.rayY = tk::Trunc(350 + 320.0 * p.uy);
    p.rho = Pixel(p.dist, kOffChartMessage);

    const float theta = tk::ToSingle(Pi - std::acos(double(p.ux)));
    p.wavePos = p.uy < 0 ? tk::ToSingle(double(radToWaves) * theta)
                         : tk::ToSingle((TwoPi - theta) * radToWaves);
    return p;
}

} // namespace

float ReadSingle(const tk::TEdit& edit) {
    const double v = tk::StrToFloat(edit.Text);
    try {
        return tk::ToSingle(v);
    } catch (const tk::EOverflow&) {
        throw tk::EOverflow("Число \"" + edit.Text + "\" слишком велико по модулю.");
    }
}

std::complex<double> NormalizeLoad(double rn, double xn, double rv, double xv) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    if (std::isnan(rv) || std::isnan(xv)) return {nan, nan};
    double r, x, d;
    if (std::fabs(xv) < std::fabs(rv)) {
        const double w = xv / rv;
        d = rv + w * xv;
        r = (rn + xn * w) / d;
        x = (xn - rn * w) / d;
    } else {
        if (xv == 0) return {nan, nan};
        const double w = rv / xv;
        d = xv + w * rv;
        r = (rn * w + xn) / d;
        x = (xn * w - rn) / d;
    }
    if (d == 0 || std::isnan(d)) return {nan, nan};
    return {r, x};
}

std::string ComplexText(double re, double im, int precision, int digits) {
    using tk::FloatToStrF, tk::TFloatFormat;
    const std::string sign = im < 0 ? "-j" : "+j";
    return FloatToStrF(re, TFloatFormat::ffFixed, precision, digits) + sign +
           FloatToStrF(std::fabs(im), TFloatFormat::ffFixed, precision, digits);
}

void ShowLoadPoint(TChartState& s, const TChartWindow& w) {
    const float rn = ReadSingle(w.Edit1);
    const float xn = ReadSingle(w.Edit2);
    const float rv = ReadSingle(w.Edit3);
    const float xv = ReadSingle(w.Edit4);
    // The grid redraw sets this very value again before anything reads it.
    const float radToWaves = tk::ToSingle(1 / (4 * Pi));
    const TLoadPlan p = Plan(rn, xn, rv, xv, radToWaves);

    s.ZLine = p.zLine;
    s.ZNorm = p.zNorm;
    const double r = p.zNorm.real(), x = p.zNorm.imag();
    w.Label3.Caption = "Zнн=" + ComplexText(r, x, 4, 2);

    tk::TCanvas& c = w.Canvas;
    c.Pen.Color = tk::clBlack;
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Ellipse(100, 50, 700, 650);
    w.RedrawGrid(); // leaves the brush clear: outlines and transparent text from here on

    c.Pen.Color = tk::clRed;
    c.Pen.Width = 1;
    s.RCircleCenter = p.rCenter;
    s.RCircleRadius = p.rRadius;
    s.PixX = p.rPixX;
    s.PixR = p.rPixR;
    DrawRCircle(s, c);
    c.TextOut(s.PixX - s.PixR + 2, ChartCenterY, ResistanceLabel(r));

    // For x = 0 the real axis is the reactance locus: no circle.
    if (p.hasX) {
        s.XCircleRadius = p.k;
        s.PixY = p.xPixY;
        s.PixR = p.xPixR;
        DrawXCircle(s, c);
    }

    c.Pen.Color = tk::clWhite;
    for (int k = 303; k <= 800; ++k)
        DrawCentredCircle(c, k);
    DrawWavelengthLabels(s, c);

    s.PointX = p.pointX;
    s.PointY = p.pointY;

    c.Pen.Color = tk::clBlue;
    c.Pen.Width = 2;
    s.PointDistPx = p.dist;
    c.MoveTo(ChartCenterX, ChartCenterY);
    c.Brush.Style = TBrushStyle::bsClear;
    c.LineTo(p.rayX, p.rayY);
    c.Ellipse(400 - p.rho, 350 - p.rho, 400 + p.rho, 350 + p.rho);

    s.LoadWavePos = p.wavePos;
    c.TextOut(p.rayX - 10, p.rayY - 10,
              tk::FloatToStrF(s.LoadWavePos, tk::TFloatFormat::ffFixed, 4, 3));

    c.Pen.Color = tk::clGreen;
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Brush.Color = tk::clLime;
    c.Ellipse(s.PointX - 4, s.PointY - 4, s.PointX + 4, s.PointY + 4);
    c.Brush.Color = tk::clWhite;
}

} // namespace chart
