// --picture FILE: the construction written as the window saves it.
#pragma once

#include "toolkit/Canvas.h"

#include <string>

namespace cli {

// FILE.png as the window's «Сохранить рисунок…» writes it; anything else is refused with a
// toolkit exception saying why, and no file is written.
void WritePicture(const tk::TCanvas& canvas, const std::string& path);

} // namespace cli
