#include "ImageWidget.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace tkqt {

ImageWidget::ImageWidget(const tk::TCanvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {
    // The canvas covers the whole control, so nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageWidget::CanvasChanged() {
    update();
}

void ImageWidget::paintEvent(QPaintEvent* event) {
    // 0x00RRGGBB words are exactly Format_RGB32, so the canvas is shown in place, uncopied.
    const QImage image(reinterpret_cast<const uchar*>(canvas_.Bits()), canvas_.Width(),
                       canvas_.Height(), canvas_.Width() * 4, QImage::Format_RGB32);
    QPainter painter(this);
    // The chart is read off to the pixel: on a dense screen each canvas pixel becomes a
    // block of device pixels, never a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), image, event->rect());
}

} // namespace tkqt
