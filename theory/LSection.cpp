#include "theory/LSection.h"

#include "theory/Turns.h"

#include <cmath>

namespace theory {

std::vector<TLSectionSolution> SolveLSection(TComplex z) {
    std::vector<TLSectionSolution> out;
    const double rho = std::abs(theory::ReflectionOf(z));
    if (!theory::Matchable(z, rho) || rho == 0) return out;
    const TComplex y = 1.0 / z;
    const double g = y.real(), b = y.imag(), r = z.real(), x = z.imag();
    if (g <= 1) {
        const double root = std::sqrt(g - g * g);
        for (double sign : {1.0, -1.0}) {
            if (sign < 0 && root == 0) break;
            const double moved = sign * root; // b' on the circle r = 1
            out.push_back({TNearLoad::Shunt, moved / g, moved - b});
        }
    }
    if (r <= 1) {
        const double root = std::sqrt(r - r * r);
        for (double sign : {1.0, -1.0}) {
            if (sign < 0 && root == 0) break;
            const double moved = sign * root; // x' on the circle g = 1
            out.push_back({TNearLoad::Series, moved - x, moved / r});
        }
    }
    return out;
}

TNetwork LSectionNetwork(const TLSectionSolution& s) {
    if (s.NearLoad == TNearLoad::Shunt) return {ShuntSusceptance(s.B), SeriesReactance(s.X)};
    return {SeriesReactance(s.X), ShuntSusceptance(s.B)};
}

TLumped OfReactance(double ohms, double hz) {
    const double omega = 2 * Pi * hz;
    if (ohms > 0) return {TLumped::TKind::L, ohms / omega};
    if (ohms < 0) return {TLumped::TKind::C, -1 / (omega * ohms)};
    return {};
}

TLumped OfSusceptance(double siemens, double hz) {
    const double omega = 2 * Pi * hz;
    if (siemens > 0) return {TLumped::TKind::C, siemens / omega};
    if (siemens < 0) return {TLumped::TKind::L, -1 / (omega * siemens)};
    return {};
}

} // namespace theory
