// Clearing the upper halves of the AVX registers before a shape's floating-point work.
#pragma once

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace tk::raster {

// Code run before a shape (Qt's raster engine among it) may leave the upper halves of the
// AVX registers in use, and until they are cleared every SSE operation pays for it on some
// processors. The shapes' dash places, square-root guesses and 16-byte stores are SSE
// operations; clearing costs a cycle (docs/performance.md has what it saved).
#if defined(__x86_64__) || defined(__i386__)
[[gnu::target("avx")]] inline void ZeroUpper() {
    _mm256_zeroupper();
}
inline void CleanVectorState() {
    static const bool avx = (__builtin_cpu_init(), __builtin_cpu_supports("avx"));
    if (avx) ZeroUpper();
}
#else
inline void CleanVectorState() {}
#endif

} // namespace tk::raster
