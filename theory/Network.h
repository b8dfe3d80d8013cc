// A matching network as it is built: elements one after another from the load toward the
// generator, each a length of line, a stub across the line or in series with it, or a
// lumped reactance in series or susceptance across the line. Impedances are normalised to
// the line's Zв, lengths are in wavelengths at f0.
//
// InputImpedance gives what the line sees at f = ratio·f0. Lines and stubs keep their
// physical lengths (ratio times as many wavelengths); a series inductor's x grows with f and
// a capacitor's -1/(ωC) shrinks; across the line a capacitor's b grows and an inductor's
// -1/(ωL) shrinks. A quarter-wave section of z0 = √2 turns z = 2 into 1 at f0:
//
//     InputImpedance({Line(0.25, std::sqrt(2.0))}, {2, 0}, 1) == 1
#pragma once

#include "theory/LineTheory.h"

#include <span>
#include <vector>

namespace theory {

enum class TElementKind { Line, ShuntStub, SeriesStub, SeriesReactance, ShuntSusceptance };

struct TElement {
    TElementKind Kind = TElementKind::Line;
    // Lines and stubs: the length in wavelengths at f0; lumped elements: x (series) or b
    // (across), normalised, at f0.
    double Value = 0;
    double Z0 = 1;                    // lines and stubs: their own impedance, normalised to Zв
    TStubKind End = TStubKind::Short; // stubs: short-circuited or open

    bool operator==(const TElement&) const = default;
};

using TNetwork = std::vector<TElement>;

TElement Line(double waves, double z0 = 1);
TElement ShuntStub(double waves, TStubKind end);
TElement SeriesStub(double waves, TStubKind end);
TElement SeriesReactance(double x);
TElement ShuntSusceptance(double b);

// The impedance at the network's input, looking toward the load `z` (the load at that
// frequency), at f/f0 = `ratio`: infinite parts where the network opens the line.
TComplex InputImpedance(const TNetwork& network, TComplex z, double ratio);

// КСВ on the line at the network's input; 1 where it matches, ∞ on the rim.
double InputVswr(const TNetwork& network, TComplex z, double ratio);
// КСВ of an impedance on the line, ∞ for an open one.
double VswrOf(TComplex in);

// For a sweep that turns each length by a fixed step (theory/BandResponse.h): an element's
// turn at f/f0 = ratio is e^(j·TurnPerRatio·ratio) — Г's turn -4πl on a line, βl = 2πl
// on a stub, none for a lumped element — and InputImpedance takes the turns handed in, one
// an element.
double TurnPerRatio(const TElement& e);
TComplex TurnAt(const TElement& e, double ratio);
TComplex InputImpedance(const TNetwork& network, TComplex z, double ratio,
                        std::span<const TComplex> turns);

} // namespace theory
