#include "toolkit/qt/ImageWidget.h"

#include "toolkit/qt/SmoothPicture.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace tkqt {

namespace {

// 0x00RRGGBB words are exactly Format_RGB32, so the canvas is shown in place, uncopied.
QImage InPlace(const tk::TCanvas& canvas) {
    return QImage(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(), canvas.Height(),
                  canvas.Width() * 4, QImage::Format_RGB32);
}

} // namespace

ImageWidget::ImageWidget(const tk::TCanvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {
    // The canvas covers the whole control, so nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageWidget::CanvasChanged() {
    // Every handler ends here, typing into a field too: the smooth picture is dropped only
    // when the canvas really differs from the one it was made from.
    if (!smooth_.isNull() && smoothSource_ != InPlace(canvas_)) smooth_ = QImage();
    update();
}

const QImage& ImageWidget::Smooth(qreal ratio) {
    if (smooth_.isNull() || smooth_.devicePixelRatio() != ratio) {
        smoothSource_ = InPlace(canvas_).copy();
        smooth_ = SmoothPicture(smoothSource_, ratio);
    }
    return smooth_;
}

void ImageWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The ratio of what is painted on, which a grab or a print may set apart from the
    // screen's.
    const qreal ratio = painter.device()->devicePixelRatio();
    if (ratio == std::floor(ratio)) {
        // The chart is read off to the pixel: on a dense screen each canvas pixel becomes a
        // block of device pixels, never a blur.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(event->rect(), InPlace(canvas_), event->rect());
    } else {
        painter.drawImage(QPoint(0, 0), Smooth(ratio));
    }
}

} // namespace tkqt
