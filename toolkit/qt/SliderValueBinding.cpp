// A value with a slider (toolkit/SliderValue.h) as a QSlider with a QLabel beside it, in a
// box of the control's designed place: the slider two thirds of it, the text the rest.
#include "toolkit/qt/ControlBinding.h"
#include "toolkit/qt/KeyFilter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include <optional>

namespace tkqt {
namespace {

std::optional<tk::TSliderKey> SliderKeyOf(int key) {
    switch (key) {
    case Qt::Key_Left:
        return tk::TSliderKey::Left;
    case Qt::Key_Right:
        return tk::TSliderKey::Right;
    case Qt::Key_Up:
        return tk::TSliderKey::Up;
    case Qt::Key_Down:
        return tk::TSliderKey::Down;
    case Qt::Key_PageUp:
        return tk::TSliderKey::PageUp;
    case Qt::Key_PageDown:
        return tk::TSliderKey::PageDown;
    case Qt::Key_Home:
        return tk::TSliderKey::Home;
    case Qt::Key_End:
        return tk::TSliderKey::End;
    default:
        return std::nullopt;
    }
}

class SliderValueBinding final : public ControlBinding {
  public:
    SliderValueBinding(tk::TSliderValue& slider, QWidget* parent, const BindingContext& context)
        : control_(slider), box_(*new QWidget(parent)),
          slider_(*new QSlider(Qt::Horizontal, &box_)), label_(*new QLabel(&box_)) {
        Dress(box_, slider, context.fonts);
        auto* row = new QHBoxLayout(&box_);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(&slider_, 2);
        row->addWidget(&label_, 1);
        // The text's length must not move the slider: the thirds hold whatever it says.
        label_.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label_.setTextFormat(Qt::PlainText);
        box_.setFocusProxy(&slider_);
        if (slider.TabOrder < 0) slider_.setFocusPolicy(Qt::ClickFocus);
        Refresh();
        // Every step of a drag, and a click on the track, reaches the handler at once.
        QObject::connect(&slider_, &QSlider::valueChanged, &slider_,
                         [&application = context.application, &slider](int position) {
                             application.Slide(slider, position);
                         });
        new KeyFilter(&slider_, [&application = context.application, &slider](const QKeyEvent& e) {
            const std::optional<tk::TSliderKey> key = SliderKeyOf(e.key());
            if (key) application.Key(slider, *key);
            return key.has_value();
        });
    }

    const tk::TControl& Control() const override { return control_; }
    QWidget* Widget() const override { return &box_; }

    // The window quiets the box, not the slider within it, whose signal is the user's move.
    void Refresh() override {
        const QSignalBlocker quiet(&slider_);
        if (slider_.minimum() != control_.Min() || slider_.maximum() != control_.Max())
            slider_.setRange(control_.Min(), control_.Max());
        slider_.setSingleStep(control_.SmallStep);
        slider_.setPageStep(control_.LargeStep);
        if (slider_.value() != control_.Position()) slider_.setValue(control_.Position());
        if (const QString text = QString::fromStdString(control_.Caption); label_.text() != text)
            label_.setText(text);
    }

  private:
    tk::TSliderValue& control_;
    QWidget& box_; // owned by its parent widget, and owning the two below
    QSlider& slider_;
    QLabel& label_;
};

} // namespace

std::unique_ptr<ControlBinding> BindSliderValue(tk::TSliderValue& slider, QWidget* parent,
                                                const BindingContext& context) {
    return std::make_unique<SliderValueBinding>(slider, parent, context);
}

} // namespace tkqt
