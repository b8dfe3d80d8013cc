#include "theory/ChainPath.h"

#include <algorithm>
#include <cmath>

namespace theory {

namespace {

constexpr double kLightMetresPerSecond = 299792458.0;

// The element's length in wavelengths at f0 (a line in metres by its velocity factor).
double WavesAtF0(const TChainElement& e, const TChain& chain) {
    return e.Vf > 0 ? e.Value * chain.F0Hz / (e.Vf * kLightMetresPerSecond) : e.Value;
}

// The element at t of its value, as a matrix.
TAbcd PartialAbcd(const TChainElement& e, const TChain& chain, double t, double ratio) {
    if (t >= 1) return AbcdOf(e, chain, ratio);
    if (t <= 0) return {};
    switch (e.Kind) {
    case TChainKind::Line: {
        TChainElement part = e;
        part.Value = e.Value * t;
        return AbcdOf(part, chain, ratio);
    }
    case TChainKind::Transformer: {
        TChainElement part = e;
        part.Value = std::pow(e.Value, t);
        return AbcdOf(part, chain, ratio);
    }
    default: {
        const TAbcd whole = AbcdOf(e, chain, ratio);
        // A series element is [1 Z; 0 1], a shunt one [1 0; Y 1].
        return e.Place == TPlace::Series ? TAbcd{1, t * whole.B, 0, 1}
                                         : TAbcd{1, 0, t * whole.C, 1};
    }
    }
}

} // namespace

TComplex PartialGamma(const TChainElement& e, const TChain& chain, TComplex fromOhms, double t,
                      double ratio) {
    return GammaReadingOf(Terminated(PartialAbcd(e, chain, t, ratio), fromOhms), chain.LineOhms)
        .Gamma;
}

int PathPoints(const TChainElement& e, const TChain& chain, double ratio) {
    if (e.Kind != TChainKind::Line && e.Kind != TChainKind::Stub) return 64;
    const double eighths = std::fabs(WavesAtF0(e, chain) * ratio) * 8;
    if (!(eighths < 63)) return 4096;
    return 64 + 64 * int(std::max(0.0, std::ceil(eighths) - 1));
}

std::vector<std::vector<TComplex>> ChainPaths(const TChain& chain, TComplex loadOhms,
                                              double ratio) {
    const std::vector<TComplex> nodes = NodeOhms(chain, loadOhms, ratio);
    std::vector<std::vector<TComplex>> paths;
    for (std::size_t i = 0; i < chain.Elements.size(); ++i) {
        const TChainElement& e = chain.Elements[i];
        const int n = PathPoints(e, chain, ratio);
        std::vector<TComplex> path;
        path.reserve(std::size_t(n));
        for (int k = 0; k < n; ++k)
            path.push_back(PartialGamma(e, chain, nodes[i], double(k) / (n - 1), ratio));
        paths.push_back(std::move(path));
    }
    return paths;
}

} // namespace theory
