// The clipboard: the picture as a device-independent bitmap, pixel for pixel as the canvas
// holds it, and a text as Unicode with Windows' line endings. A clipboard another program
// holds open raises a toolkit exception with a message in Russian.
#pragma once

#include "toolkit/Canvas.h"

#include <windows.h>

#include <string>

namespace tkwin {

void CopyPicture(HWND owner, const tk::TCanvas& canvas);
void CopyText(HWND owner, const std::string& utf8);

} // namespace tkwin
