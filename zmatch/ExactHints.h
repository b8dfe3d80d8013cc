// The exact answers beside the chart's readings: computed in double precision from the
// typed load by line theory, never from pixels, and written as the result labels' hints.
#pragma once

#include "chart/ChartState.h"

namespace zmatch {

class TForm1;

// After "Показать точку": the exact normalised load and |Г| on Label3.
void HintLoad(TForm1& form, const chart::TChartState& s);

// After "Согласовать": the exact admittance on Label6; on the distance and stub labels
// both solutions for the chosen stub (the chart's, b >= 0, and the second, b < 0) in
// wavelengths and in the wavelength's unit, and what the printed answer gives when built.
void HintMatch(TForm1& form, const chart::TChartState& s);

} // namespace zmatch
