// The chain window's files: a chain opened from a chain file or saved to one (the format of
// theory/ChainText.h, docs/chain-format.md), and its two-port exported across the band
// 0,5–1,5 f0 as a Touchstone file (.s2p) a simulator can take. Rows of the window's menu.
//
// A chain opened is held as the window holds every chain: an L or C in henries or farads
// turned into its reactance at f0, a line in millimetres into its wavelengths at f0, so that
// its input stays the same; saved, it reads back as the same chain.
#pragma once

#include "theory/Chain.h"
#include "theory/ChainText.h"

#include "toolkit/Controls.h"

#include <string>
#include <string_view>

namespace chart {

// The chain of a chain file's text as the window takes it: the file's Zв (else
// `lineOhms`), its f0 (else `f0Hz`, which its L and C in henries or farads may then need).
// A text that does not read raises its Russian message.
struct TOpenedChain {
    theory::TChain Chain;
    double Vf = 0; // the velocity factor of its last line given in mm; 0: none
};
// A chain as the window holds it (ChainRows.h): every L and C by its reactance at f0, and a
// line given in mm at a velocity factor by its length in λ at f0, that factor kept in Vf.
// Without f0 the chain stands as it is (a reader asks for f0 where values need one).
TOpenedChain HeldChain(theory::TChain chain);
TOpenedChain ChainOfFileText(std::string_view text, double lineOhms, double f0Hz);

// The band the export covers: 0,5 to 1,5 f0 in steps of 0,005 f0.
std::vector<double> ExportRatios();

// The menu's rows: open and save ask the file's name; a file that does not read or write
// raises its message with the chain kept.
void OpenChainFile(tk::TForm& chainForm);
void SaveChainFile(tk::TForm& chainForm);
void ExportChainTouchstone(tk::TForm& chainForm);

extern const char* const kExportFrequencyMessage;

} // namespace chart
