// The two checksums a PNG file and a zlib stream carry: CRC-32 (ISO 3309, as in PNG's
// chunks: Crc32("IEND") is 0xAE426082) and Adler-32 (RFC 1950: Adler32("Wikipedia") is
// 0x11E60398).
#pragma once

#include <cstdint>
#include <span>

namespace tk {

// Each continues from a previous value, so a sum may be taken in parts: Crc32(b, Crc32(a))
// is the CRC of a followed by b.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous = 0);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes, std::uint32_t previous = 1);

} // namespace tk
