#include "toolkit/qt/FormWindow.h"

#include "toolkit/TabOrder.h"
#include "toolkit/qt/ControlBinding.h"
#include "toolkit/qt/Fonts.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QSignalBlocker>

#include <optional>

namespace tkqt {

FormWindow::FormWindow(tk::TForm& form, tk::TApplication& application, const FontMap& fonts)
    : form_(form), application_(application), fit_(form) {
    setWindowTitle(QString::fromStdString(form.Caption));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(fonts.Make(tk::TFont{}));
    resize(form.ClientWidth, form.ClientHeight);
    const tk::TSize minimum = fit_.Minimum();
    setMinimumSize(minimum.Width, minimum.Height);
    move(0, 0);

    // A parent always comes before its children in the form, so its widget exists.
    const BindingContext context{application, form, fonts};
    for (const auto& c : form.Controls())
        bindings_.push_back(Bind(*c, c->Parent ? WidgetOf(*c->Parent) : this, context));

    tabSequence_ = tk::TabSequence(form);
    for (std::size_t i = 1; i < tabSequence_.size(); ++i)
        setTabOrder(WidgetOf(*tabSequence_[i - 1]), WidgetOf(*tabSequence_[i]));
    // A picture read with the keys is Tab's last stop, after every designed one.
    QWidget* last = tabSequence_.empty() ? nullptr : WidgetOf(*tabSequence_.back());
    for (const auto& c : form.Controls()) {
        QWidget* w = WidgetOf(*c);
        if (c->Kind != tk::TControlKind::Image || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (last) setTabOrder(last, w);
        last = w;
    }

    // A form that takes the arrows has them before its controls, which would move the focus
    // with them; a field, a list and a slider keep them (tk::KeepsArrowKeys).
    if (!form.OnArrowKey) return;
    for (const auto& b : bindings_)
        if (!tk::KeepsArrowKeys(b->Control().Kind)) b->Widget()->installEventFilter(this);
}

FormWindow::~FormWindow() = default;

namespace {

std::optional<tk::TArrowKey> ArrowOf(const QKeyEvent& key) {
    if (key.modifiers() & ~Qt::KeypadModifier) return std::nullopt;
    switch (key.key()) {
    case Qt::Key_Left:
        return tk::TArrowKey::Left;
    case Qt::Key_Up:
        return tk::TArrowKey::Up;
    case Qt::Key_Right:
        return tk::TArrowKey::Right;
    case Qt::Key_Down:
        return tk::TArrowKey::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && form_.OnArrowKey)
        if (const auto arrow = ArrowOf(static_cast<QKeyEvent&>(*event))) {
            application_.ArrowKey(form_, *arrow);
            return true;
        }
    return QWidget::eventFilter(watched, event);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (!eventFilter(this, event)) QWidget::keyPressEvent(event);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The window's own size, not the event's: when the window manager maximises a window
    // while it is being shown, Qt may deliver a resize event that still carries the size
    // before.
    for (const auto& b : bindings_) {
        const tk::TControl& c = b->Control();
        if (c.Parent) continue;
        const tk::TRect place = fit_.Place(c, {width(), height()});
        // A label keeps the size of its text.
        if (c.Kind == tk::TControlKind::Label)
            b->Widget()->move(place.Left, place.Top);
        else
            b->Widget()->setGeometry(place.Left, place.Top, place.Width, place.Height);
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (OnClosed) OnClosed();
}

void FormWindow::Refresh() {
    // Setting a widget's state emits the same signals as the user's doing; they are not
    // events and must not run handlers or re-enter Dispatch. Every widget is kept quiet,
    // not only the one being set: checking a radio button unchecks its siblings.
    std::vector<QSignalBlocker> quiet;
    quiet.reserve(bindings_.size());
    for (const auto& b : bindings_)
        quiet.emplace_back(b->Widget());
    if (const QString title = QString::fromStdString(form_.Caption); windowTitle() != title)
        setWindowTitle(title);
    for (const auto& b : bindings_) {
        b->Refresh();
        if (b->Widget()->isHidden() == b->Control().Visible)
            b->Widget()->setVisible(b->Control().Visible);
        // Each binding says what its tooltip is (mostly the control's hint); empty: none.
        const QString tip = QString::fromStdString(b->ToolTip());
        if (b->Widget()->toolTip() != tip) b->Widget()->setToolTip(tip);
    }
}

QWidget* FormWindow::WidgetOf(const tk::TControl& control) const {
    for (const auto& b : bindings_)
        if (&b->Control() == &control) return b->Widget();
    return nullptr;
}

QWidget* FormWindow::FirstTabStop() const {
    for (const tk::TControl* c : tabSequence_)
        if (QWidget* w = WidgetOf(*c); w->focusPolicy() & Qt::TabFocus) return w;
    return nullptr;
}

} // namespace tkqt
