// What the chain window writes and reads for its elements, apart from the window: the kinds
// it adds, each element's name and value in its unit, the readings at a node, and how its
// slider's positions stand for values.
//
// The window holds every L and C by its reactance at f0 in ohms, so that the chain is solved
// the same with or without a frequency; with one it writes them in nH and pF:
//     ValueText(L of 50 Ω, 100 MHz)   "79,58 нГн"      ValueText(L of 50 Ω, 0)   "XL = 50 Ом"
#pragma once

#include "theory/Chain.h"

#include <span>
#include <string>
#include <vector>

namespace chart {

// A kind the window adds, as its list of kinds names it, with the element it adds on a line
// of `lineOhms`: an L, C or R of Zв ohms, a line or stub λ/8 long, a transformer 1,5 : 1.
struct TChainKindChoice {
    const char* Caption;
    theory::TChainElement (*Make)(double lineOhms);
};
std::span<const TChainKindChoice> ChainKindChoices();

// `e` turned into the kind of `made`, its value kept where the two measure it alike (L, C, R
// in ohms; lines and stubs in λ).
theory::TChainElement WithKindOf(const theory::TChainElement& e, const theory::TChainElement& made);

// "L посл.", "Шлейф парал. КЗ", "Линия".
std::string ElementName(const theory::TChainElement& e);
// The value in the unit the window shows it in at `f0Hz` (0: none): "79,58 нГн", "0,125 λ".
std::string ValueText(const theory::TChainElement& e, double f0Hz);
// The unit ValueEdit takes the value in: "нГн", "пФ", "Ом", "λ", ": 1".
std::string ValueUnit(const theory::TChainElement& e, double f0Hz);
// The element's value from a number typed in that unit: L and C back to their reactance.
double ValueFromShown(const theory::TChainElement& e, double shown, double f0Hz);
double ShownValue(const theory::TChainElement& e, double f0Hz);

// A node's columns: z, y, Z in Ω, |Г|, КСВ, return loss in dB, Q.
std::vector<std::string> ReadingColumns(const theory::TNodeReading& r);
// The same for the input, in two lines for its large labels.
std::string InputMainText(const theory::TNodeReading& r);
std::string InputDetailText(const theory::TNodeReading& r);

// The slider's positions 0..kSliderSteps around the value it was set on (`anchor`): L, C, R
// and a transformer from a tenth to ten times it, evenly in the logarithm; a line's or stub's
// length from 0 to twice it (at least λ/2), evenly.
constexpr int kSliderSteps = 1000;
double SliderValue(const theory::TChainElement& e, double anchor, int position);
int SliderPosition(const theory::TChainElement& e, double anchor, double value);

} // namespace chart
