// A chain of elements of the user's own choosing, from the load toward the generator, solved
// exactly: each element is a value type with its chain (ABCD) matrix at f = ratio·f0, in
// ohms, and the chain's input is (A·Z + B)/(C·Z + D) of the product, the element nearest
// the generator leftmost (Pozar, Microwave Engineering, 4.4: the ABCD matrix).
//
// How values are held, as the user gives them:
//   L, C   henries or farads (needs f0 in Hz), or with Reactance set the size of the
//          element's reactance at f0 in ohms (no frequency needed): a series L of 30 Ω is
//          +j30, a shunt C of 30 Ω is -j30 across the line. Off f0 an inductor's reactance
//          grows with f and a capacitor's shrinks. A finite Q at f0 adds the loss resistance
//          |X|/Q in series within the element, with |X| at f: ωL/Q and 1/(ωCQ).
//   R      ohms.
//   Line   its own Zв in ohms (0: the chain's line's), its length in wavelengths at f0
//          (electrical), or in metres with a velocity factor; a loss in dB per wavelength of
//          that line, one way. It keeps its physical length: at f it is ratio times as many
//          wavelengths long, and loses ratio times as many dB.
//   Stub   shunt or series, short or open, lossless: own Zв and length as a line's.
//   Transformer  ideal, n : 1: the generator's side sees n² times what the load's side sees.
//
// Example: a quarter wave of 70,71 Ω turns 100 Ω into 50 at f0:
//     TChain c{{ChainLine(0.25, 70.71)}, 50};  InputOhms(c, 100, 1) ≈ 50
#pragma once

#include "theory/LineTheory.h"
#include "theory/Network.h"

#include <vector>

namespace theory {

enum class TChainKind { L, C, R, Line, Stub, Transformer };
enum class TPlace { Series, Shunt };

struct TChainElement {
    TChainKind Kind = TChainKind::R;
    TPlace Place = TPlace::Series; // L, C, R and stubs
    // L: H (or Ω with Reactance); C: F (or Ω with Reactance); R: Ω; line and stub: λ at f0,
    // or a line's metres with Vf; transformer: n.
    double Value = 0;
    bool Reactance = false;           // L, C: Value is |X| at f0 in ohms
    double Q = 0;                     // L, C: quality at f0; 0: lossless
    double Z0 = 0;                    // line, stub: own Zв in ohms; 0: the chain's line's
    double Loss = 0;                  // line: dB per wavelength, one way
    double Vf = 0;                    // line: velocity factor, Value then in metres; 0: Value in λ
    TStubKind End = TStubKind::Short; // stubs

    bool operator==(const TChainElement&) const = default;
};

struct TChain {
    std::vector<TChainElement> Elements; // from the load toward the generator
    double LineOhms = 50;                // Zв of the line the chain is referred to
    double F0Hz = 0;                     // 0: not given (L and C then only as reactances)

    bool operator==(const TChain&) const = default;
};

// Elements as the user names them.
TChainElement SeriesL(double henries, double q = 0);
TChainElement ShuntL(double henries, double q = 0);
TChainElement SeriesC(double farads, double q = 0);
TChainElement ShuntC(double farads, double q = 0);
TChainElement SeriesR(double ohms);
TChainElement ShuntR(double ohms);
TChainElement ChainLine(double waves, double z0 = 0, double dbPerWave = 0);
TChainElement ChainStub(TPlace place, TStubKind end, double waves, double z0 = 0);
TChainElement Transformer(double n);

struct TAbcd {
    TComplex A = 1, B = 0, C = 0, D = 1;
};
// `m` after `nearer`, toward the generator: m·nearer.
TAbcd Then(const TAbcd& nearer, const TAbcd& m);

// The element's matrix at f = ratio·f0 in ohms and siemens. L and C in H and F, or a line
// in metres, need the chain's f0.
TAbcd AbcdOf(const TChainElement& e, const TChain& chain, double ratio);
// A line's or stub's turn at f = ratio·f0: cos βl, sin βl and a line's e^(αl), from the
// portable functions; a sweep over evenly spaced frequencies may advance it a step at a
// time instead (a complex and a real product) and hand it in. Other elements: none.
struct TTurn {
    double Cos = 1, Sin = 0, Grow = 1;
};
TTurn TurnOf(const TChainElement& e, const TChain& chain, double ratio);
TAbcd AbcdOf(const TChainElement& e, const TChain& chain, double ratio, const TTurn& turn);

// The whole chain's, port 1 at the generator, port 2 at the load.
TAbcd AbcdOf(const TChain& chain, double ratio);

// (A·Z + B)/(C·Z + D); an open Z (infinite) gives A/C, a zero denominator an open circuit.
TComplex Terminated(const TAbcd& m, TComplex load);

// Ohms at each node, looking toward the load: [0] the load itself, [i] after element i,
// the last the chain's input.
std::vector<TComplex> NodeOhms(const TChain& chain, TComplex loadOhms, double ratio);
TComplex InputOhms(const TChain& chain, TComplex loadOhms, double ratio);

// What is read at a node, exactly.
struct TNodeReading {
    TComplex Ohms, Z, Y, Gamma; // Z in Ω; z and y normalised to Zв; Г on Zв
    double GammaAbs = 0, Vswr = 0;
    double Q = 0; // |x|/r: ∞ for a reactance
};
TNodeReading ReadingOf(TComplex ohms, double lineOhms);
// The same but y and Q (left 0): Г, |Г| and КСВ, what a sweep takes.
TNodeReading GammaReadingOf(TComplex ohms, double lineOhms);
// The return loss, -20·lg|Г|: ∞ at the match, 0 on the rim. On the portable math, and so
// taken only where it is shown: a logarithm there costs more than the whole reading.
double ReturnLossDb(double gammaAbs);

// Two-port S-parameters referred to Zв (real): port 1 the generator's side, port 2 the
// load's.
struct TSParameters {
    TComplex S11, S12, S21, S22;
};
TSParameters SParametersOf(const TAbcd& m, double z0);

// A matching method's network (normalised to Zв, lumped elements as reactances at f0) as a
// chain on a line of `lineOhms`: lines and stubs in λ, a series x as L or C of |x|·Zв Ω,
// a shunt b as C or L of Zв/|b| Ω. With f0Hz > 0 the lumped elements are in henries and
// farads instead. A zero x or b is no element: the chain then has fewer.
TChain ChainOf(const TNetwork& network, double lineOhms, double f0Hz = 0);

} // namespace theory
