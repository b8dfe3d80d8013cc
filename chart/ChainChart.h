// The chain window's chart: the grid, the input's path across the band when there is one,
// then the chain's exact path on the load (ChainPath.h) with a legend row an element. The window draws it on every change, and the command line's
// «--chain … --picture FILE» draws the same on a canvas of the same size.
//
//     tk::TCanvas c(kChainChartWidth, kChainChartHeight);
//     DrawChainChart(grid, c, chain, {20, -35});
#pragma once

#include "chart/DrawnGrid.h"
#include "chart/StepMarks.h"
#include "theory/Chain.h"
#include "theory/ChainBand.h"

#include "toolkit/Canvas.h"

#include <string>

namespace chart {

inline constexpr int kChainChartWidth = 807, kChainChartHeight = 689;

// «Zн = 20-j35 Ом, Zв = 50 Ом»: the load and line a chain stands on.
std::string ChainLoadCaption(theory::TComplex loadOhms, double lineOhms);
// «Цепь — Zн = 20-j35 Ом, Zв = 50 Ом»: a saved or printed chart's title.
std::string ChainChartTitle(theory::TComplex loadOhms, double lineOhms);

// With a band, its input's path is drawn under the chain's (ChainBandPath.h); with marks,
// the steps' marks are placed as each element is drawn (StepMarks.h).
void DrawChainChart(TDrawnGrid& grid, tk::TCanvas& c, const theory::TChain& chain,
                    theory::TComplex loadOhms, const theory::TChainBand* band = nullptr,
                    TStepMarks* marks = nullptr);

} // namespace chart
