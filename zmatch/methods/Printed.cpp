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

// Four significant digits, trailing zeros dropped: a thousandth of λ in the unit needs no
// more, and the row keeps within its label ("0,05716", "926", "4,63E05").
std::string InUnitText(double waves, double lambda) {
    if (lambda == 1) return "";
    std::string text = tk::FloatToStrF(waves * lambda, 4, 10);
    const char separator = tk::FormatSettings().DecimalSeparator;
    if (text.find('E') == std::string::npos && text.find(separator) != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == separator) text.pop_back();
    }
    return " (" + text + ")";
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

void AddInUnit(TReportedValues& values, std::initializer_list<const char*> keys, double lambda) {
    for (const char* key : keys)
        for (std::size_t i = 0; i < values.size(); ++i)
            if (values[i].Key == key) {
                values.push_back(Number(std::string(key) + "_in_unit", values[i].Number * lambda));
                break;
            }
}

} // namespace zmatch::methods
