// The preferred numbers components are made in (IEC 60063): the E12, E24 and E96 series, per
// decade, and the value of a series nearest a given one in the logarithm, so that 9,9 goes to
// 10 rather than to 8,2 and 2,5 to 2,7 (2,5/2,2 is farther than 2,7/2,5).
//
// A chain on its standard values: each L and C (held in henries and farads, or by its
// reactance at f0) moved to its nearest standard number of henries or farads at f0, kept as
// it was held.
#pragma once

#include "theory/Chain.h"

#include <span>

namespace theory {

enum class TSeries { E12, E24, E96 };

// The series' values in one decade as integers of two (E12, E24) or three (E96) digits:
// 10, 12, 15 … 82; 100, 102, 105 … 976.
std::span<const int> SeriesValues(TSeries series);

// How far apart two positive values are in the logarithm, as the larger over the smaller:
// ordered as |ln(a/b)| is, with one division, which rounds alike on every platform.
inline double RatioApart(double a, double b) {
    return a > b ? a / b : b / a;
}

// The value of the series nearest `v` (> 0) in the logarithm, correctly rounded from the
// series' digits and a power of ten: 4,7e-9, not 47·1e-10 with its last bit astray.
double NearestStandard(double v, TSeries series);

// `chain` with each L and C on its nearest standard value at the chain's f0; other elements,
// and every L and C when no f0 is known, as they are.
TChain OnStandardValues(const TChain& chain, TSeries series);

} // namespace theory
