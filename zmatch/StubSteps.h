// The single-stub matching told step by step, from its plan: the admittance point A
// opposite the load, the turn toward the generator to M on the unit-conductance circle and
// the distance read on the wavelength scale, the susceptance circles of ±b and the point S
// where the stub's meets the rim, the stub's length along the rim, what the junction sees.
// One sentence a step, in the order DrawStubConstruction draws them.
#pragma once

#include "zmatch/StubMatch.h"

#include "chart/ConstructionSteps.h"

#include <string>

namespace zmatch {

chart::TConstructionSteps StubSteps(const TStubConstruction& m);

// The place of a point (A's, M's) on the wavelengths-toward-generator scale, from 0 to 0,5.
double ScalePlace(const TStubConstruction& m, float phi);

// A turn read on the wavelength scale: the start's place and the turn to four decimals, and
// the end's place their sum, so that the difference the sentence shows is the length it
// shows (the end's own angle gives the same place within 0,0001); the label's three decimals
// after "≈". 100 + j50 Ом, from A with `name` "d":
// "от 0,4636 через 0,5 (это 0) до 0,1613: d = 0,5 - 0,4636 + 0,1613 = 0,1977 ≈ 0,198".
std::string TurnReading(double from, double turn, const char* name);

} // namespace zmatch
