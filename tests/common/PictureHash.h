// A whole picture as one number, for tests that pin every pixel.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace testing_common {

// FNV-1a over the pixels' bytes, lowest byte first, so the value does not depend on the
// machine's byte order.
inline std::uint64_t PictureHash(const std::vector<std::uint32_t>& pixels) {
    std::uint64_t h = 0xcbf29ce484222325u;
    for (const std::uint32_t pixel : pixels)
        for (int shift = 0; shift < 32; shift += 8) {
            h ^= (pixel >> shift) & 0xFFu;
            h *= 0x100000001b3u;
        }
    return h;
}

inline std::string Hex(std::uint64_t v) {
    char text[19];
    std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(v));
    return text;
}

} // namespace testing_common
