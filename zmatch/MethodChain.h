// «В цепь»: a solution of the methods window taken into the chain window to be tuned there.
// The solution's exact network becomes a chain (theory::ChainOf) on the load it was solved
// for: lines and stubs in λ, lumped elements by their reactance at f0, which the chain window
// writes in nH and pF when the solution has a frequency (the L-section's, or a measured
// load's). The chain window opens with it, or the open one takes it in place of its chain.
#pragma once

#include "chart/ChainForm.h"
#include "chart/ChartForm.h"
#include "chart/TypedLoad.h"
#include "theory/Chain.h"
#include "theory/Network.h"

#include "toolkit/Application.h"

namespace zmatch {

struct TMethodChain {
    chart::TChainStart Start;
    theory::TChain Chain;
};
// A network normalised to the load's Zв, at `f0Hz` (0: none). A Zв with a reactance raises
// chart::kChainLineMessage.
TMethodChain ChainOfSolution(const theory::TNetwork& exact, const chart::TTypedLoad& load,
                             double f0Hz);

// The chain window of `main` (opened if none is) given the chain; it is returned.
chart::TChainForm& PutIntoChainWindow(tk::TApplication& app, const chart::TChartForm& main,
                                      const TMethodChain& chain);

} // namespace zmatch
