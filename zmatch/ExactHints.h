// The exact answers beside the chart's readings: computed in double precision by line
// theory from the load a construction was built for, never from pixels, and written as
// the result labels' hints. Each hint names its load, so that one left beside an older
// result still says whose it is.
#pragma once

#include "zmatch/StubMatch.h"

#include "chart/LoadPoint.h"

namespace zmatch {

class TForm1;

// After "Показать точку": the exact normalised load and |Г| on Label3.
void HintLoad(TForm1& form, const chart::TLoadPoint& load);

// After "Согласовать": the exact admittance on Label6; on the distance and stub labels
// both solutions for the chosen stub (the chart's, the line's b >= 0 at the junction, and
// the second, b < 0) in wavelengths and in the wavelength's unit, with as many decimals as
// each needs to be built, and what the chart's printed answer gives when built.
void HintMatch(TForm1& form, const TStubConstruction& match);

} // namespace zmatch
