// A form on a screen narrower than it was designed for (a phone, a tablet held upright): the
// picture comes first, across the screen's width, its aspect kept and never larger than its
// designed size (in the middle of a wider screen), and the other controls follow below it, each where it was designed
// relative to the rest of them. The designed layout needs no change: a column of controls
// left of the picture becomes a column below it, and nothing is cut at either side.
//
// Example: zmatch's chart, designed 807 × 689 at (201, 8) in 1016 × 734, on a 390-pixel
// screen is shown 390 × 332 at (0, 0), and its column, designed from (8, 8) down, starts at
// (8, 340).
//
// A screen lower than the picture (a phone held sideways, 844 × 390) sets how tall it may
// be: the picture fits the screen's height, 456 × 389, in the middle of the width, and the
// column follows below it as before.
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Geometry.h"

namespace tk {

class StackedLayout {
  public:
    // `tallest`: the screen's height, the most the picture may take, though never less than
    // kLeastTallest; 0: as tall as the width makes it.
    explicit StackedLayout(const TForm& form, int tallest = 0);

    // A picture this tall still shows the chart's grid: a lower screen scrolls instead.
    static constexpr int kLeastTallest = 240;

    // Where `control` (a control of the form) stands on a screen `width` wide; the box of a
    // control inside a group box is its place within the group, as designed.
    TRect Place(const TControl& control, int width) const;
    // The room all the controls take on that screen.
    TSize Extent(int width) const;

  private:
    TSize PictureSize(int width) const;

    const TControl* picture_ = nullptr;  // the form's first image; nullptr: none
    int tallest_ = 0;                    // the picture's most height; 0: none
    int columnLeft_ = 0, columnTop_ = 0; // where the other controls begin, as designed
    int columnRight_ = 0, columnBottom_ = 0;
};

} // namespace tk
