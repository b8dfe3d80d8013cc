// Sizes and rectangles in whole pixels, as the window bindings lay out a form and scale its
// picture, free of any window system's own types.
//
//     tk::TRect place{8, 672, 187, 13};   // left, top, width, height
//     place.Top = 650;                     // moved up, same size
//     tk::TSize shown = place.Size();      // 187 × 13
#pragma once

namespace tk {

struct TSize {
    int Width = 0;
    int Height = 0;

    bool Empty() const { return Width <= 0 || Height <= 0; }
    bool operator==(const TSize&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    TSize Size() const { return {Width, Height}; }
    bool operator==(const TRect&) const = default;
};

} // namespace tk
