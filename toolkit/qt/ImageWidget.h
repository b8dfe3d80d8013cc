// An image control: shows its canvas one canvas pixel to one device-independent pixel.
#pragma once

#include "Canvas.h"

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
    const tk::TCanvas& canvas_;
};

} // namespace tkqt
