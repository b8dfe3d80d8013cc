// How an image control shows its canvas on a screen, the same on every window system: one
// canvas pixel to one device pixel at 100 %; a block of 2 × 2, 3 × 3 ... device pixels on a
// screen with a whole number of them to the pixel, never a blur; scaled by area
// (SmoothPicture.h) everywhere else: at 125 %, 150 %, 175 %, or shrunk into a window too
// small for it (FitLayout.h), so that a one-pixel line of the chart keeps one weight
// wherever it lies.
//
//     HowToShow({807, 689}, {807, 689}, 2.0)   blocks of 2
//     HowToShow({807, 689}, {807, 689}, 1.5)   smooth, 1211 × 1034 device pixels
//     HowToShow({807, 689}, {767, 655}, 1.0)   smooth, 767 × 655 (shrunk to fit)
#pragma once

#include "toolkit/Geometry.h"

namespace tk {

struct TPictureShowing {
    enum class TWay { Blocks, Smooth };
    TWay Way = TWay::Blocks;
    int Block = 1; // Blocks: the side of a canvas pixel in device pixels
    TSize Device;  // Smooth: the picture's size in device pixels; empty: nothing to show
};

// `canvas`: the canvas's size; `shown`: the control's size in device-independent pixels, as
// the layout gives it; `ratio`: device pixels to a device-independent pixel (1,5 at 150 %).
TPictureShowing HowToShow(TSize canvas, TSize shown, double ratio);

} // namespace tk
