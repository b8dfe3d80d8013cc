#include "zmatch/methods/SeriesStub.h"

#include "zmatch/StubMatch.h"
#include "zmatch/methods/ChartTurns.h"
#include "zmatch/methods/Palette.h"
#include "zmatch/methods/Printed.h"

#include "chart/CircleIntersect.h"
#include "chart/Circles.h"
#include "chart/ExactText.h"
#include "chart/Marks.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Single.h"

#include <cmath>
#include <limits>
#include <string>

namespace zmatch::methods {

namespace {

using chart::ChartCenterX;
using chart::ChartCenterY;
using chart::ChartRadius;
using chart::TPixel;
using tk::ToSingle;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
// The stubs' arcs outside the rim, each solution a ring of its own beyond the turns'.
constexpr int kStubArcStep = 4;
// The circle of -x inside the disc, drawn as this many lines.
constexpr int kStubCircleSteps = 120;

TPixel Truncated(float x, float y) {
    if (!std::isfinite(x) || !std::isfinite(y)) throw tk::EInvalidOp(kConstructionMessage);
    return {tk::Trunc(x), tk::Trunc(y)};
}

// Where the stub's end lies on the rim: a short circuit, z = 0, on the left; an open end,
// z = ∞, on the right.
float StubEnd(theory::TStubKind kind) {
    return kind == theory::TStubKind::Short ? float(chart::Pi) : 0.0f;
}

// S: where the circle of the stub's reactance meets the rim, the crossing other than the
// open-circuit point every reactance circle passes through. x = 0 is the real axis, which
// meets the rim at z = 0, the short-circuit point.
void PlaceS(TSeriesCrossing& c) {
    if (c.StubX == 0) {
        c.S = {chart::ShortCircuitX, ChartCenterY};
        return;
    }
    c.StubCircleY = ToSingle((1 / double(c.StubX)) * -double(ChartRadius) + ChartCenterY);
    c.StubCircleR = ToSingle((1 / std::fabs(double(c.StubX))) * ChartRadius);
    float x1 = kNaN, y1 = kNaN, x2 = kNaN, y2 = kNaN;
    if (!chart::CircleIntersect(ChartCenterX, ChartCenterY, ChartRadius, chart::OpenCircuitX,
                                c.StubCircleY, c.StubCircleR, &x1, &y1, &x2, &y2))
        throw tk::EInvalidOp(kConstructionMessage);
    const auto fromOpen = [](float x, float y) {
        return std::hypot(double(x) - chart::OpenCircuitX, double(y) - ChartCenterY);
    };
    c.S = fromOpen(x1, y1) > fromOpen(x2, y2) ? Truncated(x1, y1) : Truncated(x2, y2);
}

// The circle of the stub's reactance from the open-circuit point to S, inside the disc: the
// shorter arc, as the circle crosses the rim at right angles.
void DrawStubCircle(tk::TCanvas& c, const TSeriesCrossing& s) {
    if (s.StubX == 0) return; // the real axis, drawn with the grid
    const double cy = s.StubCircleY, r = s.StubCircleR;
    const double from = std::atan2(ChartCenterY - cy, 0.0);
    double sweep = std::atan2(s.S.Y - cy, double(s.S.X) - chart::OpenCircuitX) - from;
    if (sweep > chart::Pi) sweep -= chart::TwoPi;
    if (sweep < -chart::Pi) sweep += chart::TwoPi;
    c.MoveTo(chart::OpenCircuitX, ChartCenterY);
    for (int i = 1; i <= kStubCircleSteps; ++i) {
        const double t = from + sweep * i / kStubCircleSteps;
        c.LineTo(tk::Trunc(chart::OpenCircuitX + r * std::cos(t)), tk::Trunc(cy + r * std::sin(t)));
    }
}

} // namespace

double TSeriesCrossing::Distance() const {
    return Waves(Sweep);
}

double TSeriesCrossing::Stub() const {
    return Waves(StubSweep);
}

TSeriesStubPlan PlanSeriesStub(const chart::TLoadPoint& load, theory::TStubKind kind) {
    TSeriesStubPlan p;
    p.Kind = kind;
    p.From = ScreenAngle(load.Ux, load.Uy);

    // The load's |Г| circle meets r = 1 (centre halfway to the rim, through the centre).
    const chart::TRCirclePixels r1 = chart::RCirclePixels(0.5f, 0.5f);
    float x1 = kNaN, y1 = kNaN, x2 = kNaN, y2 = kNaN;
    if (!chart::CircleIntersect(ChartCenterX, ChartCenterY, load.DistPx, r1.PixX, ChartCenterY,
                                r1.PixR, &x1, &y1, &x2, &y2))
        throw tk::EInvalidOp(kConstructionMessage);
    const bool firstAbove = y1 < y2;
    for (std::size_t i = 0; i < p.Crossings.size(); ++i) {
        TSeriesCrossing& c = p.Crossings[i];
        const bool first = (i == 0) == firstAbove;
        const float xy[] = {first ? x1 : x2, first ? y1 : y2};
        c.Point = Truncated(xy[0], xy[1]);
        // The ray through a crossing whose pixel is the centre's (a load a pixel from the
        // centre) runs through the crossing itself.
        const double dx = double(xy[0]) - ChartCenterX, dy = double(xy[1]) - ChartCenterY;
        const double rho = std::hypot(dx, dy);
        c.Angle = c.Point == TPixel{ChartCenterX, ChartCenterY}
                      ? ScreenAngle(ToSingle(dx / rho), ToSingle(dy / rho))
                      : ScreenAngle(c.Point);
        c.At = chart::ImpedanceAt(c.Point);
        if (!c.At.Defined) throw tk::EInvalidOp(kConstructionMessage);
        // A crossing on the load's own pixel or the next is the load itself at the chart's
        // resolution: no turn, where a pixel behind it would read nearly half a wavelength.
        const bool atLoad =
            std::abs(c.Point.X - load.Point.X) <= 1 && std::abs(c.Point.Y - load.Point.Y) <= 1;
        c.Sweep = atLoad ? 0.0f : Sweep(p.From, c.Angle);
        c.StubX = ToSingle(-1.0 * c.At.X);
        PlaceS(c);
        // From S's pixel as a whole: near the ends of the axis its column alone cannot tell
        // above from below.
        c.SAngle = ScreenAngle(c.S);
        c.StubSweep = Sweep(StubEnd(kind), c.SAngle);
    }
    return p;
}

namespace {

constexpr const char* kSeriesNames[] = {"через верхнюю точку z = 1 + jx",
                                        "через нижнюю точку z = 1 - jx"};

std::string ExactText(const theory::TSeriesStubSolution& e, double lambda) {
    return "d = " + ExactLengthText(e.Distance, lambda) + ", z = " + chart::ExactComplex({1, e.X}) +
           ", l = " + ExactLengthText(e.Stub, lambda);
}

} // namespace

std::vector<std::string> SeriesStubExact(const TMethodInput& in) {
    const theory::TSeriesStubSolutions exact =
        theory::SolveSeriesStub(in.Load.Typed.Exact.ZNorm(), in.Options.Stub);
    if (exact.Case != theory::TMatchCase::Solved) return {};
    const double lambda = in.Options.Wavelength;
    return {std::string(kSeriesNames[0]) + ": " + ExactText(exact.First, lambda),
            std::string(kSeriesNames[1]) + ": " + ExactText(exact.Second, lambda)};
}

TMethodOutcome SolveSeriesStub(const TMethodInput& in) {
    const chart::TLoadPoint& load = in.Load;
    const theory::TStubKind kind = in.Options.Stub;
    const theory::TComplex z = load.Typed.Exact.ZNorm();
    const theory::TSeriesStubSolutions exact = theory::SolveSeriesStub(z, kind);
    if (exact.Case != theory::TMatchCase::Solved) throw tk::Exception(kConstructionMessage);
    const TSeriesStubPlan plan = PlanSeriesStub(load, kind);

    TMethodOutcome out;
    const theory::TSeriesStubSolution* exacts[] = {&exact.First, &exact.Second};
    const double lambda = in.Options.Wavelength;
    for (std::size_t i = 0; i < plan.Crossings.size(); ++i) {
        const TSeriesCrossing& c = plan.Crossings[i];
        const theory::TSeriesStubSolution& e = *exacts[i];
        // The chart's answer as printed: the lengths to a thousandth, x to a hundredth.
        const TPrinted d = PrintedLength(c.Distance()), l = PrintedLength(c.Stub()),
                       x = Printed(c.At.X, 4, 2);
        TSolution s;
        s.Name = kSeriesNames[i];
        s.Color = SolutionColor(i);
        s.Reading = "d = " + LengthText(d, lambda) +
                    ", z = " + chart::ComplexText(c.At.R, x.Value, 4, 2) +
                    ", l = " + LengthText(l, lambda);
        s.Exact = ExactText(e, lambda);
        s.ChartValues = {Number("d", d.Value), Number("l", l.Value), Number("x", x.Value)};
        s.ExactValues = {Number("d", e.Distance), Number("l", e.Stub), Number("x", e.X)};
        AddInUnit(s.ChartValues, {"d", "l"}, lambda);
        AddInUnit(s.ExactValues, {"d", "l"}, lambda);
        s.Printed = theory::SeriesStubNetwork({d.Value, x.Value, l.Value}, kind);
        s.ExactNetwork = theory::SeriesStubNetwork(e, kind);
        s.BuiltVswr = theory::InputVswr(s.Printed, z, 1);
        out.Solutions.push_back(std::move(s));
        if (c.Sweep == 0)
            out.Notes.push_back("Нагрузка уже на r = 1: шлейф " + std::to_string(i + 1) +
                                " — у самой нагрузки, d = 0.");
    }
    out.Steps = SeriesStubSteps(load, plan, exact, out.Solutions, lambda);

    out.Draw = [plan](tk::TCanvas& c, chart::TStepMarks& marks) {
        const float end = StubEnd(plan.Kind);
        for (std::size_t i = 0; i < plan.Crossings.size(); ++i) {
            const TSeriesCrossing& s = plan.Crossings[i];
            const tk::TColor color = SolutionColor(i);
            marks.Begin();
            // The turn: a tick at the load's angle on the wavelength ring, clockwise inside it
            // to the crossing, each solution a ring of its own; the ray reads its place.
            c.Pen.Color = color;
            c.Pen.Width = 1;
            const int radius = kTurnArcRadius - 5 * int(i);
            const TPixel tick = OnCircle(chart::WaveRingRadius, plan.From);
            c.MoveTo(tick.X, tick.Y);
            const TPixel start = OnCircle(radius, plan.From);
            c.LineTo(start.X, start.Y);
            DrawArc(c, radius, plan.From, s.Sweep);
            chart::DrawRay(c, OnCircle(chart::WaveRingRadius, s.Angle));
            c.Pen.Width = 2;
            chart::DrawMarker(c, s.Point, color);
            marks.End();

            marks.Begin();
            // The circle of -x to S on the rim, then the stub along the rim from its end,
            // wider than the turn.
            c.Pen.Color = color;
            c.Pen.Width = 2;
            DrawStubCircle(c, s);
            const int stubRadius = kStubArcRadius + kStubArcStep * int(i);
            const TPixel rim = OnCircle(ChartRadius, end);
            c.MoveTo(rim.X, rim.Y);
            const TPixel out = OnCircle(stubRadius, end);
            c.LineTo(out.X, out.Y);
            DrawArc(c, stubRadius, end, s.StubSweep);
            chart::DrawMarker(c, s.S, color);
            marks.End();
        }
        c.Pen.Width = 1;
        marks.Begin(); // what the line sees at the stubs: read, not drawn
        marks.End();
    };
    return out;
}

} // namespace zmatch::methods
