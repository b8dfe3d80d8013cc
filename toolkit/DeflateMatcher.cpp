// The matcher's search along a hash chain (DeflateMatcher.h), its bytes compared eight at a
// time.
#include "toolkit/DeflateMatcher.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tk::deflate {

namespace {

// How many of the first `most` bytes at a and b agree, eight at a time.
std::size_t Agreeing(const std::uint8_t* a, const std::uint8_t* b, std::size_t most) {
    std::size_t n = 0;
    if constexpr (std::endian::native == std::endian::little)
        for (; n + 8 <= most; n += 8) {
            std::uint64_t x, y;
            std::memcpy(&x, a + n, 8);
            std::memcpy(&y, b + n, 8);
            if (x != y) return n + std::size_t(std::countr_zero(x ^ y) / 8);
        }
    while (n < most && a[n] == b[n])
        ++n;
    return n;
}

} // namespace

TMatch TMatcher::Longest(std::size_t i, std::size_t waiting) const {
    TMatch best;
    const std::size_t most = std::min(kMaxMatch, data_.size() - i);
    if (most < kMinMatch) return best;
    const std::uint8_t* here = data_.data() + i;
    int chain = waiting >= kGood ? kMaxChain / 4 : kMaxChain;
    for (std::int32_t at = head_[Hash(i)]; at >= 0 && i - std::size_t(at) <= kWindow && chain-- > 0;
         at = previous_[std::size_t(at) & (kWindow - 1)]) {
        const std::uint8_t* there = data_.data() + at;
        if (there[best.length] != here[best.length]) continue;
        const std::size_t length = Agreeing(there, here, most);
        if (length > best.length) {
            best = {length, i - std::size_t(at)};
            if (length >= kGoodEnough || length == most) break;
        }
    }
    if (best.length < kMinMatch || (best.length == kMinMatch && best.distance > kTooFar)) return {};
    return best;
}

} // namespace tk::deflate
