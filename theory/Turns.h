// What the matching methods share of line theory: angles and lengths on the chart's scale.
#pragma once

#include "theory/LineTheory.h"

namespace theory {

// x reduced into [0, period).
double Wrap(double x, double period);

// The angle of z in (-π, π], with the same bits on every platform.
double Arg(TComplex z);

// The distance toward the generator, in [0, 0.5) wavelengths, that turns a reflection of
// angle `from` to the angle `to`: Г turns clockwise by 4π a wavelength.
double TurnToward(double from, double to);

} // namespace theory
