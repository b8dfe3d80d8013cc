// Line theory written again for the tests, independently of theory/: chain matrices with the
// C library's functions. A network's input is (A·z + B)/(C·z + D) for the product of its
// elements' matrices, the one nearest the generator leftmost.
#pragma once

#include "theory/Network.h"

#include <cmath>
#include <complex>

namespace testing_theory {

using C = std::complex<double>;
struct TChain {
    C A = 1, B = 0, Cc = 0, D = 1;
};

inline TChain Then(const TChain& nearer, const TChain& m) { // m after `nearer`, toward the source
    return {m.A * nearer.A + m.B * nearer.Cc, m.A * nearer.B + m.B * nearer.D,
            m.Cc * nearer.A + m.D * nearer.Cc, m.Cc * nearer.B + m.D * nearer.D};
}

inline C StubZ(double waves, double z0, bool shorted) {
    const double t = 2 * theory::Pi * waves;
    return shorted ? C(0, z0 * std::tan(t)) : C(0, -z0 / std::tan(t));
}

inline TChain ChainOf(const theory::TElement& e, double k) {
    using K = theory::TElementKind;
    const bool shorted = e.End == theory::TStubKind::Short;
    switch (e.Kind) {
    case K::Line: {
        const double t = 2 * theory::Pi * e.Value * k;
        return {std::cos(t), C(0, e.Z0 * std::sin(t)), C(0, std::sin(t) / e.Z0), std::cos(t)};
    }
    case K::ShuntStub:
        return {1, 0, 1.0 / StubZ(e.Value * k, e.Z0, shorted), 1};
    case K::SeriesStub:
        return {1, StubZ(e.Value * k, e.Z0, shorted), 0, 1};
    case K::SeriesReactance: // L: x·k, C: x/k
        return {1, C(0, e.Value > 0 ? e.Value * k : e.Value / k), 0, 1};
    case K::ShuntSusceptance:
        return {1, 0, C(0, e.Value > 0 ? e.Value * k : e.Value / k), 1};
    }
    return {};
}

inline C Input(const theory::TNetwork& n, C z, double k = 1) {
    TChain m;
    for (const theory::TElement& e : n)
        m = Then(m, ChainOf(e, k));
    return (m.A * z + m.B) / (m.Cc * z + m.D);
}

// |Г| of what the line sees: 0 where the network matches.
inline double Mismatch(const theory::TNetwork& n, C z, double k = 1) {
    const C in = Input(n, z, k);
    return std::abs((in - 1.0) / (in + 1.0));
}

} // namespace testing_theory
