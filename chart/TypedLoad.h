// The load and the line as the user typed them, in double precision: what the exact answers
// start from. The chart itself works from their single-precision values, so its readings
// and the exact answers part where a float rounds (-1,001 on a line of 1 has |Г| = 2001,
// its float -1,00100005 one of 2000,9).
#pragma once

#include <complex>

namespace chart {

struct TTypedLoad {
    std::complex<double> Load, Line; // Zн and Zв in ohms

    std::complex<double> ZNorm() const { return Load / Line; }
    bool operator==(const TTypedLoad&) const = default;
};

} // namespace chart
