// How the exact answers are written in the result labels' hints: five decimals and the
// locale's separator, "∞" where a value has no finite size ("2,00000+j1,00000", "∞").
#pragma once

#include "chart/LineTheory.h"

#include <optional>
#include <string>
#include <string_view>

namespace chart {

std::string ExactNumber(double v);
std::string ExactComplex(TComplex z);
// "|Г| = 0,44721, КСВ = 2,61803", and ", КБВ = 0,38197" with `withTwr`; КСВ is "∞" on the
// rim and absent beyond it.
std::string ExactRatios(double gammaAbs, bool withTwr = false);

// The number a field holds, or nothing: the hints never fail the handler that wrote the
// labels.
std::optional<double> FieldNumber(std::string_view text);

} // namespace chart
