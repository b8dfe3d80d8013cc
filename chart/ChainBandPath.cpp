#include "chart/ChainBandPath.h"

#include "chart/ChainPath.h"
#include "chart/ExactText.h"
#include "measured/Frequency.h"

namespace chart {

namespace {

constexpr int kEndMark = 3; // half the side of an end's square

void DrawEnd(tk::TCanvas& c, theory::TComplex gamma, const std::string& name) {
    tk::TPoint p;
    if (!NodePixel(gamma, p)) return;
    c.Brush.Style = tk::TBrushStyle::bsSolid;
    c.Brush.Color = kBandPathColor;
    c.Rectangle(p.X - kEndMark, p.Y - kEndMark, p.X + kEndMark + 1, p.Y + kEndMark + 1);
    c.Brush.Style = tk::TBrushStyle::bsClear;
    c.TextOut(p.X + kEndMark + 3, p.Y + 1, name);
}

} // namespace

std::string BandEndText(double ratio, double f0Hz) {
    return f0Hz > 0 ? measured::FrequencyText(ratio * f0Hz) : ShortNumber(ratio) + " f0";
}

void DrawBandPath(tk::TCanvas& c, const theory::TChainBand& band, double f0Hz) {
    if (band.Gamma.empty() || band.Ratio.size() != band.Gamma.size()) return;
    c.Pen = {kBandPathColor, 1, tk::TPenStyle::psSolid};
    bool drawing = false;
    for (const theory::TComplex& g : band.Gamma) {
        tk::TPoint p;
        if (!NodePixel(g, p)) {
            drawing = false;
            continue;
        }
        if (drawing)
            c.LineTo(p.X, p.Y);
        else
            c.MoveTo(p.X, p.Y);
        drawing = true;
    }
    DrawEnd(c, band.Gamma.front(), BandEndText(band.Ratio.front(), f0Hz));
    DrawEnd(c, band.Gamma.back(), BandEndText(band.Ratio.back(), f0Hz));
    c.Pen = {tk::clBlack, 1, tk::TPenStyle::psSolid};
    c.Brush = {tk::TBrushStyle::bsSolid, tk::clWhite};
}

} // namespace chart
