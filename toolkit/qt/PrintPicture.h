// The picture printed: the page has the picture fitted to it, played back from the canvas's
// record of its calls (toolkit/VectorPicture.h) as the PDF is, never drawn a second way.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/VectorPicture.h"

#include <QString>

class QPrinter;
class QWidget;

namespace tkqt {

// Asks for a printer in the print dialog over `parent` and prints the picture there, fitted
// to the printable area of the page and centred on it, with an image's overlay over it if one
// is given; nothing when the user cancels.
void PrintPicture(QWidget& parent, const tk::TCanvas& canvas, const QString& title,
                  tk::TOverlayCalls overlay = {});

// Prints the picture on `printer` as it is set up (a printer, or a file), fitted and centred
// as above; raises a toolkit exception with a message in Russian when the printer fails.
void PrintPicture(QPrinter& printer, const tk::TCanvas& canvas, tk::TOverlayCalls overlay = {});

} // namespace tkqt
