// An image control: shows its canvas as toolkit/PictureShowing.h says, one canvas pixel to
// one device-independent pixel where it has its designed size, shrunk to the size the window
// gives it where the window is too small for it (see toolkit/FitLayout.h). Either way the
// canvas itself is only read.
//
// A picture that can be read (its image has a readout or takes a pick) is read with the
// pointer and with the keys. The pointer over it shows the readout of the canvas pixel under
// it beside it; a double-click takes that pixel. Tab reaches it last of the window's
// controls, and it then shows a reading cross over the pixel last read: the arrows move the
// cross a canvas pixel (with Shift ten), the readout follows it, Enter takes the pixel, Esc
// puts the cross and the readout away until the next arrow. The readout's text is also the
// widget's accessible description, which screen readers announce.
//
// The wheel over it and a drag with the left button that its image takes (TImage::OnPress)
// go to the image's handlers; a press it does not take is left to the double-click.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/ReadingCross.h"
#include "toolkit/SmoothPicture.h"
#include "toolkit/WheelNotches.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace tkqt {

class ReadoutLabel;

class ImageWidget : public QWidget {
  public:
    ImageWidget(tk::TImage& image, tk::TApplication& application, QWidget* parent);

    // After a handler, which may have drawn on the canvas: shows it anew.
    void CanvasChanged();

    // Whether the picture can be read at all; only then does it take the focus.
    bool Readable() const;
    // The readout shown beside the pointer or the cross (hidden while there is none).
    ReadoutLabel& Readout() const { return *readout_; }
    // The reading cross's pixel while it is shown.
    std::optional<tk::TPoint> Cross() const {
        return cross_.Shown() ? cross_.At() : std::optional<tk::TPoint>();
    }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    tk::TSize CanvasSize() const;
    tk::TPoint PixelAt(QPointF point) const;
    // The box of the widget that shows `pixel`.
    tk::TRect BoxOf(tk::TPoint pixel) const;
    // Repaints the box the cross covers where it stands.
    void UpdateCross();
    // Reads `pixel`, shows the readout beside `at` (a point of this widget) and hands its
    // text to assistive technology.
    void Read(tk::TPoint pixel, QPoint at);
    void ReadAtCross();
    void PaintCross(QPainter& painter) const;

    tk::TImage& image_;
    tk::TApplication& application_;
    // The weights for the last scaled size, kept while the size stays; the picture itself
    // is made for each paint, a band of rows at a time, and never kept.
    std::optional<tk::SmoothPicture> smooth_;
    ReadoutLabel* readout_; // a window of its own, owned by this widget
    // The pixel last read, by the pointer or the cross, and the point the readout was put
    // beside; kept to read it again after a handler has run.
    std::optional<tk::TPoint> lastRead_;
    QPoint readAt_;
    bool pointerIn_ = false;
    tk::TReadingCross cross_;
    bool dragging_ = false; // the image took the press, until the release
    tk::TWheelNotches wheel_;
};

} // namespace tkqt
