#include "chart/Grid.h"

#include "chart/Circles.h"
#include "chart/Frame.h"
#include "chart/Marks.h"

#include "toolkit/Conversions.h"
#include "toolkit/Single.h"

#include <cmath>

namespace chart {

using tk::TBrushStyle;

namespace {

// Loop values and steps are floats and every sum is stored as a float: the circles the
// grid draws (and those it skips) follow from that accumulation.
float Next(float value, float step) {
    return tk::ToSingle(double(value) + step);
}

float ResistanceStep(float r, float stepFromFive) {
    const float a = std::fabs(r);
    if (a < 1) return 0.1f;
    if (a <= 2) return 0.2f;
    if (a < 5) return 1.0f;
    if (a < 50) return stepFromFive;
    return -1; // from 50 on the step stays
}

float ReactanceStep(float x) {
    const float a = std::fabs(x);
    if (a < 1) return 0.25f;
    if (a < 2) return 0.5f;
    if (a < 5) return 0.75f;
    if (a < 50) return 1.0f;
    return -1;
}

void FineReactanceArcs(TChartState& s, tk::TCanvas& canvas) {
    for (const float x : FineReactances()) {
        SetXCircle(s, tk::ToSingle(1.0 / x));
        DrawXCircle(s, canvas);
    }
}

void BlankUnitResistanceDisc(TChartState& s, tk::TCanvas& canvas) {
    canvas.Brush.Style = TBrushStyle::bsSolid;
    SetRCircle(s, 1.0);
    DrawRCircle(s, canvas);
    canvas.TextOut(s.PixX - s.PixR + 2, ChartCenterY, ResistanceLabel(1.0));
    canvas.Brush.Style = TBrushStyle::bsClear;
}

// With circles: the circle whose label reads "1,0" gets width 2 and every circle after the
// first one width 1. Without: only the labels, over the arcs drawn across the first copies.
void ResistanceCircles(TChartState& s, tk::TCanvas& canvas, bool circles) {
    for (const float r : circles ? ResistanceCircleValues() : ResistanceLabelValues()) {
        SetRCircle(s, r);
        const std::string label = ResistanceLabel(r);
        if (label == "1,0") canvas.Pen.Width = 2;
        if (circles) DrawRCircle(s, canvas);
        canvas.Brush.Style = TBrushStyle::bsSolid;
        canvas.TextOut(s.PixX - s.PixR + 2, ChartCenterY, label);
        canvas.Brush.Style = TBrushStyle::bsClear;
        canvas.Pen.Width = 1;
    }
}

void MainReactanceArcs(TChartState& s, tk::TCanvas& canvas) {
    for (const float x : MainReactances()) {
        SetXCircle(s, tk::ToSingle(1.0 / x));
        DrawXCircle(s, canvas);
        canvas.Pen.Width = 1;
    }
}

std::vector<float> Resistances(float stepFromFive) {
    std::vector<float> values;
    float step = 0.1f;
    for (float r = 0; r <= 50; r = Next(r, step)) {
        if (float next = ResistanceStep(r, stepFromFive); next > 0) step = next;
        values.push_back(r);
    }
    return values;
}

} // namespace

std::vector<float> ResistanceCircleValues() {
    return Resistances(5.0f);
}

std::vector<float> ResistanceLabelValues() {
    return Resistances(45.0f);
}

std::vector<float> MainReactances() {
    std::vector<float> values;
    float step = 0.1f;
    for (float x = -50.0f; x <= 50; x = Next(x, step)) {
        if (float next = ReactanceStep(x); next > 0) step = next;
        if (x != 0) values.push_back(x);
    }
    return values;
}

std::vector<float> FineReactances() {
    std::vector<float> values;
    // The value standing for x = 0 arrives as about 1.6e-7: the real axis is its locus.
    for (float x = -1.0f; x <= 1.0f; x = Next(x, 0.05f))
        if (std::fabs(x) >= 0.025f) values.push_back(x);
    return values;
}

std::string ResistanceLabel(double r) {
    return tk::FloatToStrF(r, 3, 1);
}

TPixel DrawWavelengthLabels(tk::TCanvas& canvas, float radToWaves) {
    TPixel anchor;
    for (float m = 0; m < SevenQuarterPi; m = tk::ToSingle(double(m) + QuarterPi)) {
        anchor = TruncatedSum(WaveRingRadius * std::cos(m + Pi), WaveRingRadius * std::sin(m + Pi));
        const double waves = double(m) * radToWaves;
        canvas.TextOut(anchor.X - 10, anchor.Y, tk::FloatToStrF(waves, 3, 2));
    }
    return anchor;
}

void DrawGrid(TChartState& s, tk::TCanvas& canvas) {
    canvas.Pen.Color = tk::clBlack;
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Pen.Width = 1;

    FineReactanceArcs(s, canvas);
    BlankUnitResistanceDisc(s, canvas);

    canvas.Pen.Width = 3;
    ResistanceCircles(s, canvas, true);

    canvas.Pen.Color = tk::clBlack;
    canvas.Pen.Width = 3;
    MainReactanceArcs(s, canvas);

    for (float k : {1.0f, -1.0f}) {
        SetXCircle(s, k);
        canvas.Pen.Width = 2;
        DrawXCircle(s, canvas);
    }

    canvas.Pen.Width = 3;
    canvas.MoveTo(OpenCircuitX, ChartCenterY);
    canvas.LineTo(ShortCircuitX, ChartCenterY);

    WipeBeyond(canvas, BeyondRimRadius);

    ResistanceCircles(s, canvas, false);

    s.RadToWaves = WavesPerRadian();
    canvas.Brush.Style = TBrushStyle::bsSolid;
    const TPixel anchor = DrawWavelengthLabels(canvas, s.RadToWaves);
    s.PixX = anchor.X;
    s.PixY = anchor.Y;

    canvas.Brush.Style = TBrushStyle::bsClear;
}

} // namespace chart
