// A tuned chain put on parts that can be bought: each L and C on a value of its series, the
// combination of neighbouring values (two below and two above each tuned value) that holds
// best across the band kept. Rounding each to its nearest alone can lose much: the errors of
// two parts may add where a step the other way would have cancelled them.
#pragma once

#include "theory/Chain.h"
#include "theory/ChooseBand.h"
#include "theory/StandardValues.h"

#include <vector>

namespace theory {

// The series' values nearest `v` (> 0): `each` below it and `each` above it, ascending
// (v itself, when in the series, among those below).
std::vector<double> StandardAround(double v, TSeries series, int each);

// The chain's L and C (in henries and farads) on the series' values: of the combinations of
// their neighbours, the one with the least worst |Г| across the band.
TChain OnBestStandard(const TChain& chain, TSeries series, const TChooseBand& band);

// Elements to build: every L, C, stub and section of line; a line of no length is none.
int PartsOf(const TChain& chain);
// The chain without its lines of no length.
TChain WithoutEmptyLines(TChain chain);

} // namespace theory
