// Rectangles: the brush fills the box, and the pen's outline runs through the centres of the
// box's border pixels with square corners; a thin dashed pen numbers those pixels clockwise
// from the top-left corner. The pixel rules are those of Canvas.h.
#include "toolkit/RasterDash.h"
#include "toolkit/RasterSpans.h"

namespace tk::raster {
namespace {

using std::int64_t;
using std::uint32_t;

// Pixels (x + k stepX, y + k stepY) for k in [0, count), the k-th being number index + k
// along the dash pattern.
void DashedRun(const Surface& s, int64_t x, int64_t y, int64_t stepX, int64_t stepY, int64_t count,
               int64_t index, uint32_t color) {
    int64_t first = 0;
    int64_t last = count - 1;
    StepsWithin(x, stepX, s.width, first, last);
    StepsWithin(y, stepY, s.height, first, last);
    if (first > last) return;
    DashCounter dash(index + first);
    for (int64_t k = first; k <= last; ++k, dash.Next())
        if (dash.On()) s.bits[(y + k * stepY) * s.width + x + k * stepX] = color;
}

} // namespace

void Rectangle(const Surface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2, const Stroke& pen,
               std::optional<uint32_t> brush) {
    const int64_t right = x2 - 1;
    const int64_t bottom = y2 - 1;
    if (brush)
        if (const PixelRect box = PixelRect{x1, y1, right, bottom}.Intersected(Bounds(s));
            !box.Empty())
            FillRect(s, box, *brush);

    if (pen.dashed && pen.width == 1) {
        // Clockwise on the screen from the top-left corner, each pixel numbered once.
        const int64_t w = x2 - x1;
        const int64_t h = y2 - y1;
        if (h == 1) {
            DashedRun(s, x1, y1, 1, 0, w, 0, pen.color);
        } else if (w == 1) {
            DashedRun(s, x1, y1, 0, 1, h, 0, pen.color);
        } else {
            DashedRun(s, x1, y1, 1, 0, w, 0, pen.color);
            DashedRun(s, right, y1 + 1, 0, 1, h - 1, w, pen.color);
            DashedRun(s, right - 1, bottom, -1, 0, w - 1, w + h - 1, pen.color);
            DashedRun(s, x1, bottom - 1, 0, -1, h - 2, 2 * w + h - 2, pen.color);
        }
        return;
    }

    // Pixels up to w/2 from the path; ties go to the top and left, as for lines.
    const int64_t before = pen.width / 2;
    const int64_t after = (pen.width + 1) / 2 - 1;
    const PixelRect outer =
        PixelRect{x1 - before, y1 - before, right + after, bottom + after}.Intersected(Bounds(s));
    if (outer.Empty()) return;
    const PixelRect hole{x1 + after + 1, y1 + after + 1, right - before - 1, bottom - before - 1};
    for (int64_t y = outer.top; y <= outer.bottom; ++y) {
        if (y >= hole.top && y <= hole.bottom && !hole.Empty()) {
            Run(s, y, outer.left, hole.left - 1, pen.color);
            Run(s, y, hole.right + 1, outer.right, pen.color);
        } else {
            Run(s, y, outer.left, outer.right, pen.color);
        }
    }
}

} // namespace tk::raster
