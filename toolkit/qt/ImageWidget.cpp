#include "toolkit/qt/ImageWidget.h"

#include "toolkit/qt/CanvasImage.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace tkqt {

namespace {

// Device rows made at a time: small enough to stay in the cache, large enough that
// QPainter's work for each band does not count.
constexpr int kBandRows = 32;

} // namespace

ImageWidget::ImageWidget(const tk::TCanvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {
    // The canvas covers the whole control, so nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageWidget::CanvasChanged() {
    update();
}

void ImageWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The ratio of what is painted on, which a grab or a print may set apart from the
    // screen's.
    const qreal ratio = painter.device()->devicePixelRatio();
    const QImage canvas = CanvasImage(canvas_);
    if (size() == canvas.size() && ratio == std::floor(ratio)) {
        // The chart is read off to the pixel: on a dense screen each canvas pixel becomes a
        // block of device pixels, never a blur.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(event->rect(), canvas, event->rect());
        return;
    }

    const QSize device(qRound(width() * ratio), qRound(height() * ratio));
    if (device.isEmpty()) return;
    if (!smooth_ || smooth_->Target() != device || smooth_->Source() != canvas.size())
        smooth_.emplace(canvas.size(), device);
    // Only the device rows the paint covers are made.
    const QRect exposed = event->rect();
    const int top = std::max(0, int(std::floor(exposed.top() * ratio)));
    const int bottom = std::min(device.height(), int(std::ceil((exposed.bottom() + 1) * ratio)));
    QImage band(device.width(), kBandRows, QImage::Format_RGB32);
    // Drawn in device pixels, one to one: a plain copy, where a band drawn at the widget's
    // ratio would be resampled by the painter, pixel by pixel, to the same pixels.
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    for (int y = top; y < bottom; y += kBandRows) {
        smooth_->Rows(canvas, y, band);
        painter.drawImage(QPoint(0, y), band,
                          QRect(0, 0, device.width(), std::min(kBandRows, bottom - y)));
    }
}

} // namespace tkqt
