#include "theory/Turns.h"

#include "theory/PortableMath.h"

#include <cmath>

namespace theory {

double Wrap(double x, double period) {
    const double r = std::fmod(x, period);
    return r < 0 ? r + period : r;
}

double Arg(TComplex z) {
    return theory::portable::Atan2(z.imag(), z.real());
}

double TurnToward(double from, double to) {
    return Wrap((from - to) / (4 * Pi), 0.5);
}

} // namespace theory
