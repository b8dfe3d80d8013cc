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
#include <QWheelEvent>

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

tk::TRect ImageWidget::BoxOf(tk::TPoint pixel) const {
    return tk::ShownBoxOf(pixel, {width(), height()}, CanvasSize());
}

void ImageWidget::UpdateCross() {
    const tk::TRect reach = tk::CrossReach(BoxOf(cross_.At()));
    update(QRect(reach.Left, reach.Top, reach.Width, reach.Height));
}

void ImageWidget::Read(tk::TPoint pixel, QPoint at) {
    lastRead_ = pixel;
    cross_.Read(pixel);
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
    const tk::TRect box = BoxOf(cross_.At());
    Read(cross_.At(), QPoint(box.Left + box.Width / 2, box.Top + box.Height / 2));
}

void ImageWidget::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (dragging_) application_.Drag(image_, PixelAt(event->position()));
    if (!Readable()) return;
    pointerIn_ = true;
    Read(PixelAt(event->position()), event->position().toPoint());
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !image_.OnPress) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragging_ = application_.Press(image_, PixelAt(event->position()));
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    application_.Release(image_, PixelAt(event->position()));
}

void ImageWidget::wheelEvent(QWheelEvent* event) {
    if (!image_.OnWheel) {
        QWidget::wheelEvent(event);
        return;
    }
    // With Shift held some platforms turn the wheel sideways.
    const QPoint turn = event->angleDelta();
    const int notches = wheel_.Add(turn.y() != 0 ? turn.y() : turn.x());
    const bool coarse = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (notches != 0) application_.Wheel(image_, PixelAt(event->position()), {notches, coarse});
    event->accept();
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
    if (cross_.Shown() && hasFocus())
        ReadAtCross();
    else
        readout_->hide();
}

void ImageWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (!Readable()) return;
    if (!WhileAway(event->reason())) {
        if (cross_.Shown()) UpdateCross();
        cross_.FocusIn(image_.ReadingStart, CanvasSize());
        UpdateCross();
    }
    if (cross_.Shown()) ReadAtCross();
}

void ImageWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (!WhileAway(event->reason()) && cross_.Shown()) {
        cross_.FocusOut();
        UpdateCross();
    }
    if (!pointerIn_ || WhileAway(event->reason())) readout_->hide();
}

void ImageWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    readout_->hide();
}

void ImageWidget::keyPressEvent(QKeyEvent* event) {
    std::optional<tk::TCrossKey> key;
    switch (event->key()) {
    case Qt::Key_Left:
        key = tk::TCrossKey::Left;
        break;
    case Qt::Key_Right:
        key = tk::TCrossKey::Right;
        break;
    case Qt::Key_Up:
        key = tk::TCrossKey::Up;
        break;
    case Qt::Key_Down:
        key = tk::TCrossKey::Down;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: // the keypad's
        key = tk::TCrossKey::Enter;
        break;
    case Qt::Key_Escape:
        key = tk::TCrossKey::Escape;
        break;
    default:
        break;
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (!Readable() || !key) {
        QWidget::keyPressEvent(event);
        return;
    }
    const tk::TPoint was = cross_.At();
    const bool wasShown = cross_.Shown();
    switch (cross_.Key(*key, shift, CanvasSize())) {
    case tk::TCrossAnswer::Ignored:
        QWidget::keyPressEvent(event);
        return;
    case tk::TCrossAnswer::Picked:
        application_.Pick(image_, cross_.At());
        return;
    case tk::TCrossAnswer::Hidden:
        UpdateCross();
        readout_->hide();
        return;
    case tk::TCrossAnswer::Moved:
        if (wasShown) {
            const tk::TRect old = tk::CrossReach(BoxOf(was));
            update(QRect(old.Left, old.Top, old.Width, old.Height));
        }
        UpdateCross();
        ReadAtCross();
        return;
    }
}

void ImageWidget::PaintCross(QPainter& painter) const {
    for (const tk::TCrossPiece& piece : tk::CrossPieces(BoxOf(cross_.At()))) {
        const tk::TRect& r = piece.Box;
        painter.fillRect(QRect(r.Left, r.Top, r.Width, r.Height), QColor::fromRgb(piece.Color));
    }
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
    if (cross_.Shown()) PaintCross(painter);
}

} // namespace tkqt
