#include "chart/Circles.h"

#include "chart/Frame.h"

#include "toolkit/Conversions.h"
#include "toolkit/Single.h"

namespace chart {

void SetRCircle(TChartState& s, double r) {
    s.RCircleCenter = tk::ToSingle(r / (1 + r));
    s.RCircleRadius = tk::ToSingle(1 / (1 + r));
    const TRCirclePixels px = RCirclePixels(s.RCircleCenter, s.RCircleRadius);
    s.PixX = px.PixX;
    s.PixR = px.PixR;
}

TRCirclePixels RCirclePixels(float center, float radius) {
    return {tk::Trunc(PixelsOf(center)) + ChartCenterX, tk::Trunc(PixelsOf(radius))};
}

void DrawRCircle(const TChartState& s, tk::TCanvas& canvas) {
    canvas.Ellipse(s.PixX - s.PixR, ChartCenterY - s.PixR, s.PixX + s.PixR, ChartCenterY + s.PixR);
}

void SetXCircle(TChartState& s, float k) {
    s.XCircleRadius = k;
    const TXCirclePixels px = XCirclePixels(k);
    s.PixY = px.PixY;
    s.PixR = px.PixR;
}

TXCirclePixels XCirclePixels(float k) {
    return {tk::Trunc(-PixelsOf(k)) + ChartCenterY, tk::Trunc(PixelsOf(k))};
}

void DrawXCircle(const TChartState& s, tk::TCanvas& canvas) {
    canvas.Ellipse(OpenCircuitX - s.PixR, s.PixY - s.PixR, OpenCircuitX + s.PixR, s.PixY + s.PixR);
}

} // namespace chart
