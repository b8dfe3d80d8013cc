// A link label: blue as designed where blue reads on the window, a readable link colour
// where it does not (a dark theme), and never wider than its designed box. A longer
// address is cut short with "…" on screen; the label's text stays whole, for its tooltip.
//
//     https://ru.wikipedia.org/wiki/Диаграмма_Вольп…   in 187 pixels
#pragma once

#include "toolkit/qt/LabelWidget.h"

#include <QColor>

namespace tkqt {

class LinkWidget : public LabelWidget {
  public:
    LinkWidget(std::function<void()> onClick, int maxWidth, QColor designed, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The text as painted: the whole text where it fits, else its start and "…".
    QString ShownText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // A new palette (the desktop switched to a dark theme) picks the colour again.
    void changeEvent(QEvent* event) override;

  private:
    void Recolour();

    int maxWidth_;
    QColor designed_;
};

} // namespace tkqt
