// The libFuzzer entry point, the same for both programs: each fuzz target links the harness
// of its own program. A broken check is a crash to the fuzzer, so that it keeps the input.
#include "fuzz/Harness.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken = zfuzz::Replay(zfuzz::Program(), {data, size});
    if (!broken.empty()) {
        std::fprintf(stderr, "zfuzz: %s\n", broken.c_str());
        __builtin_trap();
    }
    return 0;
}
