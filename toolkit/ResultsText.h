// A form's results as plain text, for the clipboard: every label that carries a hint (a
// handler writes the hint with the result), in the form's order, then each hint once.
//
//     Zнн=2,00+j1,00
//     Y'вх. = 0,40-j0,20
//
//     Точно: z = 2,00000+j1,00000 ...
#pragma once

#include "toolkit/Controls.h"

#include <string>

namespace tk {

// Empty when no label carries a hint yet.
std::string ResultsText(const TForm& form);

} // namespace tk
