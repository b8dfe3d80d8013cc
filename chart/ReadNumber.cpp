#include "chart/ReadNumber.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Single.h"

#include <string>

namespace chart {

namespace {

std::string TooLarge(const tk::TEdit& edit, std::string_view field) {
    return std::string(field) + ": число \"" + edit.Text + "\" слишком велико по модулю.";
}

std::string SeparatorName(char separator) {
    if (separator == ',') return "запятая";
    if (separator == '.') return "точка";
    return std::string("«") + separator + "»";
}

// A text typed with the other decimal separator is the commonest slip ("0.5" under a
// Russian setting): say which separator this system reads, and show the text with it.
std::string SeparatorHint(const std::string& text) {
    const char ours = tk::FormatSettings().DecimalSeparator;
    const char other = ours == ',' ? '.' : ',';
    try {
        tk::StrToFloat(text, tk::TFormatSettings{other});
    } catch (const tk::EConvertError&) {
        return "";
    }
    std::string fixed = text;
    for (char& c : fixed)
        if (c == other) c = ours;
    return " Десятичный разделитель в этой системе — " + SeparatorName(ours) + ": \"" + fixed +
           "\".";
}

} // namespace

double ReadNumber(const tk::TEdit& edit, std::string_view field) {
    try {
        return tk::StrToFloat(edit.Text);
    } catch (const tk::ENumberTooLarge&) {
        throw tk::ENumberTooLarge(TooLarge(edit, field));
    } catch (const tk::EConvertError&) {
        throw tk::EConvertError(std::string(field) + ": \"" + edit.Text +
                                "\" — не является числом." + SeparatorHint(edit.Text));
    }
}

float ReadSingle(const tk::TEdit& edit, std::string_view field) {
    const double v = ReadNumber(edit, field);
    try {
        return tk::ToSingle(v);
    } catch (const tk::EOverflow&) {
        throw tk::EOverflow(TooLarge(edit, field));
    }
}

} // namespace chart
