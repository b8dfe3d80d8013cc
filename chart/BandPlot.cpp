#include "chart/BandPlot.h"

#include "measured/Frequency.h"
#include "toolkit/Conversions.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace chart {

namespace {

constexpr tk::TColor kGridColor = tk::RGB(150, 150, 150);
constexpr int kLegendRow = 18;     // pixels from one legend row to the next
constexpr int kLegendSample = 40;  // the length of a curve's sample line
constexpr double kHugeVswr = 1e12; // an infinite КСВ (a reactive load) drawn as this

// The step between labelled ticks along f/f0: 1, 2 or 5 times a power of ten, ten steps at
// most over the span.
double TickStep(double span) {
    double step = std::pow(10.0, std::floor(std::log10(span / 10)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (span / (step * m) <= 10) return step * m;
    return step * 10;
}

int DecimalsOf(double step) {
    return std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
}

std::string VswrText(double vswr) {
    if (std::isnan(vswr)) return "—";
    if (!std::isfinite(vswr) || vswr >= 1e6) return "∞";
    return tk::FloatToStrF(vswr, 7, vswr < 10 ? 2 : 1);
}

// A width in Hz to three significant digits, as its per cent is written: 928 МГц.
double ThreeDigits(double hz) {
    const double unit = std::pow(10.0, std::floor(std::log10(hz)) - 2);
    return std::round(hz / unit) * unit;
}

// A limit as short as it reads: 2, 2,5, 1,35.
std::string LimitText(double limit) {
    std::string s = tk::FloatToStrF(limit, 15, 2);
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == ',' || s.back() == '.') s.pop_back();
    return s;
}

// The return loss at a КСВ, in dB: ∞ at 1.
std::string ReturnLossText(double vswr) {
    if (std::isnan(vswr)) return "—";
    if (!(vswr > 1)) return "∞";
    if (!std::isfinite(vswr)) return "0";
    return tk::FloatToStrF(-20 * std::log10((vswr - 1) / (vswr + 1)), 15, 1);
}

// A band that runs to an end of the sweep goes on beyond it: at least its width, "≥ 83,4 %".
std::string BandText(const theory::TBandCurve& curve, double f0Hz, double limit) {
    const std::string within = "КСВ ≤ " + LimitText(limit);
    if (curve.Vswr2Everywhere()) return within + " во всём диапазоне";
    if (!(curve.Vswr2Fraction > 0)) return "КСВ на f0 выше " + LimitText(limit);
    const std::string atLeast = curve.Vswr2Bounded() ? "≥ " : "";
    std::string text =
        within + " в полосе " + atLeast + tk::FloatToStrF(curve.Vswr2Fraction * 100, 15, 1) + " %";
    if (f0Hz > 0)
        text +=
            " (" + atLeast + measured::FrequencyText(ThreeDigits(curve.Vswr2Fraction * f0Hz)) + ")";
    return text;
}

// One curve, each segment cut to the КСВ range the plot shows.
void DrawCurve(tk::TCanvas& c, const TBandFrame& frame, const std::vector<double>& ratio,
               const std::vector<double>& vswr) {
    const std::size_t n = std::min(ratio.size(), vswr.size());
    bool penDown = false;
    for (std::size_t i = 1; i < n; ++i) {
        double r0 = ratio[i - 1], r1 = ratio[i];
        double v0 = std::min(vswr[i - 1], kHugeVswr), v1 = std::min(vswr[i], kHugeVswr);
        if (std::isnan(v0) || std::isnan(v1) || (v0 > kBandPlotTopVswr && v1 > kBandPlotTopVswr)) {
            penDown = false;
            continue;
        }
        // Where the segment crosses the top, the part above it is left out.
        const auto cut = [&](double& rOut, double& vOut, double rIn, double vIn) {
            const double t = (kBandPlotTopVswr - vIn) / (vOut - vIn);
            rOut = rIn + (rOut - rIn) * t;
            vOut = kBandPlotTopVswr;
        };
        const bool entering = v0 > kBandPlotTopVswr;
        if (entering) cut(r0, v0, r1, v1);
        const bool leaving = v1 > kBandPlotTopVswr;
        if (leaving) cut(r1, v1, r0, v0);
        if (!penDown || entering) c.MoveTo(frame.XOf(r0), frame.YOf(v0));
        c.LineTo(frame.XOf(r1), frame.YOf(v1));
        penDown = !leaving;
    }
}

void DrawLine(tk::TCanvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

} // namespace

int TBandFrame::XOf(double ratio) const {
    return Left + int((ratio - From) / (To - From) * double(Right - Left));
}

int TBandFrame::YOf(double vswr) const {
    const double v = std::clamp(vswr, 1.0, kBandPlotTopVswr);
    return Bottom - int((v - 1) / (kBandPlotTopVswr - 1) * double(Bottom - Top));
}

double TBandFrame::RatioAt(int x) const {
    return From + double(x - Left) / double(Right - Left) * (To - From);
}

TBandPlot StubBandPlot(const theory::TBandResponse& r) {
    // The chart's answer last and thinnest: it lies on the first solution near f0, and shows
    // on it.
    return {r.Ratio,
            {{&r.Chart, "Ответ диаграммы", "ответа диаграммы", kBandChartColor, 1},
             {&r.First, "Первое решение", "первого решения", kBandFirstColor, 2},
             {&r.Second, "Второе решение", "второго решения", kBandSecondColor, 2}}};
}

TBandFrame BandFrame(const TBandPlot& plot, int width, int height, const TBandScale& scale) {
    // Beneath the area: two rows of tick labels, the axis's title, a legend row a curve.
    constexpr int kText = 13;
    const int rows = std::max<int>(3, int(plot.Curves.size()));
    TBandFrame f;
    f.Left = 56;
    f.Right = std::max(f.Left + 2, width - (scale.ReturnLoss ? 56 : 24));
    f.Top = 28;
    f.Bottom = std::max(f.Top + 2, height - (2 * (kText + 3) + kText + 12 + rows * kLegendRow + 8));
    const std::vector<double>& ratio = plot.Ratio;
    if (ratio.size() >= 2 && ratio.back() > ratio.front()) {
        f.From = ratio.front();
        f.To = ratio.back();
    }
    return f;
}

TBandFrame BandFrame(const theory::TBandResponse& response, int width, int height) {
    return BandFrame(StubBandPlot(response), width, height);
}

namespace {

// КСВ up the left, ticks at its values; with `returnLoss`, the same heights as return loss
// in dB up the right.
void DrawVswrScales(tk::TCanvas& c, const TBandFrame& frame, bool returnLoss) {
    const int text = c.TextHeight("0");
    for (double v : {1.0, 1.5, 2.0, 3.0, 4.0, 5.0}) {
        const int y = frame.YOf(v);
        const std::string label = tk::FloatToStrF(v, 15, v == std::floor(v) ? 0 : 1);
        DrawLine(c, frame.Left - 4, y, frame.Left, y);
        c.TextOut(frame.Left - 7 - c.TextWidth(label), y - text / 2, label);
    }
    c.TextOut(frame.Left - 7 - c.TextWidth("КСВ"), frame.Top - text - 8, "КСВ");
    if (!returnLoss) return;
    for (double v : {1.0, 1.5, 2.0, 3.0, 4.0, 5.0}) {
        const int y = frame.YOf(v);
        DrawLine(c, frame.Right, y, frame.Right + 4, y);
        c.TextOut(frame.Right + 7, y - text / 2, ReturnLossText(v));
    }
    c.TextOut(frame.Right + 7, frame.Top - text - 8, "ОП, дБ");
}

} // namespace

void DrawBandPlot(tk::TCanvas& c, const theory::TBandResponse& r, double f0Hz) {
    DrawBandPlot(c, StubBandPlot(r), f0Hz);
}

void DrawBandPlot(tk::TCanvas& c, const TBandPlot& r, double f0Hz, const TBandScale& scale) {
    const TBandFrame frame = BandFrame(r, c.Width(), c.Height(), scale);
    const int text = c.TextHeight("0");
    c.Pen = {tk::clWhite, 1, tk::TPenStyle::psSolid};
    c.Brush = {tk::TBrushStyle::bsSolid, tk::clWhite};
    c.Rectangle(0, 0, c.Width(), c.Height());
    c.Brush.Style = tk::TBrushStyle::bsClear;

    // The grid at КСВ 1,5 and 2 and f0 across the area, the curves over them, and the
    // frame over the pixel a thick pen takes beyond the curves' edge.
    c.Pen = {kGridColor, 1, tk::TPenStyle::psDash};
    for (double v : {1.5, 2.0})
        DrawLine(c, frame.Left, frame.YOf(v), frame.Right, frame.YOf(v));
    if (scale.Limit != 1.5 && scale.Limit != 2)
        DrawLine(c, frame.Left, frame.YOf(scale.Limit), frame.Right, frame.YOf(scale.Limit));
    if (frame.From <= 1 && 1 <= frame.To)
        DrawLine(c, frame.XOf(1), frame.Top, frame.XOf(1), frame.Bottom);
    for (const TBandPlotCurve& s : r.Curves) {
        c.Pen = {s.Color, s.Width, tk::TPenStyle::psSolid};
        DrawCurve(c, frame, r.Ratio, s.Curve->Vswr);
    }
    c.Pen = {tk::clWhite, 1, tk::TPenStyle::psSolid};
    c.Rectangle(frame.Left - 1, frame.Top - 1, frame.Right + 2, frame.Bottom + 2);
    c.Pen.Color = tk::clBlack;
    c.Rectangle(frame.Left, frame.Top, frame.Right + 1, frame.Bottom + 1);

    DrawVswrScales(c, frame, scale.ReturnLoss);

    // f/f0 along the bottom, f beneath it; a label that would run into the one before is
    // left out.
    const double step = TickStep(frame.To - frame.From);
    const int decimals = DecimalsOf(step);
    int ratioEnd = frame.Left - 1000, hzEnd = ratioEnd;
    const int ratioRow = frame.Bottom + 6, hzRow = ratioRow + text + 3;
    for (double k = std::ceil(frame.From / step - 1e-9); k * step <= frame.To + step * 1e-9; ++k) {
        const double ratio = k * step;
        const int x = frame.XOf(ratio);
        DrawLine(c, x, frame.Bottom, x, frame.Bottom + 4);
        const std::string label = tk::FloatToStrF(ratio, 15, decimals);
        const int w = c.TextWidth(label);
        if (x - w / 2 > ratioEnd + 6) {
            c.TextOut(x - w / 2, ratioRow, label);
            ratioEnd = x - w / 2 + w;
        }
        if (!(f0Hz > 0)) continue;
        const std::string hz = measured::FrequencyText(ratio * f0Hz);
        const int hw = c.TextWidth(hz);
        if (x - hw / 2 > hzEnd + 6) {
            c.TextOut(x - hw / 2, hzRow, hz);
            hzEnd = x - hw / 2 + hw;
        }
    }
    const std::string title =
        f0Hz > 0 ? "f / f0 и f при f0 = " + measured::FrequencyText(f0Hz) : std::string("f / f0");
    const int titleRow = hzRow + text + 6;
    c.TextOut((frame.Left + frame.Right - c.TextWidth(title)) / 2, titleRow, title);

    int row = titleRow + text + 8;
    for (const TBandPlotCurve& s : r.Curves) {
        c.Pen = {s.Color, 2, tk::TPenStyle::psSolid};
        DrawLine(c, frame.Left, row + text / 2, frame.Left + kLegendSample, row + text / 2);
        c.TextOut(frame.Left + kLegendSample + 8, row,
                  s.Name + ": " + BandText(*s.Curve, f0Hz, scale.Limit));
        row += kLegendRow;
    }
    c.Pen = {tk::clBlack, 1, tk::TPenStyle::psSolid};
}

std::string BandReadout(const theory::TBandResponse& r, double f0Hz, tk::TPoint pixel, int width,
                        int height) {
    return BandReadout(StubBandPlot(r), f0Hz, pixel, width, height);
}

std::string BandReadout(const TBandPlot& r, double f0Hz, tk::TPoint pixel, int width, int height,
                        const TBandScale& scale) {
    const TBandFrame frame = BandFrame(r, width, height, scale);
    const std::size_t n = r.Ratio.size();
    if (n < 2 || !frame.Holds(pixel)) return {};
    const double ratio = frame.RatioAt(pixel.X);
    const double at =
        (ratio - r.Ratio.front()) / (r.Ratio.back() - r.Ratio.front()) * double(n - 1);
    const std::size_t i = std::size_t(std::clamp(std::lround(at), 0L, long(n - 1)));
    std::string text = "f / f0 = " + tk::FloatToStrF(r.Ratio[i], 15, 3);
    if (f0Hz > 0) text += "\nf = " + measured::FrequencyText(r.Ratio[i] * f0Hz);
    for (const TBandPlotCurve& s : r.Curves) {
        const std::vector<double>& v = s.Curve->Vswr;
        const double vswr = i < v.size() ? v[i] : std::nan("");
        text += "\nКСВ " + s.ReadoutName + " = " + VswrText(vswr);
        if (scale.ReturnLoss)
            text += "\nОП " + s.ReadoutName + " = " + ReturnLossText(vswr) + " дБ";
    }
    return text;
}

} // namespace chart
