// A picture as one number, fast enough to take before every press of a fuzzing session: a
// change to any pixel changes it, but for chance collisions of 64-bit hashes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zfuzz {

std::uint64_t Fingerprint(const std::uint32_t* pixels, std::size_t count);

} // namespace zfuzz
