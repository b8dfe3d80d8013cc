// The form's actions realised: each one the form declares (tk::TActionDesc) becomes an item
// of its image's context menu with the platform's keys for its shortcut, anywhere in the
// window. They copy the picture to the clipboard, save it as a PNG or a PDF, print it, or
// copy a text the form makes, or show the image's layer (a checkable row). A copied picture
// and a PNG go out pixel for pixel, as the image shows them (TImage::Picture); a PDF and a
// printout are the same picture as vector graphics, the layer's calls after the canvas's
// (toolkit/PngWriter.h, toolkit/PdfDocument.h, PrintPicture.h).
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Canvas.h"

#include <QImage>
#include <QString>

class QWidget;

namespace tkqt {

// A copy of the canvas (an image's picture), one pixel to the pixel.
QImage PictureOf(const tk::TCanvas& canvas);

// Gives the image's widget the form's actions as its menu and the window their shortcuts.
// Every action runs as an event handler of `application`, so a failure ends in the
// program's error box.
void AddPictureMenu(QWidget& image, tk::TImage& picture, tk::TForm& form,
                    tk::TApplication& application);

} // namespace tkqt
