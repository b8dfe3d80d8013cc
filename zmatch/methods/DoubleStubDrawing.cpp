// The double stub drawn over the load's construction, a step for each sentence
// DoubleStubSteps tells: A, the forbidden region hatched, the first stub's place, the turned
// circle, and each solution's arcs to B and C and its stubs' lengths on the rim.
#include "zmatch/methods/DoubleStub.h"

#include "zmatch/StubMatch.h"
#include "zmatch/methods/ChartTurns.h"
#include "zmatch/methods/Palette.h"

#include "chart/Marks.h"
#include "toolkit/Conversions.h"
#include "toolkit/Single.h"

#include <algorithm>
#include <cmath>

namespace zmatch::methods {

using chart::ChartCenterX;
using chart::ChartCenterY;
using chart::TPixel;
using tk::ToSingle;

namespace {

// What the solutions share is grey, the turned circle brown, the forbidden region hatched
// in a pale red that reads as a warning and lets the black grid through.
constexpr tk::TColor kShared = tk::RGB(100, 100, 100);
constexpr tk::TColor kTurnedCircle = tk::RGB(150, 80, 0);
constexpr tk::TColor kHatch = tk::RGB(240, 150, 150);
constexpr int kHatchEvery = 6; // pixels between the hatching's lines along a row

// Between the rim (its line ends at 301,5) and the wavelength labels (320): the stubs' arcs,
// each solution's two 3 px apart, then the first stub's distance.
constexpr int kFirstStubArcRadius = 317;
int StubArcRadius(std::size_t solution, int stub) {
    return 305 + 6 * int(solution) + 3 * stub;
}

// The screen angle of p seen from (cx, cy).
float AngleAbout(double cx, double cy, TPixel p) {
    const double dx = p.X - cx, dy = p.Y - cy, r = std::hypot(dx, dy);
    return r == 0 ? 0.0f : ScreenAngle(ToSingle(dx / r), ToSingle(dy / r));
}

// The hatching: lines up and to the right every kHatchEvery pixels of a row, over the
// pixels inside the circle (its own line left clear) that are still white, so that the
// grid and the load's construction show through unbroken.
void DrawHatching(tk::TCanvas& c, chart::TRCirclePixels circle) {
    const double inner = circle.PixR - 1.5;
    if (inner <= 0) return;
    const auto inside = [&](int x, int y) {
        const double dx = x + 0.5 - circle.PixX, dy = y + 0.5 - ChartCenterY;
        return dx * dx + dy * dy < inner * inner && c.Pixel(x, y) == tk::clWhite;
    };
    const int left = circle.PixX - circle.PixR, top = ChartCenterY - circle.PixR;
    const int right = circle.PixX + circle.PixR, bottom = ChartCenterY + circle.PixR;
    c.Pen = {kHatch, 1, tk::TPenStyle::psSolid};
    // A line of pixels (x, y), (x + 1, y - 1) ... with x + y = sum.
    const int first = left + top + ((kHatchEvery - (left + top) % kHatchEvery) % kHatchEvery);
    for (int sum = first; sum <= right + bottom; sum += kHatchEvery) {
        int runStart = -1;
        const int x0 = std::max(left, sum - bottom), x1 = std::min(right, sum - top);
        for (int x = x0; x <= x1 + 1; ++x) {
            const bool in = x <= x1 && inside(x, sum - x);
            if (in && runStart < 0) runStart = x;
            if (!in && runStart >= 0) {
                c.MoveTo(runStart, sum - runStart);
                c.LineTo(x, sum - x); // up to, not including, the first pixel outside
                runStart = -1;
            }
        }
    }
}

// An arc about (cx, cy) of `radius` from the screen angle `from` over `sweep` (either way),
// in line pieces.
void DrawArcAbout(tk::TCanvas& c, double cx, double cy, double radius, double from, double sweep) {
    constexpr int kSteps = 120;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = from + sweep * i / kSteps;
        const int x = tk::Trunc(cx + radius * std::cos(t)),
                  y = tk::Trunc(cy + radius * std::sin(t));
        if (i == 0)
            c.MoveTo(x, y);
        else
            c.LineTo(x, y);
    }
}

// The stub's length on the rim: from its end point clockwise to S's angle.
void DrawStubArc(tk::TCanvas& c, int radius, float start, float sweep, TPixel s, tk::TColor color,
                 bool dashed) {
    c.Pen = {color, 1, dashed ? tk::TPenStyle::psDash : tk::TPenStyle::psSolid};
    DrawArc(c, radius, start, sweep);
    c.Pen = {color, 1, tk::TPenStyle::psSolid};
    chart::DrawMarker(c, s, color);
}

// What the solutions share: A, the forbidden region, the first stub's place, the turned
// circle, the constant-g circle through A1 and its crossings.
void DrawShared(tk::TCanvas& c, const TDoubleStubConstruction& p, chart::TStepMarks& marks) {
    c.Brush.Style = tk::TBrushStyle::bsClear;

    marks.Begin(); // A, opposite the load
    c.Pen = {kShared, 1, tk::TPenStyle::psSolid};
    chart::DrawRay(c, OnCircle(chart::WaveRingRadius, p.PhiA));
    chart::DrawMarker(c, p.A, tk::clRed);
    marks.End();

    // The forbidden region: its hatching belongs to no step, so that the steps' pictures
    // stress the circle round it and not a hundred pieces of hatching over the grid.
    DrawHatching(c, p.ForbiddenG);
    marks.Begin();
    c.Brush.Style = tk::TBrushStyle::bsClear;
    if (p.ForbiddenG.PixR > 0) chart::DrawRCircle(c, p.ForbiddenG);
    marks.End();

    marks.Begin(); // the first stub's place
    if (p.Turn1 != 0) {
        c.Pen = {kShared, 1, tk::TPenStyle::psSolid};
        const TPixel tick = OnCircle(chart::WaveRingRadius, p.PhiA);
        c.MoveTo(tick.X, tick.Y);
        const TPixel start = OnCircle(kFirstStubArcRadius, p.PhiA);
        c.LineTo(start.X, start.Y);
        DrawArc(c, kFirstStubArcRadius, p.PhiA, p.Turn1);
        chart::DrawRay(c, OnCircle(chart::WaveRingRadius, p.PhiA1));
        chart::DrawMarker(c, p.A1, tk::clRed);
    }
    marks.End();

    marks.Begin(); // g = 1 turned toward the load
    const chart::TRCirclePixels unit = UnitConductanceCircle();
    c.Pen = {kTurnedCircle, 2, tk::TPenStyle::psSolid};
    c.Brush.Style = tk::TBrushStyle::bsClear;
    c.Ellipse(p.Turned.X - unit.PixR, p.Turned.Y - unit.PixR, p.Turned.X + unit.PixR,
              p.Turned.Y + unit.PixR);
    marks.End();

    marks.Begin(); // the constant-g circle through A1 and its crossings
    c.Pen = {kShared, 1, tk::TPenStyle::psSolid};
    c.Brush.Style = tk::TBrushStyle::bsClear;
    chart::DrawRCircle(c, p.ConstantG);
    for (std::size_t i = p.Count(); i-- > 0;)
        chart::DrawMarker(c, p.Solutions[i].B, SolutionColor(i));
    marks.End();
}

// One solution: the first stub along constant g from A1 to B, the spacing's turn to C and
// the second stub to the centre, the stubs' lengths on the rim.
void DrawSolution(tk::TCanvas& c, const TDoubleStubConstruction& p, std::size_t i,
                  chart::TStepMarks& marks) {
    const TDoubleStubOnChart& s = p.Solutions[i];
    const tk::TColor color = SolutionColor(i);

    marks.Begin(); // the first stub: along constant g from A1 to B
    c.Pen = {color, 2, tk::TPenStyle::psSolid};
    const double gx = p.ConstantG.PixX;
    const float fromA1 = AngleAbout(gx, ChartCenterY, p.A1);
    DrawArcAbout(c, gx, ChartCenterY, p.ConstantG.PixR, fromA1,
                 double(AngleAbout(gx, ChartCenterY, s.B)) - fromA1);
    chart::DrawMarker(c, s.B, color);
    marks.End();

    marks.Begin(); // the spacing's turn to C on g = 1, the second stub to the centre
    c.Pen = {color, 2, tk::TPenStyle::psSolid};
    DrawArc(c, tk::Trunc(s.RadiusB), s.PhiB, p.TurnS);
    const double ux = UnitConductanceCircle().PixX;
    const float fromC = AngleAbout(ux, ChartCenterY, s.C);
    DrawArcAbout(c, ux, ChartCenterY, UnitConductanceCircle().PixR, fromC,
                 double(AngleAbout(ux, ChartCenterY, {ChartCenterX, ChartCenterY})) - fromC);
    chart::DrawMarker(c, s.C, color);
    marks.End();

    marks.Begin(); // the stubs' lengths on the rim, the second dashed
    const float start = p.Kind == theory::TStubKind::Short ? 0.0f : float(chart::Pi);
    DrawStubArc(c, StubArcRadius(i, 0), start, s.Sweep1, s.S1, color, false);
    DrawStubArc(c, StubArcRadius(i, 1), start, s.Sweep2, s.S2, color, true);
    marks.End();
}

} // namespace

void DrawDoubleStub(tk::TCanvas& c, const TDoubleStubConstruction& p, chart::TStepMarks& marks) {
    DrawShared(c, p, marks);
    for (std::size_t i = 0; i < p.Count(); ++i)
        DrawSolution(c, p, i, marks);

    marks.Begin(); // what the line sees beyond the second stub
    marks.End();
    c.Pen = {tk::clGreen, 2, tk::TPenStyle::psSolid};
    c.Brush = {tk::TBrushStyle::bsSolid, tk::clWhite};
}

} // namespace zmatch::methods
