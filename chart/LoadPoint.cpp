#include "chart/LoadPoint.h"

#include "chart/CircleIntersect.h"
#include "chart/Circles.h"
#include "chart/Frame.h"
#include "chart/Grid.h"
#include "chart/Marks.h"
#include "chart/ReadNumber.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Single.h"

#include <cmath>
#include <limits>

namespace chart {

const char* const kNoPointMessage = "Сначала покажите точку нагрузки кнопкой «Показать точку».";
const char* const kZeroLineMessage =
    "Волновое сопротивление линии Zв не должно быть равно нулю: задайте Rв или Xв.";
const char* const kMinusOneMessage =
    "Нормированное активное сопротивление нагрузки равно −1: такую нагрузку нельзя "
    "показать на диаграмме.";
const char* const kOffChartMessage =
    "Точка нагрузки лежит слишком далеко за пределами диаграммы, её нельзя построить.";

using tk::TBrushStyle;

namespace {

constexpr float NaNf = std::numeric_limits<float>::quiet_NaN();

// How far the chart's own crossing may lie from the exact place: its truncation and single
// precision put it up to about 1.5 px off.
constexpr double kTrustedPixels = 2;

int Pixel(double v) {
    return LimitedPixel(v, kOffChartMessage);
}

float Single(double v, const char* message) {
    if (std::isfinite(v) && !(std::fabs(v) < 3e38)) throw tk::Exception(message);
    return tk::ToSingle(v);
}

// Everything the construction needs, worked out before anything is shown or stored.
struct TLoadPlan {
    std::complex<double> zLine, zNorm;
    float rCenter, rRadius;
    TRCirclePixels rCircle; // its PixR is R0
    bool xCircle;           // the reactance circle is drawn
    float k;
    TXCirclePixels xPixels;
    TPixel point;
    float dist, ux, uy;
    TPixel ray;
    int rho;
    float wavePos;
};

// The load's place off the real axis. The chart finds it where the reactance circle
// crosses the resistance circle, in single precision. For a small |x| the reactance circle
// is hundreds of chart radii wide and that crossing loses its digits (100 + j0,01 on 50
// ohms landed at |G| 0,67 instead of 0,33); for r < -1 the resistance circle has a
// negative radius and the circles do not cross at all. The exact place
// G = (z - 1)/(z + 1), in double, decides: the chart's own crossing stands wherever it lies
// within 2 px of it (every load the chart can construct: the pictures do not move), the
// exact place, truncated like every pixel, everywhere else.
void PlaceOffAxis(TLoadPlan& p, double r, double x) {
    const std::complex<double> z{r, x};
    const std::complex<double> g = (z - 1.0) / (z + 1.0);
    const double exactX = ChartCenterX + double(ChartRadius) * g.real();
    const double exactY = ChartCenterY - double(ChartRadius) * g.imag();
    if (p.xCircle) {
        float p1x = NaNf, p1y = NaNf, p2x = NaNf, p2y = NaNf;
        CircleIntersect(1, p.k, std::fabs(p.k), p.rCenter, 0, p.rRadius, &p1x, &p1y, &p2x, &p2y);
        // The crossing other than the common point G = 1 of all the circles.
        const double gx = p.k < 0 ? p1x : p2x;
        const double gy = p.k < 0 ? p1y : p2y;
        if (WithinPixelLimit(PixelsOf(gx)) && WithinPixelLimit(PixelsOf(gy))) {
            const TPixel chart = PixelOfGamma(gx, gy);
            if (std::hypot(chart.X - exactX, chart.Y - exactY) <= kTrustedPixels) {
                p.point = chart;
                return;
            }
        }
    }
    if (!WithinPixelLimit(PixelsOf(g.real())) || !WithinPixelLimit(PixelsOf(g.imag())))
        throw tk::Exception(kOffChartMessage);
    p.point = PixelOfGamma(g.real(), g.imag());
}

TLoadPlan Plan(float rn, float xn, float rv, float xv, float radToWaves) {
    TLoadPlan p{};
    p.zLine = {rv, xv};
    p.zNorm = NormalizeLoad(rn, xn, rv, xv);
    const double r = p.zNorm.real(), x = p.zNorm.imag();
    if (std::isnan(r) || std::isnan(x)) throw tk::Exception(kZeroLineMessage);
    if (1 + r == 0) throw tk::Exception(kMinusOneMessage);

    p.rCenter = Single(r / (1 + r), kOffChartMessage);
    p.rRadius = Single(1 / (1 + r), kOffChartMessage);
    if (!WithinPixelLimit(PixelsOf(p.rCenter)) || !WithinPixelLimit(PixelsOf(p.rRadius)))
        throw tk::Exception(kOffChartMessage);
    p.rCircle = RCirclePixels(p.rCenter, p.rRadius);

    // A reactance circle wider than a billion pixels is the real axis at the chart's
    // resolution (x = 0.000001 on the chart is 3e8 px wide): like x = 0, it is not drawn.
    p.xCircle = x != 0 && WithinPixelLimit(ChartRadius / x);
    if (x == 0) {
        // On the real axis: the crossing of the resistance circle with the diameter that is
        // not G = 1. R0 keeps its sign, so r < -1 (R0 < 0) lands right of the rim, where
        // its G = (r - 1)/(r + 1) > 1 lies, not on the circle of a positive resistance.
        p.point = {Pixel(OpenCircuitX - 2.0 * p.rCircle.PixR), ChartCenterY};
    } else {
        if (p.xCircle) {
            p.k = tk::ToSingle(1 / x);
            p.xPixels = XCirclePixels(p.k);
        }
        PlaceOffAxis(p, r, x);
    }

    const double dx = double(p.point.X) - ChartCenterX, dy = double(p.point.Y) - ChartCenterY;
    p.dist = tk::ToSingle(std::hypot(dx, dy));
    if (p.dist != 0) {
        p.uy = tk::ToSingle(dy / p.dist);
        p.ux = tk::ToSingle(dx / p.dist);
    }
    p.ray = RingPoint(p.ux, p.uy);
    p.rho = Pixel(p.dist);

    const float theta = tk::ToSingle(Pi - std::acos(double(p.ux)));
    p.wavePos = p.uy < 0 ? tk::ToSingle(double(radToWaves) * theta)
                         : tk::ToSingle((TwoPi - theta) * radToWaves);
    return p;
}

} // namespace

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
    const float rn = ReadSingle(w.Edit1, field::LoadR);
    const float xn = ReadSingle(w.Edit2, field::LoadX);
    const float rv = ReadSingle(w.Edit3, field::LineR);
    const float xv = ReadSingle(w.Edit4, field::LineX);
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
    c.Ellipse(ShortCircuitX, ChartCenterY - ChartRadius, OpenCircuitX, ChartCenterY + ChartRadius);
    w.RedrawGrid(); // leaves the brush clear: outlines and transparent text from here on

    c.Pen.Color = tk::clRed;
    c.Pen.Width = 1;
    s.RCircleCenter = p.rCenter;
    s.RCircleRadius = p.rRadius;
    s.PixX = p.rCircle.PixX;
    s.PixR = p.rCircle.PixR;
    DrawRCircle(s, c);
    c.TextOut(s.PixX - s.PixR + 2, ChartCenterY, ResistanceLabel(r));

    // For x = 0 the real axis is the reactance locus: no circle.
    if (p.xCircle) {
        s.XCircleRadius = p.k;
        s.PixY = p.xPixels.PixY;
        s.PixR = p.xPixels.PixR;
        DrawXCircle(s, c);
    }

    WipeBeyond(c, BeyondRimRadius);
    DrawWavelengthLabels(s, c);

    s.PointX = p.point.X;
    s.PointY = p.point.Y;

    c.Pen.Color = tk::clBlue;
    c.Pen.Width = 2;
    s.PointDistPx = p.dist;
    c.Brush.Style = TBrushStyle::bsClear;
    DrawRay(c, p.ray);
    c.Ellipse(ChartCenterX - p.rho, ChartCenterY - p.rho, ChartCenterX + p.rho,
              ChartCenterY + p.rho);

    s.LoadWavePos = p.wavePos;
    c.TextOut(p.ray.X - 10, p.ray.Y - 10,
              tk::FloatToStrF(s.LoadWavePos, tk::TFloatFormat::ffFixed, 4, 3));

    DrawMarker(c, p.point, tk::clLime);
}

} // namespace chart
