// The load point's construction told step by step, from its plan: the load normalised, its
// point where its circles cross, its |Г| circle and the ray, its place on the wavelength
// scale. One sentence a step, in the order DrawLoadPoint draws them, with the chart's
// readings as the labels print them and the exact value beside where it differs.
#pragma once

#include "chart/ConstructionSteps.h"
#include "chart/LoadPoint.h"
#include "theory/LineTheory.h"

#include <string>

namespace chart {

TConstructionSteps LoadPointSteps(const TLoadPoint& load);

// |Г| read off the load's pixel: its distance from the centre over the chart's radius.
float PlottedGamma(const TLoadPoint& load);

// A step's sentence with the exact text beside it, unless every reading the sentence
// prints already reads as the exact value does (`same`).
TConstructionStep Step(std::string text, bool same, std::string exact);

// A place on the wavelength scale, which runs once round from 0 to 0,5 λ, as the scale reads
// it: reduced into the round and written with `decimals` decimals, 0 where they would round
// it up to 0,5 (-0,1381 reads 0,3619 and 0,49999 reads 0,0000 with four).
std::string ScaleText(double waves, int decimals);

// Whether a reading and the exact value print alike with these digits.
bool PrintsAlike(double reading, double exact, int precision, int digits);
bool PrintsAlike(theory::TComplex reading, theory::TComplex exact, int precision, int digits);

} // namespace chart
