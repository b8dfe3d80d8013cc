// Each element's path on the Г-plane, exactly: the node after the element as its value grows
// from nothing to what it is, the chain's load (or the nodes before) kept, referred to the
// chain's Zв. A series element (L, C, R, stub) is its impedance Z scaled by t, the matrix
// [1 t·Z; 0 1]; a shunt one its admittance Y scaled by t, [1 0; t·Y 1]; a line is t times its
// length (its loss as well); a transformer n^t : 1. t runs from 0 to 1, so the path starts
// at the node before the element and ends on the node after it, exactly.
//
// What the paths show: a series reactance keeps r (a constant-r circle), a shunt one keeps g,
// a line of the chart's Zв keeps |Г|, and a line of another Zв traces the circle of its own
// |Г| as it shows in this chart.
//
//     TChain c{{SeriesL(30 / (2 * Pi * 1e8))}, 50, 1e8};
//     ChainPaths(c, 25, 1)[0]   // Г from (25-50)/(25+50) to (25+j30-50)/(25+j30+50)
#pragma once

#include "theory/Chain.h"

#include <vector>

namespace theory {

// The node's Г after `e` at t of its value, the node before it of `fromOhms`.
TComplex PartialGamma(const TChainElement& e, const TChain& chain, TComplex fromOhms, double t,
                      double ratio);

// How many points draw the element's path smoothly: 64, and for a line or stub 64 more for
// every eighth of a wavelength past the first (its Г turns once a half wave), up to 4096.
int PathPoints(const TChainElement& e, const TChain& chain, double ratio);

// One path a element, in the chain's order, each from its input node to its output node;
// an open node (Z infinite) is Г = 1.
std::vector<std::vector<TComplex>> ChainPaths(const TChain& chain, TComplex loadOhms,
                                              double ratio = 1);

} // namespace theory
