// The chain window's chart: the grid, then the chain's exact path on the load (ChainPath.h)
// with a legend row an element. The window draws it on every change, and the command line's
// «--chain … --picture FILE» draws the same on a canvas of the same size.
//
//     tk::TCanvas c(kChainChartWidth, kChainChartHeight);
//     DrawChainChart(state, c, chain, {20, -35});
#pragma once

#include "chart/ChartState.h"
#include "theory/Chain.h"

#include "toolkit/Canvas.h"

#include <string>

namespace chart {

inline constexpr int kChainChartWidth = 807, kChainChartHeight = 689;

// «Zн = 20-j35 Ом, Zв = 50 Ом»: the load and line a chain stands on.
std::string ChainLoadCaption(theory::TComplex loadOhms, double lineOhms);
// «Цепь — Zн = 20-j35 Ом, Zв = 50 Ом»: a saved or printed chart's title.
std::string ChainChartTitle(theory::TComplex loadOhms, double lineOhms);

void DrawChainChart(TChartState& state, tk::TCanvas& c, const theory::TChain& chain,
                    theory::TComplex loadOhms);

} // namespace chart
