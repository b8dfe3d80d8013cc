#include "measured/NetworkLoad.h"

#include <cmath>
#include <limits>

namespace measured {

namespace {

// A difference whose true value is not below zero, of terms of size `scale`: what rounding
// leaves below zero, a few units in the last place of the terms, is zero. The pair 0,6 0,8
// is |S11| = 1 as written, yet its two doubles give |S11|² = 1 + 4·10⁻¹⁷.
double NotBelowRounding(double difference, double scale) {
    constexpr double kRounding = 4 * std::numeric_limits<double>::epsilon();
    return difference < 0 && -difference <= kRounding * scale ? 0.0 : difference;
}

std::optional<TComplex> Finite(TComplex z) {
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) return std::nullopt;
    return z;
}

// Zн = R (1 + Г)/(1 − Г) = R (1 − |Г|² + 2j Im Г)/|1 − Г|²: written so, the resistance has
// the sign of the loss 1 − |Г|², which no cancellation can turn. Far outside the disc, where
// |1 − Г|² could overflow and there is no sign to keep, the plain quotient.
std::optional<TComplex> FromReflection(TComplex g, std::optional<double> magnitude, double r) {
    const double a = g.real(), b = g.imag();
    if (!(a * a + b * b <= 4)) return Finite(r * (1.0 + g) / (1.0 - g));
    const double loss = magnitude ? (1 - *magnitude) * (1 + *magnitude)
                                  : NotBelowRounding((1 - a) * (1 + a) - b * b, a * a + b * b);
    const double d = (1 - a) * (1 - a) + b * b;
    if (!(d > 0)) return std::nullopt; // Г = 1: an open circuit
    return Finite({r * loss / d, 2 * r * b / d});
}

// Port 1 with port 2 closed by its reference, as S11 sees it. S = (Z − R)(Z + R)⁻¹, each
// port normalised by its own √R, and Zн = R1 (1 + S11)/(1 − S11) come to
//     Zн = Z11 − Z12 Z21 / (Z22 + R2),
// the textbook input impedance of a two-port loaded by R2; S = (I − R Y)(I + R Y)⁻¹ likewise
// to Yн = Y11 − Y12 Y21 / (Y22 + 1/R2). Taken in this form, the load needs neither R1 nor
// a matrix inverse, and a one-port (Z12 = Z21 = 0) gives Z11 itself, bit for bit. Only the
// product Z12 Z21 enters, so the order a file writes them in does not matter.
TComplex Closed(const TNetworkPoint& p, double closing) {
    const TComplex through = p.N12 * p.N21 / (p.N22 + closing);
    const TComplex n = p.N11 - through;
    return {NotBelowRounding(n.real(), std::fabs(p.N11.real()) + std::fabs(through.real())),
            n.imag()};
}

// clang-format off
constexpr TParameterKind kParameterKinds[] = {
    // kind          letter  ohms power  needs all ports
    {TParameter::S,  'S',     0,         false},
    {TParameter::Y,  'Y',    -1,         true},
    {TParameter::Z,  'Z',     1,         true},
};
// clang-format on

} // namespace

const TParameterKind& KindOf(TParameter parameter) {
    for (const TParameterKind& k : kParameterKinds)
        if (k.Parameter == parameter) return k;
    return kParameterKinds[0];
}

const TParameterKind* KindNamed(std::string_view word) {
    for (const TParameterKind& k : kParameterKinds)
        if (word.size() == 1 && word[0] == k.Letter) return &k;
    return nullptr;
}

std::optional<TComplex> PortOneLoad(const TNetworkPoint& p) {
    switch (p.Parameter) {
    case TParameter::S:
        return FromReflection(p.N11, p.Magnitude11, p.R1);
    case TParameter::Z:
        return Finite(Closed(p, p.R2));
    case TParameter::Y:
        return Finite(1.0 / Closed(p, 1 / p.R2)); // Yн = 0: an open circuit
    }
    return std::nullopt;
}

} // namespace measured
