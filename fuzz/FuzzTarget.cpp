// The libFuzzer entry point, the same for every target: each links the check of its own
// (fuzz/Check.h). A broken check is a crash to the fuzzer, so that it keeps the input.
#include "fuzz/Check.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken = zfuzz::Check({data, size});
    if (!broken.empty()) {
        std::fprintf(stderr, "zfuzz: %s\n", broken.c_str());
        __builtin_trap();
    }
    return 0;
}
