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

void DrawRCircle(tk::TCanvas& canvas, TRCirclePixels px) {
    canvas.Ellipse(px.PixX - px.PixR, ChartCenterY - px.PixR, px.PixX + px.PixR,
                   ChartCenterY + px.PixR);
}

void DrawRCircle(const TChartState& s, tk::TCanvas& canvas) {
    DrawRCircle(canvas, {s.PixX, s.PixR});
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

void DrawXCircle(tk::TCanvas& canvas, TXCirclePixels px) {
    canvas.Ellipse(OpenCircuitX - px.PixR, px.PixY - px.PixR, OpenCircuitX + px.PixR,
                   px.PixY + px.PixR);
}

void DrawXCircle(const TChartState& s, tk::TCanvas& canvas) {
    DrawXCircle(canvas, {s.PixY, s.PixR});
}

} // namespace chart
