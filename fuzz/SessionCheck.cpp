// The check of a program's fuzz target: the input as a session at its window (Harness.h).
#include "fuzz/Check.h"
#include "fuzz/Harness.h"

namespace zfuzz {

// The window's start-up is taken on the first input, and one window serves every session,
// set back to that start-up first.
std::string Check(std::span<const std::uint8_t> input) {
    static const TStartUp started = StartUp(Program());
    static TWindow window(Program());
    return Replay(Program(), started, window, input);
}

} // namespace zfuzz
