// --picture FILE: the construction written as the window saves it.
#pragma once

#include "toolkit/Canvas.h"

#include <string>

namespace cli {

// FILE.png or FILE.pdf as the window's «Сохранить рисунок…» writes it (the PDF from the
// canvas's log, with `title` as its title), without a display; anything else is refused
// with a toolkit exception saying why, and no file is written.
void WritePicture(const tk::TCanvas& canvas, const std::string& path, const std::string& title);

} // namespace cli
