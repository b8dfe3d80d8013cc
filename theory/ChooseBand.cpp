#include "theory/ChooseBand.h"

#include "theory/ChainBand.h"
#include "theory/PortableMath.h"

#include <cmath>
#include <numbers>

namespace theory {

namespace {

// The stand-in's power, 16: within n^(1/16) of the maximum, 1,39 times for 201 points, and
// still smooth enough for the minimiser's quadratic models. Squares and square roots, which
// round alike on every platform, where pow's last bits would not.
double ToThe16th(double g) {
    const double g2 = g * g, g4 = g2 * g2, g8 = g4 * g4;
    return g8 * g8;
}
double Root16th(double v) {
    return std::sqrt(std::sqrt(std::sqrt(std::sqrt(v))));
}

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
        sum += ToThe16th(GammaAt(chain, band, i));
    return Root16th(sum / double(band.Ratio.size()));
}

double LossDbAtF0(const TChain& chain, TComplex loadOhms) {
    // The load's voltage 1 V: its current, then the input's voltage and current.
    const TAbcd m = AbcdOf(chain, 1);
    const TComplex current = 1.0 / loadOhms;
    const TComplex vin = m.A + m.B * current, iin = m.C + m.D * current;
    const double pin = (vin * std::conj(iin)).real(), pload = current.real();
    if (!(pload > 0) || !(pin > 0) || !std::isfinite(pin)) return 0;
    // A chain of parts without loss gives back what the load takes, to rounding either way:
    // a nanodecibel or less is that rounding.
    const double db = 10 * portable::Log(pin / pload) / std::numbers::ln10;
    return db > 1e-9 ? db : 0;
}

} // namespace theory
