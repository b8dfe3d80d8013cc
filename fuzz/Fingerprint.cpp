// Four independent lanes of xxHash64's round (multiply, rotate, multiply) over two pixels
// each, so the processor overlaps their multiplications; a pixel-at-a-time FNV-1a waited on
// one multiplication per pixel and cost most of a session. Its own file so that the fuzzer
// takes no coverage from the loop (coverage_ignore.txt), and read without the sanitizers'
// checks on every load: they cost a quarter of a session, and the bitmap read is the
// canvas's own, whole.
#include "fuzz/Fingerprint.h"

namespace zfuzz {

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87u;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Fu;

// With the same attributes as its caller, or it would not be inlined there.
__attribute__((no_sanitize("address", "undefined"))) std::uint64_t Round(std::uint64_t acc,
                                                                         std::uint64_t input) {
    acc += input * kPrime2;
    return ((acc << 31) | (acc >> 33)) * kPrime1;
}

} // namespace

__attribute__((no_sanitize("address", "undefined"))) std::uint64_t
Fingerprint(const std::uint32_t* pixels, std::size_t count) {
    std::uint64_t lanes[4] = {1, 2, 3, 4};
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8)
        for (std::size_t k = 0; k < 4; ++k)
            lanes[k] =
                Round(lanes[k], pixels[i + 2 * k] | std::uint64_t{pixels[i + 2 * k + 1]} << 32);
    std::uint64_t hash = count;
    for (const std::uint64_t lane : lanes)
        hash = Round(hash, lane);
    for (; i < count; ++i)
        hash = Round(hash, pixels[i]);
    return hash;
}

} // namespace zfuzz
