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
        if (p.Ohms && p.Hz >= edges->FromHz && p.Hz <= edges->ToHz)
            ratio.push_back(p.Hz / in.F0Hz);
    return ratio;
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
    for (const double ratio : band.Ratio) {
        const TNodeReading r = readingAt(ratio);
        band.Curve.Vswr.push_back(r.Vswr);
        band.ReturnLossDb.push_back(r.ReturnLossDb);
        band.Gamma.push_back(r.Gamma);
    }
    // A measured load is taken between its points only within the loaded stretch.
    const double from = band.Ratio.front(), to = band.Ratio.back();
    FindAcceptedBand(
        band.Ratio, band.Curve.Vswr, readingAt(1).Vswr,
        [&](double ratio) { return readingAt(std::fmin(std::fmax(ratio, from), to)).Vswr; },
        limit, band.Curve);
    return band;
}

} // namespace theory
