// Reading a picture with the pointer, the same on every window system: which canvas pixel
// lies under a point of the control that shows the picture, where on the control a canvas
// pixel is shown, and where the readout's box goes beside the point it describes.
//
// The control shows the whole canvas over its whole size, one canvas pixel to one unit at
// the designed size, a block at whole ratios, scaled by area elsewhere (PictureShowing.h);
// either way canvas pixel (x, y) covers [x, x+1) × [y, y+1) times the scale.
//
//     CanvasPixelAt(460.7, 230.2, {807, 689}, {807, 689})       (460, 230)
//     CanvasPixelAt(690.0, 345.0, {1210, 1033}, {807, 689})     (460, 230) at 150 %
//     PlaceReadout({300, 200}, {150, 90}, {0, 0, 1016, 734})    (316, 216): below right
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/Geometry.h"

namespace tk {

// The canvas pixel under (x, y), a point of the control measured from its top-left corner
// in the units `shown` is given in (device pixels, or device-independent ones); clamped to
// the canvas, so a point on the control's very edge still names a pixel.
TPoint CanvasPixelAt(double x, double y, TSize shown, TSize canvas);

// The box of the control, in the units of `shown`, that shows canvas pixel `pixel`: never
// empty, at least one unit wide and high.
TRect ShownBoxOf(TPoint pixel, TSize shown, TSize canvas);

// The gap between the point read and the readout's nearest corner.
constexpr int kReadoutGap = 16;

// Where the readout's box of size `box` goes beside the point read, `at`, inside `area`
// (both in the same units): below and right of it by kReadoutGap; left of it where it
// would run over area's right edge, above it where it would run over the bottom. Never over
// the point itself; kept inside the area wherever the area is large enough for it.
TPoint PlaceReadout(TPoint at, TSize box, TRect area);

} // namespace tk
