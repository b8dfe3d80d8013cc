// A chart window's results as plain text, for the clipboard: every label that carries a
// hint (a handler writes the hint with the result), in the form's order, each with the
// heading that stands right above it (a label without a hint, such as «Расстояние» or
// «Разнормированные:»), then each hint once.
//
//     Zнн=2,00+j1,00
//     Расстояние
//     l. раст. от нагр.= 0,0625
//
//     ... z = 2,00000+j1,00000 ...
#pragma once

#include "toolkit/Controls.h"

#include <string>

namespace chart {

// Empty when no label carries a hint yet.
std::string ResultsText(const tk::TForm& form);

} // namespace chart
