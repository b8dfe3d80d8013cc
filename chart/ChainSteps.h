// The chain explained step by step, for the steps window (chart/StepsForm.h): an element a
// step, from the load toward the generator, each a sentence with the arc its value traces
// (theory/ChainPath.h says why each keeps what it keeps), its value and the node it reaches:
//
//     «C посл. 50 Ом: по окружности постоянного r = 2 из узла 0 в узел 1: z = 2, Г = 0,333333.»
#pragma once

#include "chart/ConstructionSteps.h"
#include "theory/Chain.h"

#include "toolkit/Controls.h"

namespace chart {

// A sentence an element, in the chain's order.
TConstructionSteps ChainStepTexts(const theory::TChain& chain, theory::TComplex loadOhms);

// F1 in the chain window: the steps window following it; a chain without elements refused
// with kNoChainForStepsMessage.
void OpenChainStepsWindow(tk::TForm& chainForm);

extern const char* const kNoChainForStepsMessage;

} // namespace chart
