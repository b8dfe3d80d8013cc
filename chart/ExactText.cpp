#include "chart/ExactText.h"

#include "toolkit/Conversions.h"

#include <cmath>

namespace chart {

std::string ExactNumber(double v) {
    return ExactNumber(v, 5);
}

std::string ExactNumber(double v, int decimals) {
    if (std::isinf(v)) return "∞";
    return tk::FloatToStrF(v, 15, decimals);
}

std::string ShortNumber(double v) {
    std::string text = tk::FloatToStrF(v, 6, 10);
    if (text.find('E') != std::string::npos) return text;
    const char separator = tk::FormatSettings().DecimalSeparator;
    if (text.find(separator) == std::string::npos) return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == separator) text.pop_back();
    return text;
}

std::string ShortComplex(TComplex z) {
    if (z.imag() == 0) return ShortNumber(z.real());
    return ShortNumber(z.real()) + (z.imag() < 0 ? "-j" : "+j") + ShortNumber(std::fabs(z.imag()));
}

std::string LoadName(const TTypedLoad& load) {
    return "Zн = " + ShortComplex(load.Load) + " Ом на линии Zв = " + ShortComplex(load.Line) +
           " Ом";
}

std::string ExactComplex(TComplex z) {
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) return "∞";
    return ExactNumber(z.real()) + (z.imag() < 0 ? "-j" : "+j") + ExactNumber(std::fabs(z.imag()));
}

std::string ExactRatios(double gammaAbs, bool withTwr) {
    return ExactRatios({gammaAbs, StandingWaveRatio(gammaAbs)}, withTwr);
}

std::string ExactRatios(const TWaveRatios& r, bool withTwr) {
    // Beyond the rim (a negative resistance) there is no standing-wave ratio at all.
    if (r.Gamma > 1) return "|Г| = " + ExactNumber(r.Gamma) + ", КСВ нет (|Г| больше 1)";
    std::string text = "|Г| = " + ExactNumber(r.Gamma) + ", КСВ = " + ExactNumber(r.Vswr);
    if (withTwr) text += ", КБВ = " + ExactNumber(1 / r.Vswr);
    return text;
}

} // namespace chart
