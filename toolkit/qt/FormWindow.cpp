#include "FormWindow.h"

#include "Fonts.h"
#include "ImageWidget.h"
#include "LabelWidget.h"
#include "PictureMenu.h"
#include "TabOrder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace tkqt {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QColor ToQColor(tk::TColor c) {
    return QColor((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff);
}

bool TakesFocus(tk::TControlKind kind) {
    using K = tk::TControlKind;
    return kind == K::Edit || kind == K::Button || kind == K::RadioButton || kind == K::CheckBox;
}

void SetText(QLabel& label, const std::string& caption) {
    const QString text = Q(caption);
    if (label.text() == text) return;
    label.setText(text);
    // Labels size themselves to their text: a longer result must not be cut off.
    label.adjustSize();
}

void SetText(QAbstractButton& button, const std::string& caption) {
    if (const QString text = Q(caption); button.text() != text) button.setText(text);
}

void SetChecked(QRadioButton& radio, bool checked) {
    if (radio.isChecked() == checked) return;
    if (checked) return radio.setChecked(true); // unchecks the widget's siblings itself
    // Qt refuses to clear the checked button of an exclusive group, but a handler may
    // leave none checked.
    radio.setAutoExclusive(false);
    radio.setChecked(false);
    radio.setAutoExclusive(true);
}

} // namespace

FormWindow::FormWindow(tk::TForm& form, tk::TApplication& application, const FontMap& fonts)
    : form_(form), application_(application) {
    setWindowTitle(Q(form.Caption));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(fonts.Make(tk::TFont{}));
    resize(form.ClientWidth, form.ClientHeight);
    move(0, 0);

    // A parent always comes before its children in the form, so its widget exists.
    for (const auto& c : form.Controls()) {
        QWidget* parent = c->Parent ? WidgetOf(*c->Parent) : this;
        bindings_.push_back({c.get(), Create(*c, parent, fonts)});
    }

    tabSequence_ = TabSequence(form);
    for (std::size_t i = 1; i < tabSequence_.size(); ++i)
        setTabOrder(WidgetOf(*tabSequence_[i - 1]), WidgetOf(*tabSequence_[i]));
    RefreshTabStops();
}

QWidget* FormWindow::Create(tk::TControl& c, QWidget* parent, const FontMap& fonts) {
    using K = tk::TControlKind;
    QWidget* w = nullptr;
    switch (c.Kind) {
    case K::Image:
        w = new ImageWidget(static_cast<tk::TImage&>(c).Canvas, parent);
        AddPictureMenu(*w, static_cast<tk::TImage&>(c).Canvas, application_);
        break;
    case K::Label: {
        auto* label =
            new LabelWidget([this, &c] { FromWidget([&] { application_.Click(c); }); }, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setText(Q(static_cast<tk::TLabel&>(c).Caption));
        w = label;
        break;
    }
    case K::Edit: {
        auto& edit = static_cast<tk::TEdit&>(c);
        auto* line = new QLineEdit(Q(edit.Text), parent);
        // Every change, typed, pasted or undone, reaches the control at once: a handler
        // reads the text when it runs, not when the field loses the focus.
        connect(line, &QLineEdit::textChanged, this, [this, &edit](const QString& text) {
            FromWidget([&] { application_.Dispatch([&] { edit.Text = text.toStdString(); }); });
        });
        w = line;
        break;
    }
    case K::Button: {
        auto* button = new QPushButton(Q(static_cast<tk::TButton&>(c).Caption), parent);
        connect(button, &QPushButton::clicked, this,
                [this, &c] { FromWidget([&] { application_.Click(c); }); });
        w = button;
        break;
    }
    case K::GroupBox: {
        auto* box = new QGroupBox(Q(static_cast<tk::TGroupBox&>(c).Caption), parent);
        box->setFocusPolicy(Qt::NoFocus);
        w = box;
        break;
    }
    case K::RadioButton: {
        auto& control = static_cast<tk::TRadioButton&>(c);
        auto* radio = new QRadioButton(Q(control.Caption), parent);
        radio->setChecked(control.Checked());
        // Qt unchecks the old choice and checks the new one as two separate signals; read
        // the whole group back each time so the controls never hold two checked or none.
        connect(radio, &QRadioButton::toggled, this, [this, &control] {
            FromWidget([&] { application_.Dispatch([&] { PullRadioGroup(control.Parent); }); });
        });
        connect(radio, &QRadioButton::clicked, this,
                [this, &c] { FromWidget([&] { application_.Click(c); }); });
        w = radio;
        break;
    }
    case K::CheckBox: {
        auto& control = static_cast<tk::TCheckBox&>(c);
        auto* check = new QCheckBox(Q(control.Caption), parent);
        check->setChecked(control.Checked);
        connect(check, &QCheckBox::toggled, this, [this, &control](bool checked) {
            FromWidget([&] { application_.Dispatch([&] { control.Checked = checked; }); });
        });
        connect(check, &QCheckBox::clicked, this,
                [this, &c] { FromWidget([&] { application_.Click(c); }); });
        w = check;
        break;
    }
    }

    w->setFont(fonts.Make(c.Font));
    // No layouts: every control keeps its designed place and size however large the
    // window grows, the chart included.
    w->setGeometry(c.Left, c.Top, c.Width, c.Height);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setContentsMargins(0, CellTopMargin(label->font()), 0, 0);
        // Labels size themselves to their text; the designed size is the designer's
        // font's measure of it.
        label->adjustSize();
    }
    // Black is the default font's colour, which on screen means the theme's text colour.
    if (c.Font.Color != tk::TFont{}.Color) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::WindowText, ToQColor(c.Font.Color));
        palette.setColor(QPalette::ButtonText, ToQColor(c.Font.Color));
        palette.setColor(QPalette::Text, ToQColor(c.Font.Color));
        w->setPalette(palette);
    }
    if (c.Cursor == tk::TCursor::crHandPoint) w->setCursor(Qt::PointingHandCursor);
    w->setToolTip(Q(c.Hint));
    if (TakesFocus(c.Kind) && c.TabOrder < 0) w->setFocusPolicy(Qt::ClickFocus);
    return w;
}

void FormWindow::FromWidget(const std::function<void()>& event) {
    if (!refreshing_) event();
}

void FormWindow::PullRadioGroup(const tk::TControl* parent) {
    // The user can only move the choice, never clear it: the group's checked widget is the
    // choice, and SetChecked clears the other controls.
    for (const Binding& b : bindings_)
        if (b.control->Parent == parent && b.control->Kind == tk::TControlKind::RadioButton &&
            static_cast<QRadioButton*>(b.widget)->isChecked())
            static_cast<tk::TRadioButton*>(b.control)->SetChecked(true);
}

void FormWindow::Refresh() {
    using K = tk::TControlKind;
    // Setting a widget's state emits the same signals as the user's doing; they are not
    // events and must not run handlers or re-enter Dispatch.
    QScopedValueRollback<bool> guard(refreshing_, true);
    if (const QString title = Q(form_.Caption); windowTitle() != title) setWindowTitle(title);
    for (const Binding& b : bindings_) {
        switch (b.control->Kind) {
        case K::Image:
            b.widget->update();
            break;
        case K::Label:
            SetText(*static_cast<QLabel*>(b.widget), static_cast<tk::TLabel*>(b.control)->Caption);
            break;
        case K::Edit: {
            auto* line = static_cast<QLineEdit*>(b.widget);
            if (const QString text = Q(static_cast<tk::TEdit*>(b.control)->Text);
                line->text() != text)
                line->setText(text);
            break;
        }
        case K::Button:
            SetText(*static_cast<QPushButton*>(b.widget),
                    static_cast<tk::TButton*>(b.control)->Caption);
            break;
        case K::GroupBox: {
            auto* box = static_cast<QGroupBox*>(b.widget);
            if (const QString title = Q(static_cast<tk::TGroupBox*>(b.control)->Caption);
                box->title() != title)
                box->setTitle(title);
            break;
        }
        case K::RadioButton: {
            auto* radio = static_cast<QRadioButton*>(b.widget);
            auto* control = static_cast<tk::TRadioButton*>(b.control);
            SetText(*radio, control->Caption);
            SetChecked(*radio, control->Checked());
            break;
        }
        case K::CheckBox: {
            auto* check = static_cast<QCheckBox*>(b.widget);
            auto* control = static_cast<tk::TCheckBox*>(b.control);
            SetText(*check, control->Caption);
            if (check->isChecked() != control->Checked) check->setChecked(control->Checked);
            break;
        }
        }
        if (const QString hint = Q(b.control->Hint); b.widget->toolTip() != hint)
            b.widget->setToolTip(hint);
    }
    RefreshTabStops();
}

void FormWindow::RefreshTabStops() {
    // Tab enters a group of radio buttons once, at its checked one. Qt makes whichever
    // radio last had the focus the group's stop, which is no longer the checked one once
    // a handler has changed the choice. A group with nothing checked keeps Qt's stop.
    for (const Binding& b : bindings_) {
        if (b.control->Kind != tk::TControlKind::RadioButton || b.control->TabOrder < 0) continue;
        bool groupHasChoice = false;
        for (const Binding& other : bindings_)
            if (other.control->Kind == tk::TControlKind::RadioButton &&
                other.control->Parent == b.control->Parent &&
                static_cast<tk::TRadioButton*>(other.control)->Checked())
                groupHasChoice = true;
        if (groupHasChoice)
            b.widget->setFocusPolicy(static_cast<tk::TRadioButton*>(b.control)->Checked()
                                         ? Qt::StrongFocus
                                         : Qt::ClickFocus);
    }
}

QWidget* FormWindow::WidgetOf(const tk::TControl& control) const {
    for (const Binding& b : bindings_)
        if (b.control == &control) return b.widget;
    return nullptr;
}

QWidget* FormWindow::FirstTabStop() const {
    for (const tk::TControl* c : tabSequence_)
        if (QWidget* w = WidgetOf(*c); w->focusPolicy() & Qt::TabFocus) return w;
    return nullptr;
}

} // namespace tkqt
