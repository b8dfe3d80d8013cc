// The picture as a vector figure: a PDF page the size of the picture, or a printed page
// with the picture fitted to it, both played back from the canvas's record of its calls
// (VectorPicture.h), never drawn a second way.
#pragma once

#include "toolkit/Canvas.h"

#include <QString>

#include <span>

class QPrinter;
class QWidget;

namespace tkqt {

// The calls of the canvas's log that make its picture as it is now (CanvasLog.h). Raises a
// toolkit exception when the canvas keeps no log or its log does not give the picture.
std::span<const tk::TCanvasCall> PictureCalls(const tk::TCanvas& canvas);

// Writes the canvas's picture to `path` as a one-page PDF of the picture's size at 96 dpi
// (807 x 689 pixels: 21,4 x 18,2 cm, to the next whole point), its labels as text in the canvas's
// face, `title` as the document's title («zmatch — Zн = 100+j50 Ом, Zв = 50 Ом»). Whole or not at
// all: when it cannot, raises a toolkit exception with a message in Russian, and no file is left
// behind (an existing one stays as it was). Needs a QGuiApplication (offscreen will do).
void SavePdf(const tk::TCanvas& canvas, const QString& path, const QString& title);

// Asks for a printer in the print dialog over `parent` and prints the picture there, fitted
// to the printable area of the page and centred on it; nothing when the user cancels.
void PrintPicture(QWidget& parent, const tk::TCanvas& canvas, const QString& title);

// Prints the picture on `printer` as it is set up (a printer, or a file), fitted and centred
// as above; raises a toolkit exception with a message in Russian when the printer fails.
void PrintPicture(QPrinter& printer, const tk::TCanvas& canvas);

} // namespace tkqt
