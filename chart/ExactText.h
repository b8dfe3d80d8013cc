// How the exact answers are written in the result labels' hints: five decimals and the
// locale's separator, "∞" where a value has no finite size ("2,00000+j1,00000", "∞"); a
// value that rounds to zero has no sign ("0,40000+j0,00000" for 0,4 - j0,000000001).
#pragma once

#include "chart/TypedLoad.h"
#include "theory/LineTheory.h"

#include <string>

namespace chart {

std::string ExactNumber(double v);
// With `decimals` decimals instead of five.
std::string ExactNumber(double v, int decimals);
std::string ExactComplex(theory::TComplex z);
// "|Г| = 0,44721, КСВ = 2,61803", and ", КБВ = 0,38197" with `withTwr`; КСВ is "∞" on the
// rim and absent beyond it.
std::string ExactRatios(double gammaAbs, bool withTwr = false);
std::string ExactRatios(const theory::TWaveRatios& ratios, bool withTwr = false);

// A typed value as short as it reads: up to six significant digits, no trailing zeros
// ("100", "33,3", "0,000125"); a complex one without "+j0" ("100+j50", "50").
std::string ShortNumber(double v);
std::string ShortComplex(theory::TComplex z);

// Which load an explanation is about, as typed: "Zн = 100+j50 Ом на линии Zв = 50 Ом".
std::string LoadName(const TTypedLoad& load);

} // namespace chart
