#include "chart/ChainPath.h"

#include "chart/Frame.h"
#include "chart/Legend.h"

#include <array>
#include <cmath>

namespace chart {

namespace {

constexpr int kNodeRadius = 4;

// clang-format off
constexpr std::array<tk::TColor, 8> kChainColors = {
    (tk::RGB)(0, 140, 0),    // green
    (tk::RGB)(200, 0, 160),  // purple
    (tk::RGB)(180, 110, 0),  // amber
    (tk::RGB)(0, 100, 230),  // azure
    (tk::RGB)(120, 60, 0),   // brown
    (tk::RGB)(230, 90, 0),   // orange
    (tk::RGB)(90, 0, 200),   // violet
    (tk::RGB)(110, 130, 0),  // olive
};
// clang-format on

void DrawPolyline(tk::TCanvas& c, const std::vector<theory::TComplex>& path) {
    bool drawing = false;
    tk::TPoint last{};
    for (const theory::TComplex& g : path) {
        tk::TPoint p;
        if (!NodePixel(g, p)) {
            drawing = false;
            continue;
        }
        if (!drawing)
            c.MoveTo(p.X, p.Y);
        else if (!(p == last))
            c.LineTo(p.X, p.Y);
        drawing = true;
        last = p;
    }
}

// A dot in `color` ringed in black, its number above right.
void DrawNode(tk::TCanvas& c, tk::TPoint p, tk::TColor color, int number) {
    c.Pen.Color = tk::clBlack;
    c.Pen.Width = 1;
    c.Brush.Style = tk::TBrushStyle::bsSolid;
    c.Brush.Color = color;
    c.Ellipse(p.X - kNodeRadius, p.Y - kNodeRadius, p.X + kNodeRadius + 1, p.Y + kNodeRadius + 1);
    c.Brush.Style = tk::TBrushStyle::bsClear;
    c.TextOut(p.X + kNodeRadius + 2, p.Y - kNodeRadius - 13, std::to_string(number));
}

} // namespace

tk::TColor ChainColor(std::size_t element) {
    return kChainColors[element % kChainColors.size()];
}

bool NodePixel(theory::TComplex gamma, tk::TPoint& pixel) {
    // No passive node lies beyond the rim; a little past it is still the rim's pixel.
    if (!std::isfinite(gamma.real()) || !std::isfinite(gamma.imag()) || std::abs(gamma) > 1.001)
        return false;
    pixel = PixelOfGamma(gamma.real(), gamma.imag());
    return true;
}

void DrawChainPath(tk::TCanvas& c, const TChainPicture& picture, TStepMarks* marks) {
    c.Brush.Style = tk::TBrushStyle::bsSolid;
    c.Brush.Color = tk::clWhite;
    c.Pen.Style = tk::TPenStyle::psSolid;
    c.Pen.Width = 2;
    for (std::size_t i = 0; i < picture.Names.size(); ++i)
        DrawLegendRow(c, int(i), ChainColor(i), picture.Names[i]);
    const auto node = [&](std::size_t k) {
        tk::TPoint p;
        if (k < picture.Nodes.size() && NodePixel(picture.Nodes[k], p))
            DrawNode(c, p, k == 0 ? tk::clRed : ChainColor(k - 1), int(k));
    };
    node(0);
    for (std::size_t i = 0; i < picture.Paths.size(); ++i) {
        if (marks) marks->Begin();
        c.Pen.Style = tk::TPenStyle::psSolid;
        c.Pen.Width = 2;
        c.Pen.Color = ChainColor(i);
        DrawPolyline(c, picture.Paths[i]);
        node(i); // over the path's start, as over the end
        node(i + 1);
        if (marks) marks->End();
    }
    c.Brush.Style = tk::TBrushStyle::bsSolid;
    c.Brush.Color = tk::clWhite;
    c.Pen.Color = tk::clBlack;
    c.Pen.Width = 1;
}

} // namespace chart
