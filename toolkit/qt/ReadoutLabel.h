// The readout beside a point of the picture: what the picture says about one canvas pixel,
// as plain text in a small box with a thin border on the tooltip's background. It is a
// window of its own above the main one, as a tooltip is, so that moving it uncovers nothing
// the picture must paint again: a child widget moved over the picture would have the
// picture repaint the place it leaves. It never takes the pointer or the focus.
//
//     ReadoutLabel readout(imageWidget);
//     readout.ShowBeside("z = 1,00 + j1,00", {470, 238}); // below right of the point
//     readout.ShowBeside("", {470, 238});                 // hidden
#pragma once

#include <QLabel>
#include <QPoint>
#include <QString>

namespace tkqt {

class ReadoutLabel : public QLabel {
  public:
    // Shown in `owner`'s window, with its font; deleted with it.
    explicit ReadoutLabel(QWidget* owner);

    // Shows `text` beside `at`, a point of the owner's window in its own coordinates, kept
    // inside the window's client area (tk::PlaceReadout); hides it where `text` is empty.
    void ShowBeside(const QString& text, QPoint at);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget& owner_;
};

} // namespace tkqt
