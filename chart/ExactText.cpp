#include "chart/ExactText.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <cmath>

namespace chart {

std::string ExactNumber(double v) {
    if (std::isinf(v)) return "∞";
    return tk::FloatToStrF(v, tk::TFloatFormat::ffFixed, 15, 5);
}

std::string ExactComplex(TComplex z) {
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) return "∞";
    return ExactNumber(z.real()) + (z.imag() < 0 ? "-j" : "+j") + ExactNumber(std::fabs(z.imag()));
}

std::string ExactRatios(double gammaAbs, bool withTwr) {
    // Beyond the rim (a negative resistance) there is no standing-wave ratio at all.
    if (gammaAbs > 1) return "|Г| = " + ExactNumber(gammaAbs) + ", КСВ нет (|Г| больше 1)";
    const double vswr = StandingWaveRatio(gammaAbs);
    std::string text = "|Г| = " + ExactNumber(gammaAbs) + ", КСВ = " + ExactNumber(vswr);
    if (withTwr) text += ", КБВ = " + ExactNumber(gammaAbs < 1 ? 1 / vswr : 0);
    return text;
}

std::optional<double> FieldNumber(std::string_view text) {
    try {
        return tk::StrToFloat(text);
    } catch (const tk::Exception&) {
        return std::nullopt;
    }
}

} // namespace chart
