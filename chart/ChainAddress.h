// The chain in the page's address, so that a link carries the design: after «#», «chain=»
// and the chain's text (theory/ChainText.h) with every byte but a letter, a digit and
// - . _ ~ written as %XX, «&f0=» and the frequency in Hz when the chain has one, and the
// load and line it was built on, in ohms:
//
//     #chain=series%20C%20X%2050%3B%20line%200.125&f0=100000000&load=100,50&line=50
//
// The chain window writes it on every change; the page, opened with one, puts the load in
// the main window, shows its point and opens the chain window on it with that chain. Hosts
// without an address ignore both.
#pragma once

#include "theory/Chain.h"

#include "toolkit/Controls.h"

#include <optional>
#include <string>
#include <string_view>

namespace chart {

// Empty for a chain without elements.
std::string ChainAddress(const theory::TChain& chain, theory::TComplex loadOhms);

// What an address holds: the chain (its elements, f0 and Zв) and its load, when it gives one.
struct TAddressedChain {
    theory::TChain Chain;
    std::optional<theory::TComplex> LoadOhms;
};
// None for an address that names no chain. One that names a chain but does not read raises
// its message in Russian.
std::optional<TAddressedChain> ReadChainAddress(std::string_view address);

// At the page's start: the chain of its address, if any, in the chain window on
// `mainChartForm`'s load; a bad address raises kChainAddressMessage and what is wrong, and
// nothing opens.
void OpenAddressedChain(tk::TForm& mainChartForm);

extern const char* const kChainAddressMessage;

} // namespace chart
