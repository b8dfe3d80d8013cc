// π and T networks of three reactances at a loaded Q, each two L-sections back to back
// through a virtual resistance (Bowick, RF Circuit Design, ch. 4: the π and T networks).
//
// π: the load's admittance (its parallel resistance Rp = 1/G) is brought by an element across
// the line and one in series down to Rv = max(Rp, Zв)/(Q² + 1), then by one in series and
// one across up to Zв; the two series elements are one. T: the load's series resistance R
// is brought up to Rv = min(R, Zв)·(Q² + 1) by one in series and one across, then to Zв by
// one across and one in series; the two across are one. Rv must lie below (π) or above (T)
// both ends: a Q lower than √(Rmax/Rmin - 1) leaves no network.
//
// Each half has two solutions (the element across the line a C or an L), so there are up
// to four networks of each kind.
#pragma once

#include "theory/LineTheory.h"

#include <vector>

namespace theory {

enum class TPiTee { Pi, Tee };

// From the load: the three elements' reactances (series, ohms) and susceptances (across,
// siemens) at f0; π: B1 across, X in series, B2 across; T: X1 in series, B across, X2.
struct TPiTeeSolution {
    TPiTee Kind = TPiTee::Pi;
    double First = 0, Middle = 0, Last = 0;
};

// The networks for the load (ohms) on a line of `lineOhms` at loaded Q `q`; none where the Q
// is too low or the load has no positive resistance.
std::vector<TPiTeeSolution> SolvePiTee(TComplex loadOhms, double lineOhms, double q, TPiTee kind);

} // namespace theory
