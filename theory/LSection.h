// Lumped L-sections: two reactive elements, one across the line and one in series with it,
// that turn the load into Zв.
//
// With the element across the line next to the load, the admittance g + jb moves along its
// circle of constant g to the circle r = 1, at b' = ±√(g - g²), which needs g <= 1; the
// element in series then cancels x' = -b'/g. With the series element next to the load, z
// moves along its circle of constant r to g = 1, at x' = ±√(r - r²), which needs r <= 1;
// the element across then cancels b'' = -x'/r. So every load has two or four sections.
//
// Textbook example: 200 - j100 ohms on 100 ohms (z = 2 - j1, g = 0,4) at 500 MHz: across
// the line b = 0,29 then in series x = 1,22 (0,92 pF and 38,8 nH), or b = -0,69 then
// x = -1,22 (46,1 nH and 2,61 pF).
#pragma once

#include "theory/Network.h"

#include <vector>

namespace theory {

enum class TNearLoad { Shunt, Series };

struct TLSectionSolution {
    TNearLoad NearLoad = TNearLoad::Shunt;
    double X = 0; // the series element's reactance, normalised (X/Zв)
    double B = 0; // the element across the line: its susceptance, normalised (B·Zв)
};

// The sections for the load z, those with the shunt element next to the load first; none
// for a matched load or one without a finite Г or r > 0. Where the two of a kind coincide
// (g = 1 or r = 1 exactly) the one is given once.
std::vector<TLSectionSolution> SolveLSection(TComplex z);

// From the load: the element next to it, then the other.
TNetwork LSectionNetwork(const TLSectionSolution& s);

// A lumped element at a frequency: the inductor or the capacitor of a reactance (ohms) in
// series or of a susceptance (siemens) across the line. X > 0 is L = X/ω, X < 0 is
// C = -1/(ωX); B > 0 is C = B/ω, B < 0 is L = -1/(ωB). Zero: no element.
struct TLumped {
    enum class TKind { None, L, C } Kind = TKind::None;
    double Value = 0; // henries or farads
};
TLumped OfReactance(double ohms, double hz);
TLumped OfSusceptance(double siemens, double hz);

} // namespace theory
