#include "theory/StandardValues.h"

#include <cmath>

namespace theory {

namespace {

// clang-format off
constexpr int kE12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr int kE24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                        33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr int kE96[] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130,
                        133, 137, 140, 143, 147, 150, 154, 158, 162, 165, 169, 174,
                        178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232,
                        237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                        316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
                        422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549,
                        562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,
                        750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
// clang-format on

// 10^n exactly for |n| ≤ 22, the powers a double holds without rounding.
double PowerOfTen(int n) {
    double p = 1;
    for (int i = 0; i < std::abs(n); ++i)
        p *= 10;
    return p;
}

// digits · 10^exponent, rounded once.
double Scaled(int digits, int exponent) {
    return exponent < 0 ? digits / PowerOfTen(-exponent) : digits * PowerOfTen(exponent);
}

constexpr double kOmegaPerHz = 2 * Pi;

} // namespace

std::span<const int> SeriesValues(TSeries series) {
    switch (series) {
    case TSeries::E12:
        return kE12;
    case TSeries::E24:
        return kE24;
    case TSeries::E96:
        return kE96;
    }
    return kE12;
}

double NearestStandard(double v, TSeries series) {
    if (!(v > 0) || !std::isfinite(v)) return v;
    const std::span<const int> values = SeriesValues(series);
    const int places = series == TSeries::E96 ? 2 : 1; // the digits' decimal places
    const int decade = int(std::floor(std::log10(v)));
    double best = v, bestDistance = INFINITY;
    // The decade below and above as well: log10 may round a value at a decade's edge either
    // way, and 9,9 is nearest to the next decade's 10.
    for (int d = decade - 1; d <= decade + 1; ++d)
        for (int digits : values) {
            const double c = Scaled(digits, d - places);
            const double distance = RatioApart(c, v);
            if (distance < bestDistance) {
                best = c;
                bestDistance = distance;
            }
        }
    return best;
}

TChain OnStandardValues(const TChain& chain, TSeries series) {
    TChain out = chain;
    if (!(chain.F0Hz > 0)) return out;
    const double omega = kOmegaPerHz * chain.F0Hz;
    for (TChainElement& e : out.Elements) {
        if (e.Kind != TChainKind::L && e.Kind != TChainKind::C) continue;
        const bool l = e.Kind == TChainKind::L;
        // Henries or farads, from the reactance's size at f0 when held so: X = ωL, 1/(ωC).
        const double units = !e.Reactance ? e.Value : l ? e.Value / omega : 1 / (omega * e.Value);
        const double standard = NearestStandard(units, series);
        e.Value = !e.Reactance ? standard : l ? omega * standard : 1 / (omega * standard);
    }
    return out;
}

} // namespace theory
