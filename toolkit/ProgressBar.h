// A progress bar drawn on a picture (a TImage of its own), so that no binding needs a control
// of its own for it: a frame, the part done filled, the rest white.
//
//     DrawProgress(image.Canvas, 5, 20)   // a quarter filled
//     DrawProgress(image.Canvas, 0, 0)    // an empty frame: nothing under way
#pragma once

#include "toolkit/Canvas.h"

namespace tk {

inline constexpr TColor kProgressInk = RGB(0, 120, 215);

// `done` of `total` filled, clamped to the bar; a total of 0 or below fills nothing.
void DrawProgress(TCanvas& canvas, int done, int total);

} // namespace tk
