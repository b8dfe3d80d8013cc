#include "theory/ChooseBand.h"

#include "theory/ChainBand.h"

#include <cmath>

namespace theory {

namespace {

// The stand-in's power: within n^(1/16) of the maximum, 1,39 times for 201 points, and
// still smooth enough for the minimiser's quadratic models.
constexpr double kPower = 16;

} // namespace

TChooseBand ChooseBandOf(const TBandLoad& load, double lineOhms, double low, double high,
                         int points) {
    TChooseBand band;
    band.LineOhms = lineOhms;
    const int n = points < 2 ? 2 : points;
    for (int i = 0; i < n; ++i) {
        const double ratio = i + 1 == n ? high : low + i * (high - low) / double(n - 1);
        band.Ratio.push_back(ratio);
        band.Load.push_back(BandLoadOhms(load, ratio));
    }
    return band;
}

double GammaAt(const TChain& chain, const TChooseBand& band, std::size_t i) {
    TComplex z = band.Load[i];
    for (const TChainElement& e : chain.Elements)
        z = Terminated(AbcdOf(e, chain, band.Ratio[i]), z);
    const double gamma = std::abs((z - band.LineOhms) / (z + band.LineOhms));
    return std::isfinite(gamma) ? gamma : 1;
}

double WorstGamma(const TChain& chain, const TChooseBand& band) {
    double worst = 0;
    for (std::size_t i = 0; i < band.Ratio.size(); ++i)
        worst = std::fmax(worst, GammaAt(chain, band, i));
    return worst;
}

double SmoothWorstGamma(const TChain& chain, const TChooseBand& band) {
    double sum = 0;
    for (std::size_t i = 0; i < band.Ratio.size(); ++i)
        sum += std::pow(GammaAt(chain, band, i), kPower);
    return std::pow(sum / double(band.Ratio.size()), 1 / kPower);
}

double LossDbAtF0(const TChain& chain, TComplex loadOhms) {
    // The load's voltage 1 V: its current, then the input's voltage and current.
    const TAbcd m = AbcdOf(chain, 1);
    const TComplex current = 1.0 / loadOhms;
    const TComplex vin = m.A + m.B * current, iin = m.C + m.D * current;
    const double pin = (vin * std::conj(iin)).real(), pload = current.real();
    if (!(pload > 0) || !(pin > 0) || !std::isfinite(pin)) return 0;
    // A chain of parts without loss gives back what the load takes, to rounding either way.
    return std::fmax(0, 10 * std::log10(pin / pload));
}

} // namespace theory
