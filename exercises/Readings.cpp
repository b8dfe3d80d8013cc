#include "exercises/Readings.h"

#include "exercises/Solve.h"

#include "chart/Frame.h"

#include <array>
#include <cmath>

namespace exercises {

namespace {

// The eight directions the load is moved in: cos and sin of k·45°.
constexpr double kHalfRoot2 = 0.7071067811865476;
constexpr std::array<std::array<double, 2>, 8> kDirections{{{1, 0},
                                                            {kHalfRoot2, kHalfRoot2},
                                                            {0, 1},
                                                            {-kHalfRoot2, kHalfRoot2},
                                                            {-1, 0},
                                                            {-kHalfRoot2, -kHalfRoot2},
                                                            {0, -1},
                                                            {kHalfRoot2, -kHalfRoot2}}};

// The place of the third significant digit of v: 0,01 for 2,61, 1 for 388. Multiplications
// by ten alone, the same bits everywhere.
double ThirdDigitPlace(double v) {
    double place = 1;
    const double a = std::fabs(v);
    if (a == 0 || !std::isfinite(a)) return 1;
    while (a >= 1000 * place)
        place *= 10;
    while (a < 100 * place)
        place /= 10;
    return place;
}

double StepOf(const TSolvedValue& v) {
    return v.Step > 0 ? v.Step : ThirdDigitPlace(v.Value);
}

double RoundTo(double v, double step) {
    return std::round(v / step) * step;
}

// The load on the pixel the window puts it on, read back.
theory::TComplex OnItsPixel(theory::TComplex z) {
    const theory::TComplex g = theory::ReflectionOf(z);
    const chart::TPixel p = chart::PixelOfGamma(g.real(), g.imag());
    return theory::ImpedanceOf({double(p.X - chart::ChartCenterX) / chart::ChartRadius,
                                double(chart::ChartCenterY - p.Y) / chart::ChartRadius});
}

bool SameShape(const std::vector<TSolvedValue>& a, const std::vector<TSolvedValue>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Name != b[i].Name) return false;
    return true;
}

} // namespace

double Departure(double a, double b, bool periodic) {
    const double d = a - b;
    return periodic ? d - 0.5 * std::round(d / 0.5) : d;
}

std::optional<std::vector<TAnswer>> AnswersOf(const TProblem& p, double radiusMm) {
    const theory::TComplex z = NormalisedLoad(p);
    const std::vector<TSolvedValue> exact = SolveProblem(p, z);
    const std::vector<TSolvedValue> read = SolveProblem(p, OnItsPixel(z));
    if (exact.empty() || !SameShape(exact, read)) return std::nullopt;
    std::vector<double> widest(exact.size(), 0.0);
    const theory::TComplex g = theory::ReflectionOf(z);
    const double reach = kPaperMm / radiusMm;
    for (const auto& [c, s] : kDirections) {
        const theory::TComplex moved = g + theory::TComplex(reach * c, reach * s);
        const std::vector<TSolvedValue> off = SolveProblem(p, theory::ImpedanceOf(moved));
        if (!SameShape(exact, off)) return std::nullopt;
        for (std::size_t i = 0; i < exact.size(); ++i)
            widest[i] = std::fmax(
                widest[i], std::fabs(Departure(off[i].Value, exact[i].Value, exact[i].Periodic)));
    }
    std::vector<TAnswer> answers;
    for (std::size_t i = 0; i < exact.size(); ++i) {
        const TSolvedValue& e = exact[i];
        const double step = StepOf(e);
        TAnswer a{e.Name,
                  e.Meaning,
                  RoundTo(read[i].Value, StepOf(read[i])),
                  e.Value,
                  std::ceil((widest[i] + step / 2) / step) * step,
                  e.Unit,
                  e.Periodic};
        if (!std::isfinite(a.Exact) || !std::isfinite(a.Tolerance)) return std::nullopt;
        answers.push_back(a);
    }
    return answers;
}

} // namespace exercises
