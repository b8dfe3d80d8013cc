// The check of a program's fuzz target: the input as a session at its window (Harness.h).
#include "fuzz/Check.h"
#include "fuzz/Harness.h"

namespace zfuzz {

// The window's start-up is taken on the first input; every session starts from a copy.
std::string Check(std::span<const std::uint8_t> input) {
    static const TStartUp started = StartUp(Program());
    return Replay(Program(), started, input);
}

} // namespace zfuzz
