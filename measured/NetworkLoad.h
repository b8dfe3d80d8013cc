// The load port 1 of a measured network presents, from the parameters a Touchstone file
// gives at one frequency: port 1 of a one-port, or of a two-port whose port 2 is closed by
// its reference, as S11 sees it. The same network written as S, Z or Y gives the same load.
//
//     PortOneLoad({TParameter::Z, {30, 40}})                     30 + j40 Ом
//     PortOneLoad({TParameter::Z, {100, 0}, {50, 0}, {50, 0}, {50, 0}, {}, 50, 50})
//                                                                75 Ом: 50 Ом in series,
//                                                                then 50 Ом across R2 = 50 Ом
#pragma once

#include "measured/Complex.h"

#include <optional>
#include <string_view>

namespace measured {

enum class TParameter { S, Y, Z };

// What a file's kind of parameters is, once for every reader: its letter on the option line
// ("# MHz Z RI R 50"), how a normalised file's values become ohms or siemens (times the
// reference to the power OhmsPower: Z 1, Y −1, S 0), and whether port 1's load needs the
// other ports' parameters too (Z and Y do; S11 alone is the load's reflection). A new kind
// is a row here and its case in PortOneLoad.
struct TParameterKind {
    TParameter Parameter;
    char Letter;
    int OhmsPower;
    bool NeedsAllPorts;
};
const TParameterKind& KindOf(TParameter parameter);
// The kind an option line's word names ("Z", in capitals), or nullptr.
const TParameterKind* KindNamed(std::string_view word);

// One point's parameters: Z in ohms, Y in siemens, S as they are; a one-port's N11 alone,
// the others zero. For S written as magnitude and angle, Magnitude11 is |S11| as written,
// which keeps a lossless point lossless: the angle's cosine and sine round, and from them
// alone 1∠60° has 1 − |S11|² = −1,1·10⁻¹⁶, a resistance below zero.
struct TNetworkPoint {
    TParameter Parameter = TParameter::S;
    TComplex N11, N12, N21, N22;
    std::optional<double> Magnitude11;
    double R1 = 50, R2 = 50; // the ports' references, ohms
};

// Zн in ohms; nothing where it has no finite value: an open circuit (S11 = 1, Y = 0) or a
// load beyond what a double holds. A passive point (|S11| ≤ 1) never gives a negative
// resistance, however near |S11| lies to 1: what rounding leaves below zero is zero.
std::optional<TComplex> PortOneLoad(const TNetworkPoint& p);

} // namespace measured
