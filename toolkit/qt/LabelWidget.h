// A label that reports a click: a press and a release of the left button, both on it.
#pragma once

#include <QLabel>

#include <functional>

namespace tkqt {

class LabelWidget : public QLabel {
  public:
    LabelWidget(std::function<void()> onClick, QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::function<void()> onClick_;
    bool pressed_ = false;
};

} // namespace tkqt
