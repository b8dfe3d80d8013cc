// The quarter-wave transformer on the chart: from the load along its |Г| circle toward the
// generator to the real axis, where the impedance is real: at the voltage maximum on the
// right (r read there is КСВ) and the minimum on the left (1/КСВ). The distance is read as
// the turn on the wavelength scale, R = r·Zв at that pixel, and the section's
// Zт = √(Zв·R). A load on the real axis needs no line to one of them.
#pragma once

#include "zmatch/methods/Method.h"

namespace zmatch::methods {

TMethodOutcome SolveQuarterWave(const TMethodInput& input);
std::vector<std::string> QuarterWaveExact(const TMethodInput& input);

// A quarter-wave section is a line without loss: Zв must be real.
extern const char* const kQuarterWaveLineMessage;

} // namespace zmatch::methods
