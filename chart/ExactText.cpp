#include "chart/ExactText.h"

#include "toolkit/Conversions.h"

#include <cmath>

namespace chart {

std::string ExactNumber(double v) {
    return ExactNumber(v, 5);
}

std::string ExactNumber(double v, int decimals) {
    if (std::isinf(v)) return "∞";
    // A value that rounds to zero is zero: -0,000000001 reads 0,00000, not -0,00000.
    std::string text = tk::FloatToStrF(v, 15, decimals);
    const char zero[] = {'0', tk::FormatSettings().DecimalSeparator, '\0'};
    if (text.front() == '-' && text.find_first_not_of(zero, 1) == std::string::npos)
        text.erase(0, 1);
    return text;
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

std::string ShortComplex(theory::TComplex z) {
    if (z.imag() == 0) return ShortNumber(z.real());
    return ShortNumber(z.real()) + (z.imag() < 0 ? "-j" : "+j") + ShortNumber(std::fabs(z.imag()));
}

std::string LoadName(const TTypedLoad& load) {
    return "Zн = " + ShortComplex(load.Load) + " Ом на линии Zв = " + ShortComplex(load.Line) +
           " Ом";
}

std::string ExactComplex(theory::TComplex z) {
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) return "∞";
    const std::string im = ExactNumber(z.imag());
    return ExactNumber(z.real()) + (im.front() == '-' ? "-j" + im.substr(1) : "+j" + im);
}

std::string ExactRatios(double gammaAbs, bool withTwr) {
    return ExactRatios({gammaAbs, theory::StandingWaveRatio(gammaAbs)}, withTwr);
}

std::string ExactRatios(const theory::TWaveRatios& r, bool withTwr) {
    // Beyond the rim (a negative resistance) there is no standing-wave ratio at all.
    if (r.Gamma > 1) return "|Г| = " + ExactNumber(r.Gamma) + ", КСВ нет (|Г| больше 1)";
    std::string text = "|Г| = " + ExactNumber(r.Gamma) + ", КСВ = " + ExactNumber(r.Vswr);
    if (withTwr) text += ", КБВ = " + ExactNumber(1 / r.Vswr);
    return text;
}

} // namespace chart
