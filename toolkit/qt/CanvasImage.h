// The canvas as a QImage, in place: its 0x00RRGGBB words are exactly Format_RGB32. Valid
// while the canvas is and until it is drawn on; copy it to keep it.
#pragma once

#include "toolkit/Canvas.h"

#include <QImage>

namespace tkqt {

inline QImage CanvasImage(const tk::TCanvas& canvas) {
    return QImage(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(), canvas.Height(),
                  canvas.Width() * 4, QImage::Format_RGB32);
}

} // namespace tkqt
