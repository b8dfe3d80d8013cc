#include "toolkit/qt/ReadoutLabel.h"

#include "toolkit/PointerReading.h"

#include <QPainter>
#include <QToolTip>

namespace tkqt {

namespace {

// The room between the border and the text, in device-independent pixels.
constexpr int kReadoutMargin = 3;
constexpr int kBorder = 1;

} // namespace

ReadoutLabel::ReadoutLabel(QWidget* owner)
    : QLabel(owner, Qt::ToolTip | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      owner_(*owner) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setTextFormat(Qt::PlainText);
    setFont(owner->font());
    // A label paints on the window's colours; a tooltip's are those of the theme's tips.
    const QPalette tip = QToolTip::palette();
    QPalette palette = tip;
    palette.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, tip.color(QPalette::ToolTipText));
    setPalette(palette);
    setAutoFillBackground(true);
    setMargin(kReadoutMargin);
    // Room for the border, and on the right for the ink of a line's last letter, which may
    // run past its advance, by which the box is sized.
    setContentsMargins(kBorder + 1, kBorder, kBorder + kReadoutMargin, kBorder);
}

void ReadoutLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    // The border filled side by side, a whole device pixel at least at any scale: the frame
    // QFrame strokes loses its top and left sides at 150 %.
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.fillRect(0, 0, width(), kBorder, ink);
    painter.fillRect(0, height() - kBorder, width(), kBorder, ink);
    painter.fillRect(0, 0, kBorder, height(), ink);
    painter.fillRect(width() - kBorder, 0, kBorder, height(), ink);
}

void ReadoutLabel::ShowBeside(const QString& text, QPoint at) {
    if (text.isEmpty()) {
        hide();
        return;
    }
    if (text != this->text()) {
        setText(text);
        resize(sizeHint());
    }
    const QWidget& window = *owner_.window();
    const tk::TPoint place = tk::PlaceReadout({at.x(), at.y()}, {width(), height()},
                                              {0, 0, window.width(), window.height()});
    move(window.mapToGlobal(QPoint(place.X, place.Y)));
    show();
}

} // namespace tkqt
