// What every fuzz target runs on an input: each check library (fuzz/CMakeLists.txt) defines
// it for its own target, so one libFuzzer entry point and one regression test serve all.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zfuzz {

// "" when every check held on the input, otherwise what broke first.
std::string Check(std::span<const std::uint8_t> input);

} // namespace zfuzz
