// The exact answers beside the chart's readings: computed in double precision by line
// theory from the load a construction was built for, never from pixels, and written as
// the result labels' hints. Each hint names its load, so that one left beside an older
// result still says whose it is.
#pragma once

#include "zline/LineMove.h"

#include "chart/LoadPoint.h"

namespace zline {

class TForm1;

// After "Показать точку": the exact normalised load, its place on the wavelength scale,
// |Г|, КСВ and КБВ, on every label the button writes.
void HintLoad(TForm1& form, const chart::TLoadPoint& load);

// After "Определить новое R+jX": the exact impedance at the new place, normalised and in
// ohms, its |Г| and КСВ, with the line's loss counted as line theory counts it, on every
// label the button writes.
void HintMove(TForm1& form, const TLineMove& move);

} // namespace zline
