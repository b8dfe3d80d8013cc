// A frequency is a number and, after it, a unit word or nothing (Hz). The number reads with
// the user's decimal separator, a point or a comma: a frequency is one number, never a list,
// so either separator has one reading.
#include "measured/Frequency.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"

#include <cmath>

namespace measured {

namespace {

struct TUnit {
    const char* Name; // lower case
    double Hz;
    const char* Exponent; // Hz as a number's exponent
};

const TUnit kUnits[] = {
    {"", 1, ""},   {"hz", 1, ""},    {"khz", 1e3, "e3"}, {"mhz", 1e6, "e6"}, {"ghz", 1e9, "e9"},
    {"гц", 1, ""}, {"кгц", 1e3, "e3"}, {"мгц", 1e6, "e6"}, {"ггц", 1e9, "e9"},
};

const char* const kExample = "например «433,92 МГц», «2.4 GHz» или «50e6»";

// Latin and Russian capitals to lower case; other bytes as they are.
std::string LowerCase(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char& c = reinterpret_cast<unsigned char&>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c - 'A' + 'a');
        } else if (c == 0xD0 && i + 1 < out.size()) {
            unsigned char& next = reinterpret_cast<unsigned char&>(out[i + 1]);
            if (next >= 0x90 && next <= 0x9F) { // А..П -> а..п
                next = static_cast<unsigned char>(next + 0x20);
            } else if (next >= 0xA0 && next <= 0xAF) { // Р..Я -> р..я
                c = 0xD1;
                next = static_cast<unsigned char>(next - 0x20);
            }
            ++i;
        }
    }
    return out;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The unit word's bytes at the end of the text: everything after the last digit or point.
std::size_t UnitStart(std::string_view text) {
    std::size_t i = text.size();
    while (i > 0) {
        const char c = text[i - 1];
        if ((c >= '0' && c <= '9') || c == '.' || c == ',' || IsBlank(c)) break;
        --i;
    }
    return i;
}

double ReadNumber(std::string_view number, std::string_view text) {
    const char own = tk::FormatSettings().DecimalSeparator;
    for (const char separator : {own, '.', ','}) {
        try {
            return tk::StrToFloat(number, tk::TFormatSettings{separator});
        } catch (const tk::ENumberTooLarge&) {
            throw tk::Exception("Частота «" + std::string(text) + "» слишком велика.");
        } catch (const tk::EConvertError&) {
        }
    }
    throw tk::Exception("Частота «" + std::string(text) +
                        "» не читается: нужно число в герцах или с единицей (Гц, кГц, МГц, "
                        "ГГц), " +
                        kExample + ".");
}

} // namespace

double ReadFrequency(std::string_view text) {
    std::string_view trimmed = text;
    while (!trimmed.empty() && IsBlank(trimmed.front()))
        trimmed.remove_prefix(1);
    while (!trimmed.empty() && IsBlank(trimmed.back()))
        trimmed.remove_suffix(1);
    if (trimmed.empty())
        throw tk::Exception(std::string("Частота не задана: введите её, ") + kExample + ".");
    const std::size_t split = UnitStart(trimmed);
    if (split == 0) ReadNumber("", text); // no number at all: say so, not that the unit is odd
    const std::string unitText = LowerCase(trimmed.substr(split));
    const TUnit* unit = nullptr;
    for (const TUnit& u : kUnits)
        if (unitText == u.Name) unit = &u;
    if (!unit)
        throw tk::Exception(
            "Частота " + tk::ShowText(text).Quoted + ": единица " +
            tk::ShowText(trimmed.substr(split)).Quoted +
            " не известна; пишите Гц, кГц, МГц или ГГц (Hz, kHz, MHz, GHz), " + kExample + ".");
    // The unit joins the number as its exponent, so that «1.037 GHz» is the double nearest
    // 1 037 000 000 Hz, which is that number, rather than 1,037 rounded and then multiplied
    // (1 036 999 999,999 999 9). A number with an exponent of its own is multiplied.
    std::string_view number = trimmed.substr(0, split);
    while (!number.empty() && IsBlank(number.back()))
        number.remove_suffix(1);
    const bool ownExponent = number.find_first_of("eE") != std::string_view::npos;
    const double hz = ownExponent ? ReadNumber(number, text) * unit->Hz
                                  : ReadNumber(std::string(number) + unit->Exponent, text);
    if (!std::isfinite(hz))
        throw tk::Exception("Частота «" + std::string(text) + "» слишком велика.");
    if (!(hz > 0))
        throw tk::Exception("Частота «" + std::string(text) + "» должна быть больше нуля.");
    return hz;
}

std::string FrequencyText(double hz) {
    const TUnit* unit = &kUnits[5];
    for (const TUnit* u : {&kUnits[8], &kUnits[7], &kUnits[6]})
        if (std::fabs(hz) >= u->Hz) {
            unit = u;
            break;
        }
    std::string number = tk::FloatToStrF(hz / unit->Hz, 12, 9);
    const char separator = tk::FormatSettings().DecimalSeparator;
    if (number.find(separator) != std::string::npos && number.find('E') == std::string::npos) {
        while (number.back() == '0')
            number.pop_back();
        if (number.back() == separator) number.pop_back();
    }
    static const char* const kNames[] = {"Гц", "кГц", "МГц", "ГГц"};
    return number + " " + kNames[unit - &kUnits[5]];
}

} // namespace measured
