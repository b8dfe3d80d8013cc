// Which loads the methods window builds on its chart, one rule for every method and for both
// ends of the real axis, as the main window's stub keeps it:
//
// - matched: the exact |Г| is below kMatchedGamma; nothing to build;
// - built on the chart: the load's point lies at least a pixel (1/300 of the radius) inside
//   the rim and at least a pixel out from the centre, both exactly and as plotted;
// - otherwise the chart cannot resolve the point, and the refusal gives the method's exact
//   solutions instead (20 000 ohms on 50, КСВ 400, and 0,125 ohms, КСВ 400, alike: both are
//   built; 49,4 ohms, |Г| = 0,006, 1,8 px out, plotted on the centre, is solved exactly).
#pragma once

#include "zmatch/methods/Method.h"

#include "chart/ConstructionSteps.h"
#include "chart/LoadPoint.h"
#include "chart/TypedLoad.h"

#include <string>
#include <vector>

namespace zmatch::methods {

// Below this |Г| (КСВ 1,000002, return loss 120 dB) a load is matched: no connector, cable or
// calibrated analyser resolves a reflection within three orders of this, so no network built
// for it could be told from none. Above it a load is solved, however near the centre.
inline constexpr double kMatchedGamma = 1e-6;

// Up to this КСВ an answer built as printed counts as a match, as for the main window's stub.
inline constexpr double kMatchedVswr = 1.1;

bool IsMatched(const chart::TTypedLoad& load);

// The load as the methods window builds from it. A point whose circle's pixels, truncated,
// put it on the rim though it lies a pixel or more inside (a real load of r ≥ 299, where the
// circle of r is less than a pixel wide; its plotted column is the rim's) stands at its exact
// place instead, truncated toward the centre like every pixel: at 20 000 ohms on 50, 298 px
// out where the circle's pixel would put it at 300. Every other point is kept as plotted.
chart::TLoadPoint BuiltLoadPoint(chart::TLoadPoint load);

// Why the chart cannot build the method for this load, with the method's exact solutions;
// empty when it can. A matched load is not asked about.
std::string UnbuiltMessage(const TMethod& method, const TMethodInput& input);

// The double stub's exact solutions for such a refusal (TMethod::ExactAnswers).
std::vector<std::string> DoubleStubExact(const TMethodInput& input);

// The steps of a matched load: its normalisation, its |Г| and that no network is needed.
chart::TConstructionSteps MatchedSteps(const chart::TTypedLoad& load);

// The last step's verdict on what the line sees: «Г = 0» where every answer built as printed
// gives КСВ ≤ kMatchedVswr; otherwise which answer gives what and the exact one to build.
std::string BuiltVerdict(const std::vector<TSolution>& solutions, const chart::TTypedLoad& load);

} // namespace zmatch::methods
