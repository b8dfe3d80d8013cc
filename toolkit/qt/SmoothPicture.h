// The canvas for a screen with a fractional number of device pixels to the pixel (1,25,
// 1,5, 1,75 ...), scaled by area so that a one-pixel line keeps one weight wherever it lies.
#pragma once

#include <QImage>

namespace tkqt {

// `canvas` at `ratio` device pixels to the pixel, each device pixel the mean of the canvas
// area it covers, with `ratio` as its device-pixel ratio. At 1,5 a one-pixel black line on
// white becomes one black and one mid-grey device pixel, or the same mirrored: never one
// black pixel here and two there, as nearest-neighbour scaling makes it.
QImage SmoothPicture(const QImage& canvas, qreal ratio);

} // namespace tkqt
