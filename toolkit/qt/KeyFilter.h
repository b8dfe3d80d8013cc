// Keys a widget would handle its own way, taken before it sees them: a list's and a
// slider's keys move them by the toolkit's rule (RowList.h, SliderValue.h), as in every
// binding, rather than by Qt's.
#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QObject>

#include <functional>

namespace tkqt {

class KeyFilter : public QObject {
  public:
    // `take` answers whether it has used the key up.
    KeyFilter(QObject* watched, std::function<bool(const QKeyEvent&)> take)
        : QObject(watched), take_(std::move(take)) {
        watched->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // With a modifier held the key is the widget's own (Ctrl+Up in a list moves the
        // current row without selecting it), or a shortcut's.
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (!(key.modifiers() & ~Qt::KeypadModifier) && take_(key)) return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<bool(const QKeyEvent&)> take_;
};

} // namespace tkqt
