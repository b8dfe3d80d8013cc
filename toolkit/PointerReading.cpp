#include "toolkit/PointerReading.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tk {

namespace {

// The canvas coordinate under position `at` of a control `shown` units long that shows
// `canvas` pixels, clamped to 0 .. canvas - 1.
int CanvasCoordinate(double at, int shown, int canvas) {
    if (shown <= 0 || canvas <= 0 || !(at > 0)) return 0; // NaN lands on the first pixel too
    const double c = std::floor(at * canvas / shown);
    return c >= canvas ? canvas - 1 : int(c);
}

// Where the box's side starts along one axis: after the point, or before it where it would
// run over the area's far end, then pushed back inside where the area allows.
int BoxStart(int at, int box, int areaStart, int areaLength) {
    int start = at + kReadoutGap;
    if (start + box > areaStart + areaLength) start = at - kReadoutGap - box;
    return std::max(areaStart, std::min(start, areaStart + areaLength - box));
}

} // namespace

TPoint CanvasPixelAt(double x, double y, TSize shown, TSize canvas) {
    return {CanvasCoordinate(x, shown.Width, canvas.Width),
            CanvasCoordinate(y, shown.Height, canvas.Height)};
}

TRect ShownBoxOf(TPoint pixel, TSize shown, TSize canvas) {
    if (canvas.Empty()) return {0, 0, 1, 1};
    // The whole units whose top-left corner lies on the pixel; where the picture is shrunk
    // so far that none does, the unit the pixel starts in.
    const auto span = [](int p, int s, int c) {
        int from = int(std::ceil(double(p) * s / c));
        int to = int(std::ceil(double(p + 1) * s / c));
        if (to <= from) {
            from = int(std::floor(double(p) * s / c));
            to = from + 1;
        }
        return std::pair{from, to - from};
    };
    const auto [left, width] = span(pixel.X, shown.Width, canvas.Width);
    const auto [top, height] = span(pixel.Y, shown.Height, canvas.Height);
    return {left, top, width, height};
}

TPoint PlaceReadout(TPoint at, TSize box, TRect area) {
    return {BoxStart(at.X, box.Width, area.Left, area.Width),
            BoxStart(at.Y, box.Height, area.Top, area.Height)};
}

} // namespace tk
