// The canvas at another size, scaled by area (a box filter): each device pixel is the mean
// of the canvas area it covers. Used wherever the chart is not shown one canvas pixel to a
// whole block of device pixels: on a desktop scaled to 125 %, 150 % or 175 %, and in a window
// too small for the chart, where it is shrunk to fit.
//
// Why by area: a one-pixel line keeps one weight wherever it lies. At 1,5 a black line on
// white becomes one black and one mid-grey device pixel, or the same mirrored, never one
// black pixel here and two there as nearest-neighbour scaling makes it; at 0,75 it becomes
// three quarters of a black pixel, spread over one or two.
//
// How: the weights of each axis are worked out once for a pair of sizes, in whole numbers
// (exact overlaps of the two pixel grids), and the picture is made a band of rows at a
// time, so that nothing larger than one band is ever held: each canvas row is scaled across
// once, and each device row is the weighted sum of the canvas rows it covers.
//
//     tk::SmoothPicture smooth({807, 689}, {1210, 1033});
//     std::vector<std::uint32_t> bits(1210 * 32);
//     smooth.Rows(tk::PixelRowsOf(canvas), 0, {bits.data(), {1210, 32}, 1210}); // rows 0 to 31
#pragma once

#include "toolkit/Geometry.h"
#include "toolkit/PixelRows.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace tk {

class SmoothPicture {
  public:
    // From pictures of `source` size to pictures of `target` size; both not empty.
    SmoothPicture(TSize source, TSize target);

    TSize Source() const { return source_; }
    TSize Target() const { return target_; }

    // Device rows `first` to `first + band.Size.Height - 1` of the scaled `source` (of
    // Source() size) into `band`, Target().Width wide. Each pixel written is 0xffRRGGBB,
    // opaque for the window systems that read the top byte. Rows past the target's last are
    // left as they are.
    void Rows(TConstPixelRows source, int first, TPixelRows band);

    // The target rows that source rows `top` to `bottom - 1` weigh in, as [first, end):
    // those alone change when only those source rows have.
    std::pair<int, int> RowsTouching(int top, int bottom) const;

    // The canvas rows scaled across are kept from one band to the next; a picture that has
    // changed since, scaled again in part, must not take them.
    void Forget() { std::fill(scaledRow_.begin(), scaledRow_.end(), -1); }

    // How a target pixel is made along one axis: from source pixels `First[i]` to
    // `First[i] + Taps - 1`, weighted by `Weights[i * Taps + t]`, which add up to `Unit`.
    struct Axis {
        Axis(int source, int target, int unit);
        std::vector<int> First;
        std::vector<std::uint16_t> Weights;
        int Taps = 0;
    };

  private:
    // The source row `row` scaled across, four 16-bit values a pixel (each channel's value
    // times 256, in the order of a pixel's bytes in memory), kept for the rows that follow it.
    const std::uint16_t* Across(TConstPixelRows source, int row);

    TSize source_, target_;
    Axis across_, down_;
    std::vector<std::uint64_t> spread_; // one source row, a channel every 16 bits
    std::vector<std::uint16_t> scaled_; // `Taps` rows scaled across, round robin
    std::vector<int> scaledRow_;        // which source row each of them holds
    std::vector<std::uint16_t> sums_;   // one device row being summed
};

} // namespace tk
