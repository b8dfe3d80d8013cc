// «Нагрузка из файла…» (Ctrl+O) in the chart's menu: a load measured by a network analyser
// written into the Zн fields. The user picks a Touchstone file, then a frequency: one of
// the file's points («1,5 ГГц: 35,2 - j12,4 Ом») or a frequency typed, which between two
// points takes the load on the straight line between theirs. The load goes into Edit1 and
// Edit2 in ohms with six significant digits of its larger part, in the user's decimal
// separator; Zв stays as typed. The form remembers the choice (TChartForm::SetMeasured), and
// both fields' tooltips say where the load came from, and, when it was interpolated,
// between which points. A point without a load (an open circuit) is listed as «0 Гц:
// холостой ход, точка не используется», and the list starts at the first point with one.
//
// Cancelling either question changes nothing; so does a file that does not read or a
// frequency that does not, lies outside the file's band, or has no load there (at a point
// without one or between it and its neighbour): their message goes to the error box.
#pragma once

#include "toolkit/Controls.h"

namespace chart {

// The command of the menu's row; `form` is a TChartForm.
void LoadFromFile(tk::TForm& form);

} // namespace chart
