#include "toolkit/RasterMath.h"

namespace tk::raster {

std::int64_t EllipseReach(std::int64_t a, std::int64_t b, std::int64_t v) {
    const std::int64_t av = Abs(v);
    if (av >= b) return -1;
    if (a <= kExactEllipse && b <= kExactEllipse) {
        // m^2 b^2 < a^2 (b^2 - v^2) is m^2 <= floor((a^2 (b^2 - v^2) - 1) / b^2), as m^2 b^2
        // is a whole multiple of b^2.
        const Int128 limit = Int128(a) * a * (Int128(b - av) * (b + av));
        return ISqrt((limit - 1) / (Int128(b) * b));
    }
    const double room = static_cast<double>(b - av) * static_cast<double>(b + av);
    const double ratio = static_cast<double>(a) / static_cast<double>(b);
    const double t = room * ratio * ratio;
    return LargestFitting(ToInt(std::sqrt(t), 0, a), [t](std::int64_t k) {
        const double dk = static_cast<double>(k);
        return dk * dk < t;
    });
}

} // namespace tk::raster
