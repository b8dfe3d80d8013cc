#include "theory/ChainBand.h"

#include <cmath>
#include <optional>

namespace theory {

TComplex BandLoadOhms(const TBandLoad& in, double ratio) {
    switch (in.Model) {
    case TLoadModel::Constant:
        break;
    case TLoadModel::Series: {
        // An inductor's reactance grows with f, a capacitor's falls; R stays.
        const double x = in.Load.imag();
        return {in.Load.real(), x > 0 ? x * ratio : x < 0 ? x / ratio : 0.0};
    }
    case TLoadModel::Measured:
        return measured::LoadAt(*in.Measured, ratio * in.F0Hz).Ohms;
    }
    return in.Load;
}

namespace {

// The frequencies, as f/f0: evenly over 0,5 .. 1,5 (f0 the middle one of an odd count), or
// the measured points with a load about f0.
std::optional<std::vector<double>> RatiosOf(const TBandLoad& in, int points) {
    std::vector<double> ratio;
    if (in.Model != TLoadModel::Measured) {
        if (points < 2) return std::nullopt;
        for (int i = 0; i < points; ++i)
            ratio.push_back(0.5 + double(i) / double(points - 1));
        return ratio;
    }
    if (!in.Measured || !(in.F0Hz > 0)) return std::nullopt;
    const std::optional<measured::TBandEdges> edges =
        measured::LoadedBandAbout(*in.Measured, in.F0Hz);
    if (!edges) return std::nullopt;
    for (const measured::TMeasuredPoint& p : in.Measured->Points)
        if (p.Ohms && p.Hz >= edges->FromHz && p.Hz <= edges->ToHz) ratio.push_back(p.Hz / in.F0Hz);
    return ratio;
}

// Each line's and stub's turn is taken afresh from the portable functions every this many
// points of an even sweep and advanced a step between, as the methods' sweep does
// (BandResponse.cpp): rounding builds up to a few units in the last place at most.
constexpr std::size_t kFreshEvery = 50;

TTurn Advanced(const TTurn& t, const TTurn& step) {
    return {t.Cos * step.Cos - t.Sin * step.Sin, t.Sin * step.Cos + t.Cos * step.Sin,
            t.Grow * step.Grow};
}

// The input's reading at each frequency of the band.
// `step`: the spacing of evenly spread frequencies, as f/f0; 0 for others (a measured band's
// own points).
void Sweep(const TChain& chain, const TBandLoad& load, double step, TChainBand& band) {
    const std::size_t n = band.Ratio.size(), m = chain.Elements.size();
    const bool even = step > 0 && n > 1;
    std::vector<TTurn> turns(m), steps(m);
    for (std::size_t k = 0; k < m; ++k)
        steps[k] = TurnOf(chain.Elements[k], chain, step);
    for (std::size_t i = 0; i < n; ++i) {
        const double ratio = band.Ratio[i];
        TComplex z = BandLoadOhms(load, ratio);
        for (std::size_t k = 0; k < m; ++k) {
            const TChainElement& e = chain.Elements[k];
            turns[k] = !even || i % kFreshEvery == 0 ? TurnOf(e, chain, ratio)
                                                     : Advanced(turns[k], steps[k]);
            z = Terminated(AbcdOf(e, chain, ratio, turns[k]), z);
        }
        const TNodeReading r = GammaReadingOf(z, chain.LineOhms);
        band.Curve.Vswr.push_back(r.Vswr);
        band.Gamma.push_back(r.Gamma);
    }
}

} // namespace

std::vector<double> BandRatios(const TBandLoad& load, int points) {
    return RatiosOf(load, points).value_or(std::vector<double>());
}

TChainBand ChainBand(const TChain& chain, const TBandLoad& load, double limit, int points) {
    TChainBand band;
    const std::optional<std::vector<double>> ratios = RatiosOf(load, points);
    if (!ratios || ratios->empty()) return band;
    band.Ratio = *ratios;
    const auto readingAt = [&](double ratio) {
        return ReadingOf(InputOhms(chain, BandLoadOhms(load, ratio), ratio), chain.LineOhms);
    };
    // A measured band's frequencies are the file's, not evenly spaced.
    const std::size_t n = band.Ratio.size();
    Sweep(chain, load, load.Model != TLoadModel::Measured && n > 1 ? 1 / double(n - 1) : 0, band);
    // A measured load is taken between its points only within the loaded stretch.
    const double from = band.Ratio.front(), to = band.Ratio.back();
    FindAcceptedBand(
        band.Ratio, band.Curve.Vswr, readingAt(1).Vswr,
        [&](double ratio) { return readingAt(std::fmin(std::fmax(ratio, from), to)).Vswr; }, limit,
        band.Curve);
    return band;
}

TChainBand ChainBandOver(const TChain& chain, const TBandLoad& load, double low, double high,
                         double limit, int points) {
    TChainBand band;
    if (points < 2 || !(low <= 1 && 1 <= high && low < high)) return band;
    if (load.Model == TLoadModel::Measured && (!load.Measured || !(load.F0Hz > 0))) return band;
    const double step = (high - low) / double(points - 1);
    for (int i = 0; i < points; ++i)
        band.Ratio.push_back(i + 1 == points ? high : low + i * step);
    Sweep(chain, load, step, band);
    const auto vswrAt = [&](double ratio) {
        const double r = std::fmin(std::fmax(ratio, low), high);
        return ReadingOf(InputOhms(chain, BandLoadOhms(load, r), r), chain.LineOhms).Vswr;
    };
    FindAcceptedBand(band.Ratio, band.Curve.Vswr, vswrAt(1), vswrAt, limit, band.Curve);
    return band;
}

} // namespace theory
