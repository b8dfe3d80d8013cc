// The exact answers beside the chart's readings: computed in double precision from the
// typed load by line theory, never from pixels, and written as the result labels' hints.
#pragma once

#include "chart/ChartState.h"

namespace zline {

class TForm1;

// After "Показать точку": the exact normalised load, its place on the wavelength scale,
// |Г|, КСВ and КБВ, on every label the button writes.
void HintLoad(TForm1& form, const chart::TChartState& s);

// After "Определить новое R+jX": the exact impedance at the new place, normalised and in
// ohms, its |Г| and КСВ, with the line's loss counted as line theory counts it, on every
// label the button writes.
void HintMove(TForm1& form, const chart::TChartState& s);

} // namespace zline
