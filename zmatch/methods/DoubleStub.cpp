// Sections: the colours and radii; planning (the turns, the crossings, the rim); drawing
// (the hatching, the arcs, the steps); the outcome the window shows.
#include "zmatch/methods/DoubleStub.h"

#include "zmatch/StubMatch.h"
#include "zmatch/methods/ChartTurns.h"
#include "zmatch/methods/Palette.h"

#include "chart/CircleIntersect.h"
#include "chart/ExactText.h"
#include "chart/Marks.h"
#include "theory/Turns.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Single.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace zmatch::methods {

const char* const kDoubleStubChartMessage =
    "Построить согласование двумя шлейфами на диаграмме не удалось: при этой нагрузке и этих "
    "расстояниях окружности построения не пересекаются в пределах точности диаграммы. Немного "
    "измените Zн, Zв или расстояния до шлейфов.";

using chart::ChartCenterX;
using chart::ChartCenterY;
using chart::ChartRadius;
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

// Circles that miss by this little touch, as on paper.
constexpr double kTouchPx = 3;

// An angle of the screen brought into [0, 2π).
float Around(double phi) {
    const double r = theory::Wrap(phi, chart::TwoPi);
    return ToSingle(r >= chart::TwoPi ? 0.0 : r);
}

// The turn of `waves` toward the generator: 4π a wavelength, once round every half.
float TurnOf(double waves) {
    return ToSingle(2 * chart::TwoPi * theory::Wrap(waves, 0.5));
}

// The circle of constant conductance g, as the resistance circles are drawn: centre
// g/(1 + g), radius 1/(1 + g).
chart::TRCirclePixels ConductanceCircle(double g) {
    return chart::RCirclePixels(ToSingle(g / (1 + g)), ToSingle(1 / (1 + g)));
}

TPixel Truncated(float x, float y) {
    if (!std::isfinite(x) || !std::isfinite(y)) throw tk::Exception(kDoubleStubChartMessage);
    return {tk::Trunc(x), tk::Trunc(y)};
}

// The screen angle of p seen from (cx, cy).
float AngleAbout(double cx, double cy, TPixel p) {
    const double dx = p.X - cx, dy = p.Y - cy, r = std::hypot(dx, dy);
    return r == 0 ? 0.0f : ScreenAngle(ToSingle(dx / r), ToSingle(dy / r));
}

chart::TImpedanceAt Read(TPixel p) {
    const chart::TImpedanceAt at = chart::ImpedanceAt(p);
    if (!at.Defined) throw tk::Exception(kDoubleStubChartMessage);
    return at;
}

// A crossing read within 3 px of the open-circuit point, where every circle of constant g
// and b meets, reads nothing: the turned circle has all but fallen onto g = 1 (a spacing of
// 10^-6 λ), and B read at (698, 350) would give g = 298 on a circle of g = 2,5.
constexpr double kNearOpenPx = 3;
chart::TImpedanceAt ReadCrossing(TPixel p) {
    if (std::hypot(p.X - chart::OpenCircuitX, p.Y - ChartCenterY) < kNearOpenPx)
        throw tk::Exception(kDoubleStubChartMessage);
    return Read(p);
}

// Where two circles that miss by at most kTouchPx come nearest: the middle of the gap on
// the line of their centres, outside each other or one within the other.
std::optional<TPixel> Touch(double x1, double y1, double r1, double x2, double y2, double r2) {
    const double d = std::hypot(x2 - x1, y2 - y1);
    if (d == 0) return std::nullopt;
    const double ux = (x2 - x1) / d, uy = (y2 - y1) / d;
    double s1 = r1, s2 = -r2; // along u from each centre
    if (d < r1 - r2) s2 = r2;
    if (d < r2 - r1) s1 = -r1, s2 = -r2;
    const double ax = x1 + ux * s1, ay = y1 + uy * s1, bx = x2 + ux * s2, by = y2 + uy * s2;
    if (std::hypot(bx - ax, by - ay) > kTouchPx) return std::nullopt;
    return Truncated(ToSingle((ax + bx) / 2), ToSingle((ay + by) / 2));
}

// S, where the circle of susceptance b meets the rim (the crossing away from the open-circuit
// point all such circles share). A circle too large for the chart is the real axis: b = 0
// there, at the left end; one too small to cross is the point y = ∞ itself.
TPixel RimPoint(float b) {
    const TPixel zero{chart::ShortCircuitX, ChartCenterY},
        infinite{chart::OpenCircuitX, ChartCenterY};
    if (b == 0) return zero;
    const float cy = ToSingle((1 / double(b)) * -double(ChartRadius) + ChartCenterY);
    const float r = ToSingle((1 / std::fabs(double(b))) * ChartRadius);
    if (!chart::WithinPixelLimit(r)) return zero;
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    float x1 = nan, y1 = nan, x2 = nan, y2 = nan;
    if (!chart::CircleIntersect(ChartCenterX, ChartCenterY, ChartRadius, chart::OpenCircuitX, cy, r,
                                &x1, &y1, &x2, &y2))
        return infinite;
    const auto away = [](float x, float y) {
        return std::hypot(double(x) - chart::OpenCircuitX, double(y) - ChartCenterY);
    };
    return away(x1, y1) >= away(x2, y2) ? Truncated(x1, y1) : Truncated(x2, y2);
}

float StubStart(theory::TStubKind kind) {
    return kind == theory::TStubKind::Short ? 0.0f : float(chart::Pi);
}

} // namespace

double TDoubleStubOnChart::Stub1() const {
    return Waves(Sweep1);
}
double TDoubleStubOnChart::Stub2() const {
    return Waves(Sweep2);
}

TDoubleStubConstruction PlanDoubleStub(const chart::TLoadPoint& load, const TMethodOptions& o) {
    TDoubleStubConstruction p;
    p.Kind = o.Stub;
    p.Spacing = o.Spacing;
    p.TypedFirstStub = o.FirstStub;
    p.Exact = theory::SolveDoubleStub(load.Typed.Exact.ZNorm(), o.Stub, o.FirstStub, o.Spacing);
    if (p.Exact.Case != theory::TMatchCase::Solved) throw tk::Exception(kDoubleStubChartMessage);
    p.Largest = theory::LargestMatchableConductance(o.Spacing);
    p.ForbiddenG = ConductanceCircle(p.Largest);

    // A, and A1 where the first stub stands, on the |Г| circle.
    p.A = chart::Opposite(load.Point);
    p.PhiA = ScreenAngle(p.A);
    p.AtA = Read(p.A);
    const auto turned = [&](float turn) {
        const float phi = Around(double(p.PhiA) + turn);
        return turn == 0 ? p.A
                         : chart::TruncatedOffset(load.DistPx * std::cos(phi),
                                                  load.DistPx * std::sin(phi));
    };
    p.Turn1 = TurnOf(p.FirstStub());
    p.PhiA1 = Around(double(p.PhiA) + p.Turn1);
    p.A1 = turned(p.Turn1);
    p.AtA1 = Read(p.A1);
    p.AtTyped = p.Forbidden() ? Read(turned(TurnOf(o.FirstStub))) : p.AtA1;

    // g = 1 turned toward the load, counter-clockwise, by the spacing.
    p.TurnS = TurnOf(o.Spacing);
    const chart::TRCirclePixels unit = UnitConductanceCircle();
    const double offset = unit.PixX - ChartCenterX;
    p.Turned = chart::TruncatedOffset(offset * std::cos(-double(p.TurnS)),
                                      offset * std::sin(-double(p.TurnS)));

    // B1 and B2: the constant-g circle of A1 crosses the turned circle.
    p.ConstantG = ConductanceCircle(p.AtA1.R);
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    float x1 = nan, y1 = nan, x2 = nan, y2 = nan;
    std::array<TPixel, 2> crossings;
    if (chart::CircleIntersect(p.ConstantG.PixX, ChartCenterY, p.ConstantG.PixR, p.Turned.X,
                               p.Turned.Y, unit.PixR, &x1, &y1, &x2, &y2)) {
        crossings = {Truncated(x1, y1), Truncated(x2, y2)};
    } else {
        const std::optional<TPixel> touch = Touch(p.ConstantG.PixX, ChartCenterY, p.ConstantG.PixR,
                                                  p.Turned.X, p.Turned.Y, unit.PixR);
        if (!touch) throw tk::Exception(kDoubleStubChartMessage);
        crossings = {*touch, *touch};
        p.Touching = true;
    }
    std::array<chart::TImpedanceAt, 2> atB = {ReadCrossing(crossings[0]),
                                              ReadCrossing(crossings[1])};
    if (atB[1].X > atB[0].X) {
        std::swap(crossings[0], crossings[1]);
        std::swap(atB[0], atB[1]);
    }

    const float start = StubStart(o.Stub);
    for (std::size_t i = 0; i < p.Solutions.size(); ++i) {
        TDoubleStubOnChart& s = p.Solutions[i];
        s.B = crossings[i];
        s.AtB = atB[i];
        s.B1 = ToSingle(double(s.AtB.X) - p.AtA1.X);
        // The line between the stubs keeps |Г| and turns B toward the generator onto g = 1.
        s.RadiusB = ToSingle(std::hypot(s.B.X - ChartCenterX, s.B.Y - ChartCenterY));
        s.PhiB = ScreenAngle(s.B);
        s.PhiC = Around(double(s.PhiB) + p.TurnS);
        s.C = chart::TruncatedOffset(s.RadiusB * std::cos(s.PhiC), s.RadiusB * std::sin(s.PhiC));
        s.AtC = ReadCrossing(s.C);
        s.B2 = ToSingle(-double(s.AtC.X));
        s.S1 = RimPoint(s.B1);
        s.S2 = RimPoint(s.B2);
        s.Sweep1 = Sweep(start, ScreenAngle(s.S1));
        s.Sweep2 = Sweep(start, ScreenAngle(s.S2));
    }
    return p;
}

namespace {

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

} // namespace

void DrawDoubleStub(tk::TCanvas& c, const TDoubleStubConstruction& p, chart::TStepMarks& marks) {
    const TPixel centre{ChartCenterX, ChartCenterY};
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
    for (std::size_t i = p.Solutions.size(); i-- > 0;)
        chart::DrawMarker(c, p.Solutions[i].B, SolutionColor(i));
    marks.End();

    const float start = StubStart(p.Kind);
    for (std::size_t i = 0; i < p.Solutions.size(); ++i) {
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
        const double ux = unit.PixX;
        const float fromC = AngleAbout(ux, ChartCenterY, s.C);
        DrawArcAbout(c, ux, ChartCenterY, unit.PixR, fromC,
                     double(AngleAbout(ux, ChartCenterY, centre)) - fromC);
        chart::DrawMarker(c, s.C, color);
        marks.End();

        marks.Begin(); // the stubs' lengths on the rim, the second dashed
        DrawStubArc(c, StubArcRadius(i, 0), start, s.Sweep1, s.S1, color, false);
        DrawStubArc(c, StubArcRadius(i, 1), start, s.Sweep2, s.S2, color, true);
        marks.End();
    }

    marks.Begin(); // what the line sees beyond the second stub
    marks.End();
    c.Pen = {tk::clGreen, 2, tk::TPenStyle::psSolid};
    c.Brush = {tk::TBrushStyle::bsSolid, tk::clWhite};
}

namespace {

std::string Length(double v) {
    return tk::FloatToStrF(v, 6, 3);
}

double Rounded(double v) {
    return std::round(v * 1e3) / 1e3;
}

} // namespace

TMethodOutcome SolveDoubleStub(const TMethodInput& in) {
    const TDoubleStubConstruction p = PlanDoubleStub(in.Load, in.Options);
    const theory::TComplex z = in.Load.Typed.Exact.ZNorm();
    const std::array<const theory::TDoubleStubSolution*, 2> exacts{&p.Exact.First, &p.Exact.Second};
    TMethodOutcome out;
    std::array<double, 2> built{};
    for (std::size_t i = 0; i < p.Solutions.size(); ++i) {
        const TDoubleStubOnChart& c = p.Solutions[i];
        const theory::TDoubleStubSolution& e = *exacts[i];
        TSolution s;
        s.Name = "через точку B" + std::to_string(i + 1);
        s.Color = SolutionColor(i);
        s.Reading = "l1 = " + Length(c.Stub1()) + " λ, l2 = " + Length(c.Stub2()) + " λ";
        s.Exact = "l1 = " + chart::ExactNumber(e.Stub1) +
                  " λ, l2 = " + chart::ExactNumber(e.Stub2) +
                  " λ; шлейфы добавляют b1 = " + chart::ExactNumber(e.B1) +
                  ", b2 = " + chart::ExactNumber(e.B2);
        if (p.Forbidden())
            s.Exact += p.FirstStub() == 0
                           ? std::string("; первый у самой нагрузки")
                           : "; первый в " + chart::ShortNumber(p.FirstStub()) + " λ от нагрузки";
        s.ChartValues = {Number("l1", c.Stub1()), Number("l2", c.Stub2())};
        s.ExactValues = {Number("l1", e.Stub1), Number("l2", e.Stub2)};
        // What is built: the lengths as printed, the distances as typed (or the remedy's).
        s.Printed = theory::DoubleStubNetwork({0, 0, Rounded(c.Stub1()), Rounded(c.Stub2())},
                                              p.Kind, p.FirstStub(), p.Spacing);
        s.ExactNetwork = theory::DoubleStubNetwork(e, p.Kind, p.FirstStub(), p.Spacing);
        s.BuiltVswr = theory::InputVswr(s.Printed, z, 1);
        built[i] = s.BuiltVswr;
        out.Solutions.push_back(std::move(s));
    }
    out.Extra = {Flag("forbidden", p.Forbidden())};
    if (p.Forbidden()) {
        out.Extra.push_back(Number("first_stub", p.FirstStub()));
        out.Notes.push_back("Запретная область: у первого шлейфа g > 1/sin²(2πs) = " +
                            tk::FloatToStrF(p.Largest, 4, 2) + ".");
        out.Notes.push_back("Первый шлейф перенесён " +
                            (p.FirstStub() == 0
                                 ? std::string("к самой нагрузке")
                                 : "на " + chart::ShortNumber(p.FirstStub()) + " λ от нагрузки") +
                            ", решено там.");
    }
    out.Steps = DoubleStubSteps(p, in.Load, built);
    out.Draw = [p](tk::TCanvas& c, chart::TStepMarks& marks) { DrawDoubleStub(c, p, marks); };
    return out;
}

} // namespace zmatch::methods
