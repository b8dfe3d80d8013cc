#include "Circles.h"

#include "Frame.h"

#include <Conversions.h>
#include <Single.h>

namespace chart {

void SetRCircle(TChartState& s, double r) {
    s.RCircleCenter = tk::ToSingle(r / (1 + r));
    s.RCircleRadius = tk::ToSingle(1 / (1 + r));
    s.PixX = tk::Trunc(300.0 * s.RCircleCenter) + ChartCenterX;
    s.PixR = tk::Trunc(300.0 * s.RCircleRadius);
}

void DrawRCircle(const TChartState& s, tk::TCanvas& canvas) {
    canvas.Ellipse(s.PixX - s.PixR, ChartCenterY - s.PixR, s.PixX + s.PixR, ChartCenterY + s.PixR);
}

void SetXCircle(TChartState& s, float k) {
    s.XCircleRadius = k;
    s.PixY = tk::Trunc(-300.0 * k) + ChartCenterY;
    s.PixR = tk::Trunc(300.0 * k);
}

void DrawXCircle(const TChartState& s, tk::TCanvas& canvas) {
    canvas.Ellipse(700 - s.PixR, s.PixY - s.PixR, 700 + s.PixR, s.PixY + s.PixR);
}

void DrawCentredCircle(tk::TCanvas& canvas, int radius) {
    canvas.Ellipse(ChartCenterX + radius, ChartCenterY + radius, ChartCenterX - radius,
                   ChartCenterY - radius);
}

} // namespace chart
