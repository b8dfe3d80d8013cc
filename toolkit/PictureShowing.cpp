#include "toolkit/PictureShowing.h"

#include <cmath>

namespace tk {

namespace {

// A size in device-independent pixels in device pixels, halves rounded up.
int DevicePixels(int length, double ratio) {
    return int(std::floor(length * ratio + 0.5));
}

} // namespace

TPictureShowing HowToShow(TSize canvas, TSize shown, double ratio) {
    // At its designed size the chart is read off to the pixel.
    if (shown == canvas && ratio >= 1 && ratio == std::floor(ratio))
        return {TPictureShowing::TWay::Blocks, int(ratio), {}};
    return {TPictureShowing::TWay::Smooth,
            1,
            {DevicePixels(shown.Width, ratio), DevicePixels(shown.Height, ratio)}};
}

} // namespace tk
