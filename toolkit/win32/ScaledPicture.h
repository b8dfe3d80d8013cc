// The canvas painted at a size that is not a whole multiple of its own: scaled by area (a
// box filter), each device pixel the mean of the canvas area it covers, made a band of
// rows at a time.
#pragma once

#include "toolkit/Canvas.h"

#include <windows.h>

namespace tkwin {

void PaintScaled(HDC dc, const RECT& target, const tk::TCanvas& canvas);

} // namespace tkwin
