// Impedances as the measured loads hold them: ohms, in double precision.
#pragma once

#include <complex>

namespace measured {

using TComplex = std::complex<double>;

} // namespace measured
