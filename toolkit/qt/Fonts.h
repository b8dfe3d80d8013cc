// The controls' fonts as Qt fonts. The window was laid out in Tahoma at 96 dpi on a GDI
// device context, so Tahoma is registered from the Wine font package when the system
// lacks it, sizes are given in pixels (the layout must not shift with the screen's logical
// dpi), and text is measured in whole pixels as GDI does.
#pragma once

#include "toolkit/Controls.h"

#include <QFont>
#include <QString>

namespace tkqt {

class FontMap {
  public:
    // Needs the QApplication; registers Tahoma with it if the system does not have it.
    FontMap();

    QFont Make(const tk::TFont& font) const;

  private:
    QString tahoma_; // the family that stands for Tahoma: Tahoma itself or DejaVu Sans
};

// How far below Qt's line top GDI would put the baseline: GDI's text cell starts the
// font's Windows ascent above the baseline, Qt's line its typographic ascent. A label
// padded by this much at the top sets its text where the layout's designer saw it.
int CellTopMargin(const QFont& font);

// The font with its letters closed up just enough, in tenths of a pixel, that `text` is no
// wider than `width`; the font itself when it already fits. A caption designed in another
// rasteriser's measure keeps to its box so: Tahoma here sets «Расстояние l =» 80 pixels
// wide, 6 more than the box whose right edge the field of l starts at, and -0,5 px a
// letter brings it to 73. Closing up stops at a pixel a letter, past which a caption would
// not read; a longer text keeps that and runs on.
QFont FittedToWidth(QFont font, const QString& text, int width);

// Points at 96 dpi to pixels, rounded as the layout's designer did (8 pt -> 11 px).
constexpr int PointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}

} // namespace tkqt
