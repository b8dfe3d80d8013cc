#include "chart/LoadPoint.h"

#include "chart/CircleIntersect.h"
#include "chart/Circles.h"
#include "chart/FieldNames.h"
#include "chart/Frame.h"
#include "chart/Grid.h"
#include "chart/Marks.h"
#include "chart/ReadingText.h"
#include "toolkit/ReadNumber.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Single.h"

#include <cmath>
#include <limits>

namespace chart {

const char* const kNoPointMessage = "Сначала покажите точку нагрузки кнопкой «Показать точку».";
const char* const kLineResistanceMessage =
    "Активная часть волнового сопротивления линии Zв должна быть больше нуля: у любой линии "
    "она положительна (например, 50 Ом), а реактивная часть может быть любой. Исправьте поле "
    "«Zв, активная часть».";
const char* const kNegativeLoadMessage =
    "Активное сопротивление нагрузки отрицательно: у пассивной нагрузки оно не меньше нуля, "
    "а точка такой нагрузки легла бы за краем диаграммы (|Г| > 1), где ни |Г|, ни КСВ, ни "
    "построение ничего верного не скажут. Проверьте знак активной части Zн.";
const char* const kNegativeNormalisedMessage =
    "Активная часть Zн не отрицательна, но нормированное сопротивление нагрузки r (активная "
    "часть Zн/Zв) отрицательно: так его делает реактивная часть Zв. Точка нагрузки легла бы "
    "за краем диаграммы (|Г| > 1), где ни |Г|, ни КСВ, ни построение ничего верного не "
    "скажут. Проверьте Zв: у линии без потерь его реактивная часть равна нулю.";
const char* const kOffChartMessage =
    "Точка нагрузки лежит так далеко за пределами диаграммы, что построить её нельзя. "
    "Проверьте знак активной части Zн: у пассивной нагрузки она не отрицательна.";

using tk::TBrushStyle;

namespace {

constexpr float NaNf = std::numeric_limits<float>::quiet_NaN();

// How far the chart's own crossing may lie from the exact place: its truncation and single
// precision put it up to about 1.5 px off.
constexpr double kTrustedPixels = 2;

int Pixel(double v) {
    return LimitedPixel(v, kOffChartMessage);
}

// A float of the construction; one beyond the float range is a point beyond the chart.
float Single(double v, const char* message) {
    try {
        return tk::ToSingle(v);
    } catch (const tk::EOverflow&) {
        throw tk::Exception(message);
    }
}

// The load's place off the real axis. The chart finds it where the reactance circle
// crosses the resistance circle, in single precision. For a small |x| the reactance circle
// is hundreds of chart radii wide and that crossing loses its digits (100 + j0,01 on 50
// ohms would land at |G| 0,67, not 0,33). The exact place
// G = (z - 1)/(z + 1), in double, decides: the chart's own crossing stands wherever it lies
// within 2 px of it (every load the chart can construct: the pictures do not move), the
// exact place, truncated like every pixel, everywhere else.
void PlaceOffAxis(TLoadPoint& p, double r, double x) {
    const std::complex<double> z{r, x};
    const std::complex<double> g = (z - 1.0) / (z + 1.0);
    const double exactX = ChartCenterX + double(ChartRadius) * g.real();
    const double exactY = ChartCenterY - double(ChartRadius) * g.imag();
    if (p.XCircle) {
        float p1x = NaNf, p1y = NaNf, p2x = NaNf, p2y = NaNf;
        CircleIntersect(1, p.K, std::fabs(p.K), p.RCenter, 0, p.RRadius, &p1x, &p1y, &p2x, &p2y);
        // The crossing other than the common point G = 1 of all the circles.
        const double gx = p.K < 0 ? p1x : p2x;
        const double gy = p.K < 0 ? p1y : p2y;
        if (WithinPixelLimit(PixelsOf(gx)) && WithinPixelLimit(PixelsOf(gy))) {
            const TPixel chart = PixelOfGamma(gx, gy);
            if (std::hypot(chart.X - exactX, chart.Y - exactY) <= kTrustedPixels) {
                p.Point = chart;
                return;
            }
        }
    }
    if (!WithinPixelLimit(PixelsOf(g.real())) || !WithinPixelLimit(PixelsOf(g.imag())))
        throw tk::Exception(kOffChartMessage);
    p.Point = PixelOfGamma(g.real(), g.imag());
}

} // namespace

TLoadInput ReadLoadInput(const tk::TEdit& rn, const tk::TEdit& xn, const tk::TEdit& rv,
                         const tk::TEdit& xv) {
    const tk::TStoredNumber Rn = tk::ReadStored(rn, field::LoadR),
                            Xn = tk::ReadStored(xn, field::LoadX),
                            Rv = tk::ReadStored(rv, field::LineR),
                            Xv = tk::ReadStored(xv, field::LineX);
    return {
        Rn.Stored, Xn.Stored, Rv.Stored, Xv.Stored, {{Rn.Typed, Xn.Typed}, {Rv.Typed, Xv.Typed}}};
}

TLoadPoint PlanLoadPoint(const TLoadInput& typed) {
    CheckLineResistance(typed.Rv);
    CheckPassiveLoad(typed.Exact);
    TLoadPoint p;
    p.Typed = typed;
    p.ZLine = {typed.Rv, typed.Xv};
    p.ZNorm = NormalizeLoad(typed.Rn, typed.Xn, typed.Rv, typed.Xv);
    const double r = p.ZNorm.real(), x = p.ZNorm.imag();
    if (std::isnan(r) || std::isnan(x)) throw tk::Exception(kOffChartMessage);

    p.RCenter = Single(r / (1 + r), kOffChartMessage);
    p.RRadius = Single(1 / (1 + r), kOffChartMessage);
    if (!WithinPixelLimit(PixelsOf(p.RCenter)) || !WithinPixelLimit(PixelsOf(p.RRadius)))
        throw tk::Exception(kOffChartMessage);
    p.RCircle = RCirclePixels(p.RCenter, p.RRadius);

    // A reactance circle wider than a billion pixels is the real axis at the chart's
    // resolution (x = 0.000001 on the chart is 3e8 px wide): like x = 0, it is not drawn.
    p.XCircle = x != 0 && WithinPixelLimit(ChartRadius / x);
    if (x == 0) {
        // On the real axis: the crossing of the resistance circle with the diameter that is
        // not G = 1.
        p.Point = {Pixel(OpenCircuitX - 2.0 * p.RCircle.PixR), ChartCenterY};
    } else {
        if (p.XCircle) {
            p.K = tk::ToSingle(1 / x);
            p.XPixels = XCirclePixels(p.K);
        }
        PlaceOffAxis(p, r, x);
    }

    PlaceLoadPoint(p, p.Point);
    return p;
}

void PlaceLoadPoint(TLoadPoint& p, TPixel point) {
    p.Point = point;
    p.Ux = p.Uy = 0;
    const double dx = double(p.Point.X) - ChartCenterX, dy = double(p.Point.Y) - ChartCenterY;
    p.DistPx = tk::ToSingle(std::hypot(dx, dy));
    if (p.DistPx != 0) {
        p.Uy = tk::ToSingle(dy / p.DistPx);
        p.Ux = tk::ToSingle(dx / p.DistPx);
    }
    p.Ray = RingPoint(p.Ux, p.Uy);
    p.Rho = Pixel(p.DistPx);

    // The grid sets this very factor before any handler reads it.
    p.RadToWaves = WavesPerRadian();
    const float theta = tk::ToSingle(Pi - std::acos(double(p.Ux)));
    p.WavePos = p.Uy < 0 ? tk::ToSingle(double(p.RadToWaves) * theta)
                         : tk::ToSingle((TwoPi - theta) * p.RadToWaves);
}

void CheckLineResistance(float rv) {
    if (!(rv > 0)) throw tk::Exception(kLineResistanceMessage);
}

void CheckPassiveLoad(const TTypedLoad& load) {
    if (load.Load.real() < 0) throw tk::Exception(kNegativeLoadMessage);
    if (load.ZNorm().real() < 0) throw tk::Exception(kNegativeNormalisedMessage);
}

std::string TLoadPoint::Caption() const {
    return "Zнн=" + ComplexText(ZNorm.real(), ZNorm.imag(), 4, 2);
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
    using tk::FloatToStrF;
    const std::string sign = im < 0 ? "-j" : "+j";
    return FloatToStrF(re, precision, digits) + sign +
           FloatToStrF(std::fabs(im), precision, digits);
}

void WipeChartDisc(tk::TCanvas& c) {
    c.Pen.Color = tk::clBlack;
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Ellipse(ShortCircuitX, ChartCenterY - ChartRadius, OpenCircuitX, ChartCenterY + ChartRadius);
}

void DrawLoadPoint(tk::TCanvas& c, const TLoadPoint& p) {
    TStepMarks marks(c);
    DrawLoadPoint(c, p, marks);
}

void DrawLoadPoint(tk::TCanvas& c, const TLoadPoint& p, TStepMarks& marks) {
    marks.Begin(); // the load normalised: nothing drawn yet
    marks.End();

    // The grid left the brush clear: outlines and transparent text up to the marker.
    c.Pen.Color = tk::clRed;
    c.Pen.Width = 1;
    DrawRCircle(c, p.RCircle);
    c.TextOut(p.RCircle.PixX - p.RCircle.PixR + 2, ChartCenterY, ResistanceLabel(p.ZNorm.real()));
    // For x = 0 the real axis is the reactance locus: no circle.
    if (p.XCircle) DrawXCircle(c, p.XPixels);
    marks.End();

    WipeBeyond(c, BeyondRimRadius);
    DrawWavelengthLabels(c, p.RadToWaves);

    marks.Begin();
    c.Pen.Color = tk::clBlue;
    c.Pen.Width = 2;
    c.Brush.Style = TBrushStyle::bsClear;
    DrawRay(c, p.Ray);
    c.Ellipse(ChartCenterX - p.Rho, ChartCenterY - p.Rho, ChartCenterX + p.Rho,
              ChartCenterY + p.Rho);
    marks.End();
    c.TextOut(p.Ray.X - 10, p.Ray.Y - 10, ScaleReading(p.WavePos));

    DrawMarker(c, p.Point, tk::clLime);
    marks.End();
}

void LeaveLoadPoint(TChartState& s, const TLoadPoint& p) {
    s.ZLine = p.ZLine;
    s.ZNorm = p.ZNorm;
    s.RCircleCenter = p.RCenter;
    s.RCircleRadius = p.RRadius;
    s.PixR = p.RCircle.PixR;
    if (p.XCircle) {
        s.XCircleRadius = p.K;
        s.PixR = p.XPixels.PixR;
    }
    // PixX and PixY keep the last wavelength label's anchor, where the grid left them and
    // where the load's own labels end too.
    s.PointX = p.Point.X;
    s.PointY = p.Point.Y;
    s.PointDistPx = p.DistPx;
    s.LoadWavePos = p.WavePos;
}

} // namespace chart
