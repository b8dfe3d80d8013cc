// The picture out of the window: an image control's context menu and the window's usual
// shortcuts copy the picture to the clipboard (Ctrl+C), save it as a PNG (Ctrl+S), and
// copy the form's results with their exact answers as plain text. Pictures go out pixel
// for pixel, as the canvas holds them.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Canvas.h"

#include <QImage>
#include <QString>

class QWidget;

namespace tkqt {

// A copy of the canvas, one pixel to the pixel.
QImage PictureOf(const tk::TCanvas& canvas);

// Writes the canvas to `path` as a PNG, whole or not at all: when it cannot, raises a
// toolkit exception with a message in Russian, and no file is left behind (an existing
// one stays as it was).
void SavePicture(const tk::TCanvas& canvas, const QString& path);

// Gives the image's widget the menu and the window the shortcuts. Every action runs as
// an event handler of `application`, so a failure ends in the program's error box.
void AddPictureMenu(QWidget& image, const tk::TCanvas& canvas, tk::TApplication& application);

} // namespace tkqt
