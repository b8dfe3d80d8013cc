// The spacings the double stub takes (DoubleStub.h): one rule for the window and the command
// line, from what the chart and line theory resolve.
#include "zmatch/methods/DoubleStub.h"

#include "theory/Turns.h"

namespace zmatch::methods {

// A typed 7,01 leaves 0,00999999… of a half wavelength: a billionth of a wavelength is let
// pass, far under what either the chart or a built stub tells apart.
bool ResolvableSpacing(double spacing) {
    if (!(spacing > 0)) return false;
    constexpr double kSlack = 1e-9;
    const double rest = theory::Wrap(spacing, 0.5);
    return rest >= kClosestSpacing - kSlack && rest <= 0.5 - kClosestSpacing + kSlack;
}

// The whole number of half wavelengths nearest, then the resolvable spacing on the typed
// one's side of it: 0,01 for 10^-10, 0,51 for 0,5000000001, 0,49 for 0,4999.
double NearestResolvableSpacing(double spacing) {
    if (!(spacing > 0)) return kClosestSpacing;
    if (ResolvableSpacing(spacing)) return spacing;
    const double rest = theory::Wrap(spacing, 0.5);
    const double halves = spacing - rest + (rest > 0.25 ? 0.5 : 0);
    return spacing >= halves ? halves + kClosestSpacing : halves - kClosestSpacing;
}

} // namespace zmatch::methods
