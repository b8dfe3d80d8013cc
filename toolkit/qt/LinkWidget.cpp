#include "toolkit/qt/LinkWidget.h"

#include "toolkit/Contrast.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace tkqt {
namespace {

tk::TColor ToTColor(const QColor& c) {
    return tk::RGB(unsigned(c.red()), unsigned(c.green()), unsigned(c.blue()));
}

QColor ToQColor(tk::TColor c) {
    return QColor(int((c >> 16) & 0xff), int((c >> 8) & 0xff), int(c & 0xff));
}

} // namespace

LinkWidget::LinkWidget(std::function<void()> onClick, int maxWidth, QColor designed,
                       QWidget* parent)
    : LabelWidget(std::move(onClick), parent), maxWidth_(maxWidth), designed_(designed) {
    Recolour();
}

QSize LinkWidget::sizeHint() const {
    QSize size = LabelWidget::sizeHint();
    size.setWidth(std::min(size.width(), maxWidth_));
    return size;
}

QSize LinkWidget::minimumSizeHint() const {
    return sizeHint();
}

QString LinkWidget::ShownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void LinkWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                          ShownText(), foregroundRole());
}

void LinkWidget::changeEvent(QEvent* event) {
    LabelWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) Recolour();
}

void LinkWidget::Recolour() {
    // The label has no background of its own: the window's shows through.
    const QColor shown =
        ToQColor(tk::ReadableColor(ToTColor(designed_), ToTColor(palette().color(QPalette::Link)),
                                   ToTColor(palette().color(QPalette::Window))));
    if (palette().color(QPalette::WindowText) == shown) return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, shown);
    setPalette(p); // comes back here once, and finds the colour right
}

} // namespace tkqt
