// The double stub planned on the chart's pixels: A turned to the first stub, g = 1 turned
// toward the load by the spacing, the constant-g circle's crossings B, each turned onto g = 1
// at C, and the stubs' susceptances carried to the rim (DoubleStub.h tells the construction).
#include "zmatch/methods/DoubleStub.h"

#include "zmatch/StubMatch.h"
#include "zmatch/methods/ChartTurns.h"

#include "chart/CircleIntersect.h"
#include "theory/Turns.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Single.h"

#include <cmath>
#include <limits>
#include <optional>

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

// The remedy's distances: thousandths of a wavelength.
constexpr double kRemedyStep = 0.001;

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

// The largest g whose circle crosses the turned circle `depth` deep (in units of the
// chart's radius). With u = 1/(1 + g) its centre lies at 1 - u, its radius is u; the turned
// circle's centre at 0,5·e^(jα), α = 4πs, radius 0,5; |1 - u - 0,5·e^(jα)| = u + 0,5 - depth
// gives u = (1,25 - cos α - (0,5 - depth)²)/(3 - 2·depth - cos α): g = 2 at λ/8, depth 0.
double CrossingConductance(double spacing, double depth) {
    const double c = std::cos(4 * chart::Pi * spacing);
    const double u = (1.25 - c - (0.5 - depth) * (0.5 - depth)) / (3 - 2 * depth - c);
    return 1 / u - 1;
}

// Where the chart's remedy tries the first stub first, in thousandths of a wavelength: the
// shortest distance whose constant-g circle crosses the turned circle kRemedyMarginPx deep,
// rounded up; theory's own remedy where the load's circle never gets so low.
long long RemedyStart(theory::TComplex z, const TMethodOptions& o,
                      const theory::TDoubleStubSolutions& typed) {
    const double g = CrossingConductance(o.Spacing, kRemedyMarginPx / ChartRadius);
    const double shortest = std::max(theory::ShortestDistanceWithin(z, g), typed.FirstStub);
    return std::llround(std::ceil(shortest / kRemedyStep - 1e-9));
}

// Line theory with the first stub moved to `at`, beside what the typed one gave; none where
// `at` lies in the region again.
std::optional<theory::TDoubleStubSolutions> Remedied(const theory::TDoubleStubSolutions& typed,
                                                     double at, theory::TComplex z,
                                                     const TMethodOptions& o) {
    theory::TDoubleStubSolutions there = theory::SolveDoubleStub(z, o.Stub, at, o.Spacing);
    if (there.Forbidden) return std::nullopt;
    there.Forbidden = true;
    there.Shortest = typed.Shortest;
    there.ShortestTangent = typed.ShortestTangent;
    there.AtShortest = typed.AtShortest;
    return there;
}
} // namespace

double TDoubleStubOnChart::Stub1() const {
    return Waves(Sweep1);
}
double TDoubleStubOnChart::Stub2() const {
    return Waves(Sweep2);
}

namespace {

// B1 and B2: the constant-g circle of A1 crosses the turned circle; where they miss by a
// little, or where the load lies on the boundary exactly and circles a pixel off cross, they
// touch, and B1 = B2.
std::array<TPixel, 2> Crossings(TDoubleStubConstruction& p) {
    const float r = UnitConductanceCircle().PixR;
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    float x1 = nan, y1 = nan, x2 = nan, y2 = nan;
    if (chart::CircleIntersect(p.ConstantG.PixX, ChartCenterY, p.ConstantG.PixR, p.Turned.X,
                               p.Turned.Y, r, &x1, &y1, &x2, &y2)) {
        if (!p.Exact.Tangent) return {Truncated(x1, y1), Truncated(x2, y2)};
        p.Touching = true;
        const TPixel b = Truncated((x1 + x2) / 2, (y1 + y2) / 2);
        return {b, b};
    }
    const std::optional<TPixel> touch =
        Touch(p.ConstantG.PixX, ChartCenterY, p.ConstantG.PixR, p.Turned.X, p.Turned.Y, r);
    if (!touch) throw tk::Exception(kDoubleStubChartMessage);
    p.Touching = true;
    return {*touch, *touch};
}

// The construction on the chart's pixels with the first stub where `exact` puts it.
TDoubleStubConstruction PlanOnChart(const chart::TLoadPoint& load, const TMethodOptions& o,
                                    const theory::TDoubleStubSolutions& exact) {
    TDoubleStubConstruction p;
    p.Kind = o.Stub;
    p.Spacing = o.Spacing;
    p.TypedFirstStub = o.FirstStub;
    p.Exact = exact;
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

    p.ConstantG = ConductanceCircle(p.AtA1.R);
    std::array<TPixel, 2> crossings = Crossings(p);
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

} // namespace

// A first stub in the forbidden region goes first where its circle crosses kRemedyMarginPx
// deep; near the rim, where A1's pixel reads g loosely (z = 0,015 at λ/8: a pixel there is
// 0,2 of g), a thousandth of a wavelength further each time, while it stays out of the
// region, until the chart constructs.
TDoubleStubConstruction PlanDoubleStub(const chart::TLoadPoint& load, const TMethodOptions& o) {
    const theory::TComplex z = load.Typed.Exact.ZNorm();
    const theory::TDoubleStubSolutions typed =
        theory::SolveDoubleStub(z, o.Stub, o.FirstStub, o.Spacing);
    if (typed.Case != theory::TMatchCase::Solved) throw tk::Exception(kDoubleStubChartMessage);
    if (!typed.Forbidden) return PlanOnChart(load, o, typed);
    const long long first = RemedyStart(z, o, typed);
    for (long long k = first; (k - first) * kRemedyStep < 0.5; ++k) {
        const std::optional<theory::TDoubleStubSolutions> there =
            Remedied(typed, double(k) * kRemedyStep, z, o);
        if (!there) break;
        try {
            return PlanOnChart(load, o, *there);
        } catch (const tk::Exception&) {
        }
    }
    throw tk::Exception(kDoubleStubChartMessage);
}

} // namespace zmatch::methods
