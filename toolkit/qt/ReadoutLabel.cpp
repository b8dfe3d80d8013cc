#include "toolkit/qt/ReadoutLabel.h"

#include "toolkit/PointerReading.h"

#include <QToolTip>

namespace tkqt {

namespace {

// The room between the border and the text, in device-independent pixels.
constexpr int kReadoutMargin = 3;

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
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setMargin(kReadoutMargin);
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
