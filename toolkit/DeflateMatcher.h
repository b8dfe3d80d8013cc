// The repeats our deflate (Deflate.h) sends as matches: LZ77 over the 32 KiB window of
// RFC 1951, found by hash chains, zlib's way: each position is entered under a hash of its
// three bytes, and the places with the same hash are tried newest first, up to a limit, for
// the longest agreement with the bytes at hand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tk::deflate {

constexpr std::size_t kWindow = 1 << 15;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr int kHashBits = 15;
// How hard the matcher looks (as hard as zlib's default level): the candidates tried per
// position, a quarter of them when the match waiting is already good, the length that ends
// the search, the length taken without looking a byte further, and the distance beyond
// which a match of three costs more than its literals.
constexpr int kMaxChain = 128;
constexpr std::size_t kGood = 8;
constexpr std::size_t kGoodEnough = 128;
constexpr std::size_t kLazyLimit = 16;
constexpr std::size_t kTooFar = 4096;

struct TMatch {
    std::size_t length = 0;
    std::size_t distance = 0;
};

// Earlier places of each three bytes, newest first, by a hash of the bytes.
class TMatcher {
  public:
    explicit TMatcher(std::span<const std::uint8_t> data)
        : data_(data), head_(std::size_t(1) << kHashBits, -1), previous_(kWindow, -1) {}

    // The longest match for the bytes at i among the places entered so far; a shorter search
    // when the match it would replace is already `good`.
    TMatch Longest(std::size_t i, std::size_t waiting) const;

    void Enter(std::size_t i) {
        if (i + kMinMatch > data_.size()) return;
        const std::size_t hash = Hash(i);
        previous_[i & (kWindow - 1)] = head_[hash];
        head_[hash] = std::int32_t(i);
    }

  private:
    std::size_t Hash(std::size_t i) const {
        const std::uint32_t three = std::uint32_t(data_[i]) | std::uint32_t(data_[i + 1]) << 8 |
                                    std::uint32_t(data_[i + 2]) << 16;
        return (three * 2654435761u) >> (32 - kHashBits);
    }

    std::span<const std::uint8_t> data_;
    std::vector<std::int32_t> head_;
    std::vector<std::int32_t> previous_;
};

} // namespace tk::deflate
