// An image control: shows its canvas one canvas pixel to one device-independent pixel where
// it has its designed size, and shrunk to the size the window gives it where the window is
// too small for it (see FitLayout.h). On a screen with a whole number of device pixels to
// the pixel (1, 2, 3 ...) and at the designed size, each canvas pixel becomes a block of
// device pixels; everywhere else (1,25, 1,5, 1,75 ..., or shrunk) the picture is scaled by
// area, so that a one-pixel line of the chart keeps one weight wherever it lies. Either way
// the canvas itself is only read.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/qt/SmoothPicture.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace tkqt {

class ImageWidget : public QWidget {
  public:
    ImageWidget(const tk::TCanvas& canvas, QWidget* parent);

    // After a handler, which may have drawn on the canvas: shows it anew.
    void CanvasChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const tk::TCanvas& canvas_;
    // The weights for the last scaled size, kept while the size stays; the picture itself
    // is made for each paint, a band of rows at a time, and never kept.
    std::optional<SmoothPicture> smooth_;
};

} // namespace tkqt
