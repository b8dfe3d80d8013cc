// An image control: shows its canvas as toolkit/PictureShowing.h says, one canvas pixel to
// one device-independent pixel where it has its designed size, shrunk to the size the window
// gives it where the window is too small for it (see toolkit/FitLayout.h). Either way the
// canvas itself is only read.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/SmoothPicture.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace tkqt {

class ImageWidget : public QWidget {
  public:
    ImageWidget(tk::TImage& image, tk::TApplication& application, QWidget* parent);

    // After a handler, which may have drawn on the canvas: shows it anew.
    void CanvasChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    tk::TImage& image_;
    tk::TApplication& application_;
    // The weights for the last scaled size, kept while the size stays; the picture itself
    // is made for each paint, a band of rows at a time, and never kept.
    std::optional<tk::SmoothPicture> smooth_;
};

} // namespace tkqt
