// Whether a text colour reads on its background, by the contrast ratio of the Web Content
// Accessibility Guidelines: (L1 + 0.05) / (L2 + 0.05) of the two colours' relative
// luminances, from 1 (the same colour) to 21 (black on white). Body text wants 4.5.
//
//     ContrastRatio(clBlue, clWhite)           8.6: blue reads on white
//     ContrastRatio(clBlue, RGB(53, 53, 53))   1.4: not on a dark grey
#pragma once

#include "toolkit/Color.h"

namespace tk {

inline constexpr double kReadableContrast = 4.5;

double ContrastRatio(TColor a, TColor b);

// The colour to draw text meant to be `wanted` on `background`: `wanted` itself where it
// reads, else `alternative` (a theme's own colour for the same role) where that reads, else
// `wanted` moved toward white on a dark background, toward black on a light one, no further
// than reading needs.
TColor ReadableColor(TColor wanted, TColor alternative, TColor background);

} // namespace tk
