// zmatch's --band: the match's response across the band, as a table for people and as the
// JSON field "band" for scripts.
//
//     Полоса согласования (нагрузка — R и L или C последовательно, дающие Zн при f0):
//       f/f0    f               ответ диаграммы   первое решение   второе решение (КСВ)
//       0,500   216,96 МГц      9,586             9,712            1,487
//       ...
//     КСВ ≤ 2: ответ диаграммы 38,7 % (167,9 МГц), первое решение 38,4 % (166,6 МГц), …
#pragma once

#include "theory/BandResponse.h"

#include <string>

namespace cli {

// The table shows 21 rows, every twentieth of the band (every 0,05 f0 from 0,5 to 1,5 f0),
// f in Hz beside f/f0 when f0 is known (f0Hz > 0); the КСВ <= 2 bands in per cent of f0.
std::string BandText(const theory::TBandResponse& r, theory::TLoadModel model, double f0Hz);

// "\"band\":{...}": the model, f0 in Hz (null when not given), every point of the response
// as {"f": f/f0, "chart", "first", "second"} and "vswr2" with the three band fractions.
std::string BandField(const theory::TBandResponse& r, theory::TLoadModel model, double f0Hz);

// The same for the other methods' solutions, a column and a band each: "points" as
// {"f": f/f0, "vswr": [one a solution]}, "vswr2" and "vswr2_at_least" as lists.
std::string SolutionsBandText(const theory::TNetworksResponse& r, theory::TLoadModel model,
                              double f0Hz);
std::string SolutionsBandField(const theory::TNetworksResponse& r, theory::TLoadModel model,
                               double f0Hz);

// The width of the band where КСВ stays within its limit, in per cent of f0 and in Hz when
// f0 is known: «38,7 % (167,9 МГц)», «≥ 83,4 %», «во всём диапазоне».
std::string BandWidthText(const theory::TBandCurve& curve, double f0Hz);
// КСВ to three decimals; ∞ on the rim, a dash beyond it.
std::string VswrCell(double vswr);

} // namespace cli
