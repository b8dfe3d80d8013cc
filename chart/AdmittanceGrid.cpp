#include "chart/AdmittanceGrid.h"

#include "chart/Circles.h"
#include "chart/Grid.h"

#include "toolkit/Single.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace chart {

namespace {

// The arcs end a pixel inside the rim, which the grid draws three pixels wide: no corner,
// floored to its pixel, reaches beyond it.
constexpr double kReach = ChartRadius - 1;
constexpr double kPieceLength = 3; // pixels of arc to a line piece

// The part inside the rim of the circle of pixel centre (cx, cy) and radius `radius`.
std::vector<TPixel> ArcInsideRim(double cx, double cy, double radius) {
    const double dx = cx - ChartCenterX, dy = cy - ChartCenterY;
    const double d = std::hypot(dx, dy);
    double from = 0, sweep = TwoPi;
    if (radius <= 0 || d - radius >= kReach || radius - d >= kReach) return {};
    if (d + radius > kReach) {
        // A point at angle t about the circle's centre lies inside where
        // cos(t - phi) <= (reach^2 - d^2 - radius^2) / (2 d radius), phi the centre's angle.
        const double c = (kReach * kReach - d * d - radius * radius) / (2 * d * radius);
        const double alpha = std::acos(std::clamp(c, -1.0, 1.0));
        from = std::atan2(dy, dx) + alpha;
        sweep = TwoPi - 2 * alpha;
    }
    const int pieces = std::max(8, int(std::ceil(sweep * radius / kPieceLength)));
    std::vector<TPixel> corners;
    for (int i = 0; i <= pieces; ++i) {
        const double t = from + sweep * i / pieces;
        corners.push_back(TPixel{int(std::floor(cx + radius * std::cos(t))),
                                 int(std::floor(cy + radius * std::sin(t)))});
    }
    return corners;
}

bool InsideRim(int x, int y) {
    return std::hypot(x - ChartCenterX, y - ChartCenterY) <= ChartRadius;
}

void DrawCorners(tk::TCanvas& canvas, const std::vector<TPixel>& corners, int width) {
    if (corners.empty()) return;
    canvas.Pen.Width = width;
    canvas.MoveTo(corners.front().X, corners.front().Y);
    for (const TPixel& p : corners)
        canvas.LineTo(p.X, p.Y);
}

} // namespace

std::vector<TPixel> ConductanceCircle(float g) {
    const TRCirclePixels px =
        RCirclePixels(tk::ToSingle(g / (1.0 + g)), tk::ToSingle(1 / (1.0 + g)));
    return ArcInsideRim(2 * ChartCenterX - px.PixX, ChartCenterY, px.PixR);
}

std::vector<TPixel> SusceptanceArc(float b) {
    const TXCirclePixels px = XCirclePixels(tk::ToSingle(1.0 / b));
    return ArcInsideRim(2 * ChartCenterX - OpenCircuitX, 2 * ChartCenterY - px.PixY,
                        std::abs(px.PixR));
}

void DrawAdmittanceGrid(tk::TCanvas& canvas) {
    canvas.Pen = {tk::clBlack, 1, tk::TPenStyle::psSolid};
    canvas.Brush.Style = tk::TBrushStyle::bsClear;
    for (const float g : ResistanceCircleValues())
        DrawCorners(canvas, ConductanceCircle(g), ResistanceLabel(g) == "1,0" ? 2 : 1);
    for (const float b : MainReactances())
        DrawCorners(canvas, SusceptanceArc(b), 1);
    for (const float b : {1.0f, -1.0f})
        DrawCorners(canvas, SusceptanceArc(b), 2);
    canvas.Pen.Width = 1;
    for (const float g : ResistanceLabelValues()) {
        const TRCirclePixels px =
            RCirclePixels(tk::ToSingle(g / (1.0 + g)), tk::ToSingle(1 / (1.0 + g)));
        const std::string label = ResistanceLabel(g);
        const int w = canvas.TextWidth(label), h = canvas.TextHeight(label);
        const int x = 2 * ChartCenterX - (px.PixX - px.PixR + 2) - w;
        const int y = 2 * ChartCenterY - ChartCenterY - h;
        if (InsideRim(x, y) && InsideRim(x, y + h) && InsideRim(x + w, y))
            canvas.TextOut(x, y, label);
    }
}

} // namespace chart
