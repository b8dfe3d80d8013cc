// A form in a client area smaller than the one it was designed for: on a laptop's screen,
// on a desktop scaled to 150 %, or in a window the user has made small. Wherever it fits,
// the window is exactly as designed; where the space runs short, two things give way and
// nothing else moves:
//  - the picture (the form's image control) shrinks, its aspect kept, to the space right of
//    the column and above the bottom edge, keeping its designed top margin on those sides
//    too. It never grows beyond its designed size: the chart is read off in its own pixels,
//    and a picture made larger by a fraction would only be a blurred one.
//  - the link (a control designed as a link, the column's last line) moves up to stay above
//    the bottom edge, by the same margin, and never over the rest of the column.
// The minimum size keeps every control whole and the picture at least half its size.
//
// Example: zmatch's chart, designed 807 × 689 at (201, 8) in 1016 × 734, in a client area of
// 1280 × 671 (a 1280 × 720 screen with a panel) is shown 767 × 655, at 0,95 of its size,
// and the link moves from (8, 672) to (8, 650).
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Geometry.h"

namespace tk {

class FitLayout {
  public:
    explicit FitLayout(const TForm& form);

    // The smallest client area the window may be given.
    TSize Minimum() const;

    // The picture's size in a client area of `client`: its designed size where it fits,
    // the largest of its aspect that fits where it does not.
    TSize PictureSize(TSize client) const;

    // Where `control` (a control of the form) stands in a client area of `client`. A
    // label's size is its text's, so only its place counts.
    TRect Place(const TControl& control, TSize client) const;

  private:
    const TControl* picture_ = nullptr; // the form's first image; nullptr: none
    int margin_ = 0;                    // the picture's designed top margin
    int columnBottom_ = 0;              // the lowest of the other controls but links
    int linkHeight_ = 0;                // the tallest link
};

} // namespace tk
