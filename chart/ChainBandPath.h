// The chain's input across the band on its own chart: a thin grey curve through the input's
// Г at each frequency of the band (theory/ChainBand.h), its two ends marked by a square and
// named by their frequency, «150 МГц» when f0 is known, «0,5 f0» when not. The curve lies
// under the chain's path: it is drawn first.
//
//     DrawBandPath(canvas, theory::ChainBand(chain, load), chain.F0Hz);
#pragma once

#include "theory/ChainBand.h"

#include "toolkit/Canvas.h"
#include "toolkit/Color.h"

#include <string>

namespace chart {

inline constexpr tk::TColor kBandPathColor = (tk::RGB)(90, 90, 90);

// The name of f = ratio·f0: «433,9 МГц», or «0,5 f0» without f0.
std::string BandEndText(double ratio, double f0Hz);

// Nothing for a band without points.
void DrawBandPath(tk::TCanvas& c, const theory::TChainBand& band, double f0Hz);

} // namespace chart
