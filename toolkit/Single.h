// Storing a double into a 32-bit float, as the chart's state does at every step. A finite
// value beyond the float range is an overflow fault (and a plain conversion would be
// undefined behaviour), so it raises EOverflow; NaN and infinities pass through.
#pragma once

#include "toolkit/Exceptions.h"

#include <cfloat>
#include <cmath>

namespace tk {

inline float ToSingle(double v) {
    // Values up to half an ulp above FLT_MAX still round to FLT_MAX.
    constexpr double limit = double(FLT_MAX) + 0x1p103;
    if (std::isfinite(v) && std::fabs(v) >= limit) throw EOverflow();
    return static_cast<float>(v);
}

} // namespace tk
