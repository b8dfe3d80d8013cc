// The single-stub matching told step by step, from its plan: the admittance point A
// opposite the load, the turn toward the generator to M on the unit-conductance circle and
// the distance read on the wavelength scale, the susceptance circles of ±b and the point S
// where the stub's meets the rim, the stub's length along the rim, what the junction sees.
// One sentence a step, in the order DrawStubConstruction draws them.
#pragma once

#include "zmatch/StubMatch.h"

#include "chart/ConstructionSteps.h"

namespace zmatch {

chart::TConstructionSteps StubSteps(const TStubConstruction& m);

// The place of a point (A's, M's) on the wavelengths-toward-generator scale, from 0 to 0,5.
double ScalePlace(const TStubConstruction& m, float phi);

} // namespace zmatch
