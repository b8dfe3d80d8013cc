#include "toolkit/qt/ImageWidget.h"

#include "toolkit/PictureShowing.h"
#include "toolkit/PointerReading.h"
#include "toolkit/qt/CanvasImage.h"
#include "toolkit/qt/ReadoutLabel.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <string>

namespace tkqt {

namespace {

// Device rows made at a time: small enough to stay in the cache, large enough that
// QPainter's work for each band does not count.
constexpr int kBandRows = 32;

// The reading cross, in device-independent pixels: four arms along the middle of the
// pixel's box, kCrossGap clear of it so that the pixel itself stays in sight, kCrossArm
// long, in an orange the chart never draws with, dark enough to read on white, on a white
// halo kCrossHalo wide that parts it from the chart's black lines.
constexpr int kCrossGap = 2;
constexpr int kCrossArm = 5;
constexpr int kCrossHalo = 1;
constexpr QColor kCrossColor(224, 96, 0);
constexpr int kCrossReach = kCrossGap + kCrossArm + kCrossHalo;

// What the screen reader calls the picture; its description is the readout.
const char* const kAccessibleName = "Диаграмма";

bool WhileAway(Qt::FocusReason reason) {
    // Another window or a menu took the focus for a while and gives it back.
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

ImageWidget::ImageWidget(tk::TImage& image, tk::TApplication& application, QWidget* parent)
    : QWidget(parent), image_(image), application_(application), readout_(new ReadoutLabel(this)) {
    // The canvas covers the whole control, so nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QString::fromUtf8(kAccessibleName));
    // Only Tab gives it the focus: a click on the chart reads it, and leaves the focus where
    // the user was typing.
    setFocusPolicy(Readable() ? Qt::TabFocus : Qt::NoFocus);
    setMouseTracking(Readable());
}

bool ImageWidget::Readable() const {
    return image_.OnReadout || image_.OnPick;
}

void ImageWidget::CanvasChanged() {
    update();
    // What a handler changed may change what the pixel reads (a load's line impedance).
    if (readout_->isVisible() && lastRead_) Read(*lastRead_, readAt_);
}

tk::TSize ImageWidget::CanvasSize() const {
    const tk::TCanvas& picture = image_.Picture();
    return {picture.Width(), picture.Height()};
}

tk::TPoint ImageWidget::PixelAt(QPointF point) const {
    return tk::CanvasPixelAt(point.x(), point.y(), {width(), height()}, CanvasSize());
}

QRect ImageWidget::CrossBox(tk::TPoint pixel) const {
    const tk::TRect box = tk::ShownBoxOf(pixel, {width(), height()}, CanvasSize());
    return QRect(box.Left, box.Top, box.Width, box.Height)
        .adjusted(-kCrossReach, -kCrossReach, kCrossReach, kCrossReach);
}

void ImageWidget::Read(tk::TPoint pixel, QPoint at) {
    lastRead_ = pixel;
    readAt_ = at;
    std::string text;
    // Reading changes nothing, so it runs on every move, outside the handlers; a readout
    // that fails has nothing to say there.
    try {
        if (image_.OnReadout) text = image_.OnReadout(pixel);
    } catch (const std::exception&) {
        text.clear();
    }
    const QString shown = QString::fromStdString(text);
    readout_->ShowBeside(shown, mapTo(window(), at));
    if (shown != accessibleDescription()) {
        setAccessibleDescription(shown);
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void ImageWidget::ReadAtCross() {
    const tk::TRect box = tk::ShownBoxOf(cross_, {width(), height()}, CanvasSize());
    Read(cross_, QPoint(box.Left + box.Width / 2, box.Top + box.Height / 2));
}

void ImageWidget::ShowCross(bool shown) {
    if (crossShown_ == shown) return;
    crossShown_ = shown;
    update(CrossBox(cross_));
}

void ImageWidget::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (!Readable()) return;
    pointerIn_ = true;
    Read(PixelAt(event->position()), event->position().toPoint());
}

void ImageWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!Readable() || event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    application_.Pick(image_, PixelAt(event->position()));
}

void ImageWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    pointerIn_ = false;
    // The readout goes back to the cross, if there is one.
    if (crossShown_ && hasFocus())
        ReadAtCross();
    else
        readout_->hide();
}

void ImageWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (!Readable()) return;
    if (!WhileAway(event->reason())) {
        const tk::TSize canvas = CanvasSize();
        const tk::TPoint start = lastRead_.value_or(image_.ReadingStart);
        cross_ = {std::clamp(start.X, 0, std::max(0, canvas.Width - 1)),
                  std::clamp(start.Y, 0, std::max(0, canvas.Height - 1))};
        ShowCross(true);
    }
    if (crossShown_) ReadAtCross();
}

void ImageWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (!WhileAway(event->reason())) ShowCross(false);
    if (!pointerIn_ || WhileAway(event->reason())) readout_->hide();
}

void ImageWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    readout_->hide();
}

void ImageWidget::keyPressEvent(QKeyEvent* event) {
    if (!Readable()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -step;
        break;
    case Qt::Key_Right:
        dx = step;
        break;
    case Qt::Key_Up:
        dy = -step;
        break;
    case Qt::Key_Down:
        dy = step;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: // the keypad's
        if (!crossShown_) break;
        application_.Pick(image_, cross_);
        return;
    case Qt::Key_Escape:
        if (!crossShown_) break;
        ShowCross(false);
        readout_->hide();
        return;
    default:
        break;
    }
    if (dx == 0 && dy == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // After Esc, an arrow brings the cross back where it was, and moves it.
    const tk::TSize canvas = CanvasSize();
    update(CrossBox(cross_));
    cross_ = {std::clamp(cross_.X + dx, 0, std::max(0, canvas.Width - 1)),
              std::clamp(cross_.Y + dy, 0, std::max(0, canvas.Height - 1))};
    crossShown_ = true;
    update(CrossBox(cross_));
    ReadAtCross();
}

void ImageWidget::PaintCross(QPainter& painter) const {
    const tk::TRect shown = tk::ShownBoxOf(cross_, {width(), height()}, CanvasSize());
    const QRect box(shown.Left, shown.Top, shown.Width, shown.Height);
    const QRect arms[] = {
        {box.left() - kCrossGap - kCrossArm, box.top(), kCrossArm, box.height()},
        {box.right() + 1 + kCrossGap, box.top(), kCrossArm, box.height()},
        {box.left(), box.top() - kCrossGap - kCrossArm, box.width(), kCrossArm},
        {box.left(), box.bottom() + 1 + kCrossGap, box.width(), kCrossArm},
    };
    for (const QRect& arm : arms)
        painter.fillRect(arm.adjusted(-kCrossHalo, -kCrossHalo, kCrossHalo, kCrossHalo), Qt::white);
    for (const QRect& arm : arms)
        painter.fillRect(arm, kCrossColor);
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
    // Only the boxes the paint covers are painted: moving the reading cross asks for two
    // small ones, far apart.
    if (showing.Way == tk::TPictureShowing::TWay::Blocks) {
        // The painter, at the device's whole ratio, makes each canvas pixel a block.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const QImage image = CanvasImage(picture);
        for (const QRect& r : event->region())
            painter.drawImage(r, image, r);
    } else if (const tk::TSize device = showing.Device; !device.Empty()) {
        if (!smooth_ || smooth_->Target() != device || smooth_->Source() != canvas.Size)
            smooth_.emplace(canvas.Size, device);
        QImage band(device.Width, kBandRows, QImage::Format_RGB32);
        // Drawn in device pixels, one to one: a plain copy, where a band drawn at the
        // widget's ratio would be resampled by the painter, pixel by pixel, to the same pixels.
        painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
        for (const QRect& exposed : event->region()) {
            const int top = std::max(0, int(std::floor(exposed.top() * ratio)));
            const int bottom =
                std::min(device.Height, int(std::ceil((exposed.bottom() + 1) * ratio)));
            const int left = std::max(0, int(std::floor(exposed.left() * ratio)));
            const int right = std::min(device.Width, int(std::ceil((exposed.right() + 1) * ratio)));
            for (int y = top; y < bottom; y += kBandRows) {
                smooth_->Rows(canvas, y,
                              {reinterpret_cast<std::uint32_t*>(band.bits()),
                               {band.width(), band.height()},
                               band.bytesPerLine() / 4});
                painter.drawImage(QPoint(left, y), band,
                                  QRect(left, 0, right - left, std::min(kBandRows, bottom - y)));
            }
        }
        painter.resetTransform();
    }
    if (crossShown_) PaintCross(painter);
}

} // namespace tkqt
