#include "toolkit/qt/ControlBinding.h"

#include "toolkit/CaptionFit.h"
#include "toolkit/RadioGroup.h"

#include "toolkit/qt/Fonts.h"
#include "toolkit/qt/ImageWidget.h"
#include "toolkit/qt/LabelWidget.h"
#include "toolkit/qt/LinkWidget.h"
#include "toolkit/qt/PictureMenu.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tkqt {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QColor ToQColor(tk::TColor c) {
    return QColor((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff);
}

// A control of class C shown as a widget of class W, dressed as designed.
template <class C, class W> class Bound : public ControlBinding {
  public:
    const tk::TControl& Control() const override { return control_; }
    QWidget* Widget() const override { return &widget_; }

  protected:
    Bound(C& control, W* widget, const FontMap& fonts) : control_(control), widget_(*widget) {
        Dress(widget_, control_, fonts);
    }

    // A button's click runs the control's OnClick; Qt has already toggled a check box or
    // a radio button by then, and the control holds its new state.
    void ClickRunsOnClick(tk::TApplication& application) {
        QObject::connect(&widget_, &QAbstractButton::clicked, &widget_,
                         [&application, &control = control_] { application.Click(control); });
    }

    void SetText(const std::string& caption) {
        if (const QString text = Q(caption); widget_.text() != text) widget_.setText(text);
    }

    C& control_;
    W& widget_; // owned by its parent widget
};

// The form's menu and its keys go with its first picture alone, as in the other bindings: a
// second picture (a progress bar) holding them too would make every key ambiguous to Qt.
bool FirstImage(const tk::TImage& image, const tk::TForm& form) {
    for (const auto& c : form.Controls())
        if (auto* first = dynamic_cast<const tk::TImage*>(c.get())) return first == &image;
    return false;
}

class ImageBinding final : public Bound<tk::TImage, ImageWidget> {
  public:
    ImageBinding(tk::TImage& image, QWidget* parent, const BindingContext& context)
        : Bound(image, new ImageWidget(image, context.application, parent), context.fonts) {
        if (FirstImage(image, context.form))
            AddPictureMenu(widget_, image, context.form, context.application);
    }

    void Refresh() override { widget_.CanvasChanged(); }
};

// A label, or a link where the label has the hand cursor: a link keeps to its designed
// width, so a long address cannot run over its neighbours.
class LabelBinding final : public Bound<tk::TLabel, LabelWidget> {
  public:
    LabelBinding(tk::TLabel& label, QWidget* parent, const BindingContext& context)
        : Bound(label, MakeWidget(label, parent, context.application), context.fonts) {
        widget_.setTextFormat(Qt::PlainText);
        widget_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget_.setText(Q(label.Caption));
        // A designed caption that our face sets wider than its box closes up to fit where
        // it would run under the control beside it; the link elides itself instead.
        const int width = QFontMetrics(widget_.font()).horizontalAdvance(widget_.text());
        if (!tk::IsLink(label) && tk::RunsUnderANeighbour(context.form, label, width))
            widget_.setFont(FittedToWidth(widget_.font(), widget_.text(), label.Width));
        widget_.setContentsMargins(0, CellTopMargin(widget_.font()), 0, 0);
        // Labels size themselves to their text; the designed size is the designer's
        // font's measure of it.
        widget_.adjustSize();
    }

    void Refresh() override {
        const QString text = Q(control_.Caption);
        if (widget_.text() == text) return;
        widget_.setText(text);
        // A longer result must not be cut off.
        widget_.adjustSize();
    }

  private:
    static LabelWidget* MakeWidget(tk::TLabel& label, QWidget* parent,
                                   tk::TApplication& application) {
        auto click = [&application, &label] { application.Click(label); };
        if (tk::IsLink(label))
            return new LinkWidget(click, label.Width, ToQColor(label.Font.Color), parent);
        return new LabelWidget(click, parent);
    }
};

class EditBinding final : public Bound<tk::TEdit, QLineEdit> {
  public:
    EditBinding(tk::TEdit& edit, QWidget* parent, const BindingContext& context)
        : Bound(edit, new QLineEdit(parent), context.fonts) {
        // The text comes after the font: given to the constructor, it would be laid out
        // in the application's font first (a face loaded, its file mapped, for nothing).
        widget_.setText(Q(edit.Text));
        // Every change, typed, pasted or undone, reaches the control at once: a handler
        // reads the text when it runs, not when the field loses the focus.
        QObject::connect(&widget_, &QLineEdit::textChanged, &widget_,
                         [&application = context.application, &edit](const QString& text) {
                             application.Dispatch([&] { edit.Text = text.toStdString(); });
                         });
    }

    void Refresh() override { SetText(control_.Text); }
};

class ButtonBinding final : public Bound<tk::TButton, QPushButton> {
  public:
    ButtonBinding(tk::TButton& button, QWidget* parent, const BindingContext& context)
        : Bound(button, new QPushButton(Q(button.Caption), parent), context.fonts) {
        ClickRunsOnClick(context.application);
    }

    void Refresh() override { SetText(control_.Caption); }
};

class GroupBoxBinding final : public Bound<tk::TGroupBox, QGroupBox> {
  public:
    GroupBoxBinding(tk::TGroupBox& box, QWidget* parent, const BindingContext& context)
        : Bound(box, new QGroupBox(Q(box.Caption), parent), context.fonts) {
        widget_.setFocusPolicy(Qt::NoFocus);
    }

    void Refresh() override {
        if (const QString title = Q(control_.Caption); widget_.title() != title)
            widget_.setTitle(title);
    }
};

class RadioButtonBinding final : public Bound<tk::TRadioButton, QRadioButton> {
  public:
    RadioButtonBinding(tk::TRadioButton& radio, QWidget* parent, const BindingContext& context)
        : Bound(radio, new QRadioButton(Q(radio.Caption), parent), context.fonts),
          form_(context.form) {
        widget_.setChecked(radio.Checked());
        // The user can only move the choice, never clear it: Qt unchecks the old radio and
        // then checks the new one, and the new one's signal is the choice. SetChecked
        // clears the group's other controls.
        QObject::connect(&widget_, &QRadioButton::toggled, &widget_,
                         [&application = context.application, &radio](bool checked) {
                             if (checked) application.Dispatch([&] { radio.SetChecked(true); });
                         });
        ClickRunsOnClick(context.application);
        RefreshTabStop();
    }

    void Refresh() override {
        SetText(control_.Caption);
        if (widget_.isChecked() != control_.Checked()) {
            if (control_.Checked()) {
                widget_.setChecked(true); // unchecks the widget's siblings itself
            } else {
                // Qt refuses to clear the checked button of an exclusive group, but a
                // handler may leave none checked.
                widget_.setAutoExclusive(false);
                widget_.setChecked(false);
                widget_.setAutoExclusive(true);
            }
        }
        RefreshTabStop();
    }

  private:
    // Tab enters a group of radio buttons once (toolkit/RadioGroup.h). Qt would make
    // whichever radio last had the focus the group's stop, which is no longer the checked
    // one once a handler has changed the choice.
    void RefreshTabStop() {
        if (control_.TabOrder < 0) return;
        widget_.setFocusPolicy(tk::IsGroupStop(form_, control_) ? Qt::StrongFocus : Qt::ClickFocus);
    }

    const tk::TForm& form_;
};

class CheckBoxBinding final : public Bound<tk::TCheckBox, QCheckBox> {
  public:
    CheckBoxBinding(tk::TCheckBox& check, QWidget* parent, const BindingContext& context)
        : Bound(check, new QCheckBox(Q(check.Caption), parent), context.fonts) {
        widget_.setChecked(check.Checked);
        QObject::connect(&widget_, &QCheckBox::toggled, &widget_,
                         [&application = context.application, &check](bool checked) {
                             application.Dispatch([&] { check.Checked = checked; });
                         });
        ClickRunsOnClick(context.application);
    }

    void Refresh() override {
        SetText(control_.Caption);
        if (widget_.isChecked() != control_.Checked) widget_.setChecked(control_.Checked);
    }
};

template <class B, class C>
std::unique_ptr<ControlBinding> Make(tk::TControl& control, QWidget* parent,
                                     const BindingContext& context) {
    return std::make_unique<B>(static_cast<C&>(control), parent, context);
}

} // namespace

void Dress(QWidget& w, const tk::TControl& c, const FontMap& fonts) {
    w.setFont(fonts.Make(c.Font));
    // No layouts: every control keeps its designed place and size however large the
    // window grows, the chart included.
    w.setGeometry(c.Left, c.Top, c.Width, c.Height);
    // Black is the default font's colour, which on screen means the theme's text colour.
    if (c.Font.Color != tk::TFont{}.Color) {
        QPalette palette = w.palette();
        palette.setColor(QPalette::WindowText, ToQColor(c.Font.Color));
        palette.setColor(QPalette::ButtonText, ToQColor(c.Font.Color));
        palette.setColor(QPalette::Text, ToQColor(c.Font.Color));
        w.setPalette(palette);
    }
    if (c.Cursor == tk::TCursor::crHandPoint) w.setCursor(Qt::PointingHandCursor);
    w.setToolTip(Q(tk::ToolTipOf(c)));
    // A widget Tab would stop at but the control has no tab order: still a click reaches it.
    // A picture read with the keys is the window's last stop, whatever its order says.
    if (c.TabOrder < 0 && c.Kind != tk::TControlKind::Image && (w.focusPolicy() & Qt::TabFocus))
        w.setFocusPolicy(Qt::ClickFocus);
}

std::unique_ptr<ControlBinding> Bind(tk::TControl& control, QWidget* parent,
                                     const BindingContext& context) {
    using K = tk::TControlKind;
    switch (control.Kind) {
    case K::Image:
        return Make<ImageBinding, tk::TImage>(control, parent, context);
    case K::Label:
        return Make<LabelBinding, tk::TLabel>(control, parent, context);
    case K::Edit:
        return Make<EditBinding, tk::TEdit>(control, parent, context);
    case K::Button:
        return Make<ButtonBinding, tk::TButton>(control, parent, context);
    case K::GroupBox:
        return Make<GroupBoxBinding, tk::TGroupBox>(control, parent, context);
    case K::RadioButton:
        return Make<RadioButtonBinding, tk::TRadioButton>(control, parent, context);
    case K::CheckBox:
        return Make<CheckBoxBinding, tk::TCheckBox>(control, parent, context);
    case K::RowList:
        return BindRowList(static_cast<tk::TRowList&>(control), parent, context);
    case K::SliderValue:
        return BindSliderValue(static_cast<tk::TSliderValue&>(control), parent, context);
    }
    return nullptr; // no other kinds: the form refuses to build one
}

} // namespace tkqt
