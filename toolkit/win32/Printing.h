// The picture on paper: the printer dialog, then one page with the canvas fitted to the
// printable area, its aspect kept, and centred on it. The document is named by `title` in
// the printer's queue. Cancelling the dialog prints nothing; a printer that fails raises a
// toolkit exception with a message in Russian.
#pragma once

#include "toolkit/Canvas.h"

#include <windows.h>

#include <string>

namespace tkwin {

void PrintPicture(HWND owner, const tk::TCanvas& canvas, const std::string& title);

// Where the picture goes on a page whose printable area is `page`: the largest box of the
// canvas's aspect that fits, centred.
RECT FittedOnPage(SIZE page, const tk::TCanvas& canvas);

} // namespace tkwin
