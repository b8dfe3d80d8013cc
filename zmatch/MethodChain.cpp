#include "zmatch/MethodChain.h"

#include "toolkit/Exceptions.h"

#include <memory>

namespace zmatch {

TMethodChain ChainOfSolution(const theory::TNetwork& exact, const chart::TTypedLoad& load,
                             double f0Hz) {
    if (load.Line.imag() != 0) throw tk::Exception(chart::kChainLineMessage);
    const double line = load.Line.real();
    // Lumped elements by their reactance, as the chain window holds every L and C.
    theory::TChain chain = theory::ChainOf(exact, line, 0);
    chain.F0Hz = f0Hz;
    return {{load.Load, line, f0Hz}, chain};
}

chart::TChainForm& PutIntoChainWindow(tk::TApplication& app, const chart::TChartForm& main,
                                      const TMethodChain& chain) {
    for (tk::TForm* f : app.Windows())
        if (auto* open = dynamic_cast<chart::TChainForm*>(f); open && &open->Main() == &main) {
            open->TakeChain(chain.Start, chain.Chain);
            return *open;
        }
    auto& opened = dynamic_cast<chart::TChainForm&>(
        app.OpenWindow(std::make_unique<chart::TChainForm>(main, chain.Start)));
    opened.TakeChain(chain.Start, chain.Chain);
    return opened;
}

} // namespace zmatch
