#include "toolkit/SmoothPicture.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace tk {

namespace {

// The weights of each axis add up to 256. Across, a pixel's four bytes are spread into the
// four 16-bit lanes of one 64-bit word, so that a whole pixel is weighted by one multiply
// (255 × 256 still fits a lane) and comes out as each channel times 256. Down, two such
// values are weighted by the high half of a 16-bit multiply, which vectorises well.
constexpr int kUnit = 256;

// A pixel's lanes are its bytes in memory order, and so are the bytes written out: lane 0
// is the low byte, blue, where the low byte comes first.
static_assert(std::endian::native == std::endian::little);

std::uint64_t Spread(std::uint32_t p) {
    const std::uint64_t q = p | 0xff000000u; // opaque, whatever the canvas's top byte holds
    return (q & 0xff) | (q & 0xff00) << 8 | (q & 0xff0000) << 16 | (q & 0xff000000) << 24;
}

// A weight below 256 as a 16-bit factor: `Weighted(value, Factor(w))` is value × w / 256,
// rounded down, the high half of one 16-bit multiply.
std::uint16_t Factor(std::uint16_t weight) {
    return std::uint16_t(weight << 8);
}

std::uint16_t Weighted(std::uint16_t value, std::uint16_t factor) {
    return std::uint16_t((std::uint32_t{value} * factor) >> 16);
}

// One row across: each target pixel the weighted sum of its source pixels, spread. `kTaps`
// is the axis's tap count, or 0 for any.
template <int kTaps>
void ScaleAcross(const SmoothPicture::Axis& axis, const std::uint64_t* __restrict spread,
                 std::uint64_t* __restrict out) {
    const int taps = kTaps ? kTaps : axis.Taps;
    const std::size_t target = axis.First.size();
    const int* __restrict first = axis.First.data();
    const std::uint16_t* __restrict w = axis.Weights.data();
    for (std::size_t i = 0; i < target; ++i, w += taps) {
        const std::uint64_t* p = spread + first[i];
        std::uint64_t sum = 0;
        for (int t = 0; t < taps; ++t)
            sum += w[t] * p[t];
        out[i] = sum;
    }
}

} // namespace

SmoothPicture::Axis::Axis(int source, int target, int unit) {
    assert(source > 0 && target > 0);
    // Measured in units of 1/(source × target) of the picture: target pixel i spans
    // [i × source, (i + 1) × source), source pixel j spans [j × target, (j + 1) × target).
    const auto n = std::int64_t{source}, m = std::int64_t{target};
    for (std::int64_t i = 0; i < m; ++i)
        Taps = std::max<int>(Taps, int(((i + 1) * n - 1) / m - i * n / m + 1));
    First.resize(target);
    Weights.assign(std::size_t(target) * Taps, 0);
    for (std::int64_t i = 0; i < m; ++i) {
        const std::int64_t a = i * n, b = (i + 1) * n;
        const int first = int(a / m), last = int((b - 1) / m);
        // Near the far edge the taps are moved back to stay inside the source; the ones
        // before `first` then weigh nothing.
        const int base = std::min(first, source - Taps);
        First[i] = base;
        std::uint16_t* w = &Weights[std::size_t(i) * Taps];
        int sum = 0, heaviest = first - base;
        for (int j = first; j <= last; ++j) {
            const std::int64_t overlap = std::min(b, (j + 1) * m) - std::max(a, j * m);
            w[j - base] = std::uint16_t((2 * overlap * unit + n) / (2 * n));
            sum += w[j - base];
            if (w[j - base] > w[heaviest]) heaviest = j - base;
        }
        // Rounding must not brighten or darken a pixel: the weights add up exactly.
        w[heaviest] = std::uint16_t(w[heaviest] + unit - sum);
    }
}

SmoothPicture::SmoothPicture(TSize source, TSize target)
    : source_(source), target_(target), across_(source.Width, target.Width, kUnit),
      down_(source.Height, target.Height, kUnit), spread_(source.Width),
      scaled_(std::size_t(down_.Taps) * 4 * target.Width), scaledRow_(down_.Taps, -1),
      sums_(std::size_t(4) * target.Width) {}

const std::uint16_t* SmoothPicture::Across(TConstPixelRows source, int row) {
    const int slot = row % down_.Taps;
    std::uint16_t* out = &scaled_[std::size_t(slot) * 4 * target_.Width];
    if (scaledRow_[slot] == row) return out;
    scaledRow_[slot] = row;

    const std::uint32_t* in = source.Row(row);
    for (int j = 0; j < source_.Width; ++j)
        spread_[j] = Spread(in[j]);
    auto* words = reinterpret_cast<std::uint64_t*>(out);
    // Two taps when the picture is grown, three when it is shrunk to no less than half:
    // with the count known, the loop over the taps unrolls.
    switch (across_.Taps) {
    case 1:
        return ScaleAcross<1>(across_, spread_.data(), words), out;
    case 2:
        return ScaleAcross<2>(across_, spread_.data(), words), out;
    case 3:
        return ScaleAcross<3>(across_, spread_.data(), words), out;
    default:
        return ScaleAcross<0>(across_, spread_.data(), words), out;
    }
}

std::pair<int, int> SmoothPicture::RowsTouching(int top, int bottom) const {
    int first = target_.Height, end = 0;
    for (int y = 0; y < target_.Height; ++y) {
        const std::uint16_t* w = &down_.Weights[std::size_t(y) * down_.Taps];
        for (int t = 0; t < down_.Taps; ++t) {
            const int row = down_.First[y] + t;
            if (w[t] == 0 || row < top || row >= bottom) continue;
            first = std::min(first, y);
            end = y + 1;
        }
    }
    return {first, end};
}

void SmoothPicture::Rows(TConstPixelRows source, int first, TPixelRows band) {
    assert(source.Size == source_ && band.Size.Width == target_.Width);
    const int values = 4 * target_.Width;
    const int last = std::min(first + band.Size.Height, target_.Height);
    // Restricted, so that the loops below are vectorised: bytes may alias anything.
    std::uint16_t* __restrict sums = sums_.data();
    for (int y = std::max(first, 0); y < last; ++y) {
        const std::uint16_t* w = &down_.Weights[std::size_t(y) * down_.Taps];
        const int base = down_.First[y];
        auto* __restrict out = reinterpret_cast<std::uint8_t*>(band.Row(y - first));
        int t = 0;
        while (w[t] == 0)
            ++t;
        const std::uint16_t* __restrict a = Across(source, base + t);
        const std::uint16_t wa = w[t];
        if (wa == kUnit) { // wholly within one canvas row, as most rows are
            for (int v = 0; v < values; ++v)
                out[v] = std::uint8_t((a[v] + 128u) >> 8);
            continue;
        }
        const std::uint16_t fa = Factor(wa);
        ++t; // the next canvas row is always part of it
        const std::uint16_t* __restrict b = Across(source, base + t);
        const std::uint16_t wb = Factor(w[t]);
        if (t + 1 == down_.Taps || w[t + 1] == 0) {
            for (int v = 0; v < values; ++v)
                out[v] = std::uint8_t((Weighted(a[v], fa) + Weighted(b[v], wb) + 128u) >> 8);
            continue;
        }
        // Over three canvas rows or more, only where the picture is shrunk.
        for (int v = 0; v < values; ++v)
            sums[v] = std::uint16_t(Weighted(a[v], fa) + Weighted(b[v], wb));
        for (++t; t < down_.Taps && w[t] != 0; ++t) {
            const std::uint16_t* __restrict c = Across(source, base + t);
            const std::uint16_t wc = Factor(w[t]);
            for (int v = 0; v < values; ++v)
                sums[v] = std::uint16_t(sums[v] + Weighted(c[v], wc));
        }
        for (int v = 0; v < values; ++v)
            out[v] = std::uint8_t((sums[v] + 128u) >> 8);
    }
}

} // namespace tk
