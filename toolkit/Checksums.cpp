#include "toolkit/Checksums.h"

#include <algorithm>
#include <array>

namespace tk {

namespace {

// The remainders of each byte value, by the reflected polynomial 0xEDB88320.
constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

constexpr std::uint32_t kAdlerBase = 65521;
// The most bytes whose sums cannot overflow 32 bits before they are reduced (zlib's NMAX).
constexpr std::size_t kAdlerRun = 5552;

} // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous) {
    std::uint32_t c = ~previous;
    for (const std::uint8_t b : bytes)
        c = kCrcTable[(c ^ b) & 0xFF] ^ (c >> 8);
    return ~c;
}

std::uint32_t Adler32(std::span<const std::uint8_t> bytes, std::uint32_t previous) {
    std::uint32_t a = previous & 0xFFFF, b = previous >> 16;
    while (!bytes.empty()) {
        const std::span<const std::uint8_t> run = bytes.first(std::min(bytes.size(), kAdlerRun));
        for (const std::uint8_t byte : run) {
            a += byte;
            b += a;
        }
        a %= kAdlerBase;
        b %= kAdlerBase;
        bytes = bytes.subspan(run.size());
    }
    return (b << 16) | a;
}

} // namespace tk
