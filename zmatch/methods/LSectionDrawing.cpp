// The L-section drawn over the load's construction: for each kind of section the circle its
// first element moves along or must reach, then each section's two arcs from the load through
// its crossing to the centre, in its colour, a step for each sentence LSectionSteps tells.
#include "zmatch/methods/LSection.h"

#include "zmatch/methods/Palette.h"

#include "chart/AdmittanceGrid.h"
#include "chart/Marks.h"
#include "toolkit/Conversions.h"
#include "toolkit/Single.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zmatch::methods {

using chart::ChartCenterY;
using chart::TPixel;
using theory::TNearLoad;
using tk::ToSingle;
using tk::Trunc;

namespace {

// Arcs are drawn in line pieces of about this many pixels, as the admittance grid's circles.
constexpr double kPieceLength = 3;

// An arc along the circle c from `from` to `to`, the way that does not pass the circle's
// point on the rim: G = 1, at angle 0 about its centre, for a resistance circle; G = -1, at
// π, for a conductance circle. Angles about the circle's centre, clockwise on the screen.
struct TArc {
    TAxisCircle Circle;
    TPixel From, To;
    float Start = 0, Sweep = 0;
};

TArc ArcAlong(TAxisCircle c, bool conductance, TPixel from, TPixel to) {
    const auto angle = [&](TPixel p) {
        const float t = ToSingle(std::atan2(double(p.Y - ChartCenterY), double(p.X - c.X)));
        return !conductance && t < 0 ? ToSingle(t + chart::TwoPi) : t;
    };
    const float start = angle(from);
    return {c, from, to, start, ToSingle(double(angle(to)) - start)};
}

// Line pieces of about 3 pixels from `From` exactly to `To` exactly, the corners between
// truncated. Over its first `dashed` radians the arc is drawn in dashes of three pieces, so
// that an arc it covers there shows through.
void DrawArc(tk::TCanvas& canvas, const TArc& a, float dashed = 0) {
    const TAxisCircle c = a.Circle;
    const int pieces = std::max(1, int(std::ceil(std::fabs(double(a.Sweep)) * c.R / kPieceLength)));
    canvas.MoveTo(a.From.X, a.From.Y);
    for (int i = 1; i <= pieces; ++i) {
        const double t = double(a.Sweep) * i / pieces;
        const TPixel p = i == pieces ? a.To
                                     : TPixel{Trunc(c.X + c.R * std::cos(a.Start + t)),
                                              Trunc(ChartCenterY + c.R * std::sin(a.Start + t))};
        const bool gap = std::fabs(t) <= std::fabs(double(dashed)) && (i - 1) / 3 % 2 == 1;
        if (gap)
            canvas.MoveTo(p.X, p.Y);
        else
            canvas.LineTo(p.X, p.Y);
    }
}

// Two arcs leaving the load the same way along its circle share their first part: the later
// one is dashed over the shorter's length.
float SharedSweep(const TArc& earlier, const TArc& later) {
    if (!((earlier.Sweep > 0 && later.Sweep > 0) || (earlier.Sweep < 0 && later.Sweep < 0)))
        return 0;
    return std::min(std::fabs(earlier.Sweep), std::fabs(later.Sweep));
}

void DrawCorners(tk::TCanvas& canvas, const std::vector<TPixel>& corners) {
    if (corners.empty()) return;
    canvas.MoveTo(corners.front().X, corners.front().Y);
    for (const TPixel& p : corners)
        canvas.LineTo(p.X, p.Y);
}

} // namespace

void DrawLSection(const TLSectionPlan& plan, tk::TCanvas& c, chart::TStepMarks& marks) {
    const TPixel load = plan.Load.Point;
    std::size_t i = 0;
    for (const bool shuntFirst : {true, false}) {
        if (!(shuntFirst ? plan.HasShuntFirst() : plan.HasSeriesFirst())) continue;
        // The circle the first element moves along for the element across (the load's g),
        // or the one it must reach for the series element (g = 1): teal, as the admittance
        // grid's.
        marks.Begin();
        c.Pen.Color = chart::AdmittanceGridInk;
        c.Pen.Width = 1;
        DrawCorners(c, chart::ConductanceCircle(shuntFirst ? plan.G : 1.0f));
        marks.End();
        std::vector<TArc> firstLegs;
        for (const TLSectionOnChart& s : plan.Sections) {
            if ((s.Exact.NearLoad == TNearLoad::Shunt) != shuntFirst) continue;
            const TArc first = shuntFirst ? ArcAlong(plan.GCircle, true, load, s.Crossing)
                                          : ArcAlong(plan.RCircle, false, load, s.Crossing);
            const TArc second =
                shuntFirst ? ArcAlong(kUnitResistanceCircle, false, s.Crossing, kChartCentre)
                           : ArcAlong(kUnitConductanceCircle, true, s.Crossing, kChartCentre);
            marks.Begin();
            c.Pen.Color = SolutionColor(i);
            c.Pen.Width = 2;
            DrawArc(c, first, firstLegs.empty() ? 0 : SharedSweep(firstLegs.front(), first));
            DrawArc(c, second);
            c.Pen.Width = 1;
            chart::DrawMarker(c, s.Crossing, SolutionColor(i));
            chart::DrawMarker(c, load, tk::clLime); // kept on top of the arcs that leave it
            marks.End();
            firstLegs.push_back(first);
            ++i;
        }
    }
    marks.Begin(); // every section ends in the centre
    chart::DrawMarker(c, kChartCentre, tk::clRed);
    marks.End();
}

} // namespace zmatch::methods
