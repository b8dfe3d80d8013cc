// An image control: shows its canvas one canvas pixel to one device-independent pixel.
// On a screen with a whole number of device pixels to the pixel (1, 2, 3 ...) each canvas
// pixel becomes a block of device pixels; on a fractional one (1,25, 1,5, 1,75 ...) the
// picture is scaled smoothly, by area, so that a one-pixel line of the chart keeps one
// weight wherever it lies. Either way the canvas itself is only read.
#pragma once

#include "toolkit/Canvas.h"

#include <QImage>
#include <QWidget>

namespace tkqt {

class ImageWidget : public QWidget {
  public:
    ImageWidget(const tk::TCanvas& canvas, QWidget* parent);

    // After a handler, which may have drawn on the canvas: shows it anew.
    void CanvasChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The picture for a fractional ratio, made on the first paint after the canvas or the
    // ratio changed; every other paint is a copy.
    const QImage& Smooth(qreal ratio);

    const tk::TCanvas& canvas_;
    QImage smoothSource_; // a copy of the canvas `smooth_` was made from
    QImage smooth_;       // its device pixels, with the ratio they were made for
};

} // namespace tkqt
