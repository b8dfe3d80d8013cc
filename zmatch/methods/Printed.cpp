#include "zmatch/methods/Printed.h"

#include "chart/ExactText.h"
#include "toolkit/Conversions.h"

#include <cmath>

namespace zmatch::methods {

TPrinted Printed(double v, int precision, int digits) {
    std::string text = tk::FloatToStrF(v, precision, digits);
    if (!std::isfinite(v)) return {std::move(text), v};
    const double value = tk::StrToFloat(text);
    return {std::move(text), value};
}

TPrinted PrintedLength(double waves) {
    return Printed(waves, 6, 3);
}

std::string InUnitText(double waves, double lambda) {
    return lambda == 1 ? "" : " (" + chart::ShortNumber(waves * lambda) + ")";
}

std::string LengthText(const TPrinted& length, double lambda) {
    return length.Text + " λ" + InUnitText(length.Value, lambda);
}

std::string ExactLengthText(double waves, double lambda) {
    std::string text = chart::ExactNumber(waves) + " λ";
    if (lambda != 1)
        text += " (при λ = " + chart::ShortNumber(lambda) + " — " +
                chart::ExactNumber(waves * lambda) + ")";
    return text;
}

void AddLength(TReportedValues& values, const std::string& key, double waves, double lambda) {
    values.push_back(Number(key, waves));
    values.push_back(Number(key + "_in_unit", waves * lambda));
}

} // namespace zmatch::methods
