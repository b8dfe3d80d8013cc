#include "toolkit/qt/LabelWidget.h"

#include <QMouseEvent>

namespace tkqt {

LabelWidget::LabelWidget(std::function<void()> onClick, QWidget* parent)
    : QLabel(parent), onClick_(std::move(onClick)) {}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    // Accepting the press makes this label the grabber, so the release comes back here.
    pressed_ = true;
    event->accept();
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return QLabel::mouseReleaseEvent(event);
    pressed_ = false;
    event->accept();
    // Dragging off the label before letting go cancels the click, as on a button.
    if (rect().contains(event->position().toPoint())) onClick_();
}

} // namespace tkqt
