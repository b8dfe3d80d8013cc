#include "theory/PiTee.h"

#include "theory/LSection.h"

#include <cmath>

namespace theory {

namespace {

// The L-sections that bring `z` (ohms) to `r` ohms with the given element next to the
// load, in ohms and siemens: {series X, across B}.
struct THalf {
    double X = 0, B = 0;
};
std::vector<THalf> Halves(TComplex z, double r, TNearLoad nearLoad) {
    std::vector<THalf> halves;
    for (const TLSectionSolution& s : SolveLSection(z / r))
        if (s.NearLoad == nearLoad) halves.push_back({s.X * r, s.B / r});
    return halves;
}

} // namespace

std::vector<TPiTeeSolution> SolvePiTee(TComplex loadOhms, double lineOhms, double q, TPiTee kind) {
    std::vector<TPiTeeSolution> out;
    const TComplex y = 1.0 / loadOhms;
    if (!(loadOhms.real() > 0) || !(q > 0) || !(lineOhms > 0) || !std::isfinite(y.real()))
        return out;
    if (kind == TPiTee::Pi) {
        const double rp = 1 / y.real();
        const double rv = std::fmax(rp, lineOhms) / (q * q + 1);
        if (!(rv < rp && rv < lineOhms)) return out;
        // Load side: across then series down to rv; line side: rv up to Zв, series first.
        for (const THalf& a : Halves(loadOhms, rv, TNearLoad::Shunt))
            for (const THalf& b : Halves(rv, lineOhms, TNearLoad::Series))
                out.push_back({kind, a.B, a.X + b.X, b.B});
    } else {
        const double r = loadOhms.real();
        const double rv = std::fmin(r, lineOhms) * (q * q + 1);
        if (!(rv > r && rv > lineOhms)) return out;
        for (const THalf& a : Halves(loadOhms, rv, TNearLoad::Series))
            for (const THalf& b : Halves(rv, lineOhms, TNearLoad::Shunt))
                out.push_back({kind, a.X, a.B + b.B, b.X});
    }
    return out;
}

} // namespace theory
