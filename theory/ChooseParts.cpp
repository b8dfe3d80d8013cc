#include "theory/ChooseParts.h"

#include <algorithm>
#include <cmath>

namespace theory {

namespace {

// Neighbours taken on each side of a tuned value.
constexpr int kEachSide = 2;

double PowerOfTen(int n) {
    double p = 1;
    for (int i = 0; i < std::abs(n); ++i)
        p *= 10;
    return n < 0 ? 1 / p : p;
}

} // namespace

std::vector<double> StandardAround(double v, TSeries series, int each) {
    std::vector<double> below, above;
    if (!(v > 0) || !std::isfinite(v)) return below;
    const std::span<const int> digits = SeriesValues(series);
    const int places = series == TSeries::E96 ? 2 : 1;
    const int decade = int(std::floor(std::log10(v)));
    // The same values NearestStandard gives: the series' digits rounded once, as it does.
    for (int d = decade - 2; d <= decade + 2; ++d)
        for (int k : digits) {
            const double c = NearestStandard(k * PowerOfTen(d - places), series);
            (c <= v ? below : above).push_back(c);
        }
    std::sort(below.begin(), below.end());
    std::sort(above.begin(), above.end());
    std::vector<double> out(below.end() - std::min<std::ptrdiff_t>(each, below.size()),
                            below.end());
    out.insert(out.end(), above.begin(),
               above.begin() + std::min<std::ptrdiff_t>(each, above.size()));
    return out;
}

TChain OnBestStandard(const TChain& chain, TSeries series, const TChooseBand& band) {
    std::vector<std::size_t> parts;
    std::vector<std::vector<double>> choices;
    for (std::size_t i = 0; i < chain.Elements.size(); ++i) {
        const TChainElement& e = chain.Elements[i];
        if ((e.Kind != TChainKind::L && e.Kind != TChainKind::C) || e.Reactance) continue;
        std::vector<double> around = StandardAround(e.Value, series, kEachSide);
        if (around.empty()) continue;
        parts.push_back(i);
        choices.push_back(std::move(around));
    }
    TChain best = OnStandardValues(chain, series), trial = chain;
    double bestWorst = WorstGamma(best, band);
    // Every combination, counted like the digits of a number.
    std::vector<std::size_t> at(parts.size(), 0);
    for (;;) {
        for (std::size_t k = 0; k < parts.size(); ++k)
            trial.Elements[parts[k]].Value = choices[k][at[k]];
        const double worst = WorstGamma(trial, band);
        if (worst < bestWorst) {
            bestWorst = worst;
            best = trial;
        }
        std::size_t k = 0;
        while (k < parts.size() && ++at[k] == choices[k].size())
            at[k++] = 0;
        if (k == parts.size()) break;
    }
    return best;
}

int PartsOf(const TChain& chain) {
    int n = 0;
    for (const TChainElement& e : chain.Elements)
        n += !(e.Kind == TChainKind::Line && e.Value == 0);
    return n;
}

TChain WithoutEmptyLines(TChain chain) {
    std::erase_if(chain.Elements, [](const TChainElement& e) {
        return e.Kind == TChainKind::Line && e.Value == 0;
    });
    return chain;
}

} // namespace theory
