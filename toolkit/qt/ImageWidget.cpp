#include "toolkit/qt/ImageWidget.h"

#include "toolkit/PictureShowing.h"
#include "toolkit/qt/CanvasImage.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tkqt {

namespace {

// Device rows made at a time: small enough to stay in the cache, large enough that
// QPainter's work for each band does not count.
constexpr int kBandRows = 32;

} // namespace

ImageWidget::ImageWidget(tk::TImage& image, tk::TApplication& application, QWidget* parent)
    : QWidget(parent), image_(image), application_(application) {
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
    const tk::TCanvas& picture = image_.Picture();
    const tk::TConstPixelRows canvas = tk::PixelRowsOf(picture);
    const tk::TPictureShowing showing =
        tk::HowToShow(canvas.Size, {width(), height()}, double(ratio));
    if (showing.Way == tk::TPictureShowing::TWay::Blocks) {
        // The painter, at the device's whole ratio, makes each canvas pixel a block.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(event->rect(), CanvasImage(picture), event->rect());
        return;
    }

    const tk::TSize device = showing.Device;
    if (device.Empty()) return;
    if (!smooth_ || smooth_->Target() != device || smooth_->Source() != canvas.Size)
        smooth_.emplace(canvas.Size, device);
    // Only the device rows the paint covers are made.
    const QRect exposed = event->rect();
    const int top = std::max(0, int(std::floor(exposed.top() * ratio)));
    const int bottom = std::min(device.Height, int(std::ceil((exposed.bottom() + 1) * ratio)));
    QImage band(device.Width, kBandRows, QImage::Format_RGB32);
    // Drawn in device pixels, one to one: a plain copy, where a band drawn at the widget's
    // ratio would be resampled by the painter, pixel by pixel, to the same pixels.
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    for (int y = top; y < bottom; y += kBandRows) {
        smooth_->Rows(canvas, y,
                      {reinterpret_cast<std::uint32_t*>(band.bits()),
                       {band.width(), band.height()},
                       band.bytesPerLine() / 4});
        painter.drawImage(QPoint(0, y), band,
                          QRect(0, 0, device.Width, std::min(kBandRows, bottom - y)));
    }
}

} // namespace tkqt
