#include "chart/ReadNumber.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Single.h"

#include <string>

namespace chart {

namespace {

// The largest magnitudes a field can hold, as a message prints them.
constexpr std::string_view kDoubleLimit = "1,7·10^308";
constexpr std::string_view kSingleLimit = "3,4·10^38";

std::string TooLarge(const tk::TEdit& edit, std::string_view field, std::string_view limit) {
    return std::string(field) + ": число «" + edit.Text + "» слишком велико: введите число не " +
           "больше " + std::string(limit) + " по модулю.";
}

std::string SeparatorName(char separator) {
    if (separator == ',') return "запятая";
    if (separator == '.') return "точка";
    return std::string("«") + separator + "»";
}

bool Reads(const std::string& text, char separator) {
    try {
        tk::StrToFloat(text, tk::TFormatSettings{separator});
        return true;
    } catch (const tk::EConvertError&) {
        return false;
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The slips a text copied from a Russian document brings: the typographic minus U+2212 for
// "-", and digits grouped by a space, a no-break space or a narrow no-break space
// ("5 000"). Returns the text with them mended and what was mended, as advice.
struct Mended {
    std::string Text;
    std::string Advice;
};

Mended MendTypography(const std::string& text) {
    static constexpr std::string_view kMinus = "\xE2\x88\x92";
    static constexpr std::string_view kGroupSpaces[] = {" ", "\xC2\xA0", "\xE2\x80\xAF"};
    Mended m;
    bool minus = false, grouped = false;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = std::string_view(text).substr(i);
        if (rest.starts_with(kMinus)) {
            m.Text += '-';
            minus = true;
            i += kMinus.size();
            continue;
        }
        bool skipped = false;
        for (const std::string_view space : kGroupSpaces) {
            if (rest.starts_with(space) && !m.Text.empty() && IsDigit(m.Text.back()) &&
                i + space.size() < text.size() && IsDigit(text[i + space.size()])) {
                grouped = true;
                skipped = true;
                i += space.size();
                break;
            }
        }
        if (skipped) continue;
        m.Text += text[i++];
    }
    if (minus) m.Advice += " Минус набирается дефисом «-».";
    if (grouped) m.Advice += " Цифры числа пишутся без пробелов.";
    return m;
}

// What to type instead. A text with the other decimal separator is the commonest slip
// ("0.5" under a Russian setting): say which separator this system reads, and show the text
// with it; the typographic minus and grouped digits come next. Anything else gets an example.
std::string Advice(const std::string& text) {
    const char ours = tk::FormatSettings().DecimalSeparator;
    const char other = ours == ',' ? '.' : ',';
    Mended m = MendTypography(text);
    std::string fixed = m.Text;
    if (!Reads(fixed, ours) && Reads(fixed, other)) {
        for (char& c : fixed)
            if (c == other) c = ours;
        m.Advice += " Десятичный разделитель в этой системе — " + SeparatorName(ours) + ".";
    }
    if (!m.Advice.empty() && Reads(fixed, ours)) return m.Advice + " Введите «" + fixed + "».";
    return std::string(" Введите число, например «50") + ours + "5».";
}

double Read(const tk::TEdit& edit, std::string_view field, std::string_view limit) {
    try {
        return tk::StrToFloat(edit.Text);
    } catch (const tk::ENumberTooLarge&) {
        throw tk::ENumberTooLarge(TooLarge(edit, field, limit));
    } catch (const tk::EConvertError&) {
        if (edit.Text.find_first_not_of(' ') == std::string::npos)
            throw tk::EConvertError(std::string(field) + ": поле пустое, введите число.");
        throw tk::EConvertError(std::string(field) + ": «" + edit.Text + "» не является числом." +
                                Advice(edit.Text));
    }
}

} // namespace

double ReadNumber(const tk::TEdit& edit, std::string_view field) {
    return Read(edit, field, kDoubleLimit);
}

float ReadSingle(const tk::TEdit& edit, std::string_view field) {
    const double v = Read(edit, field, kSingleLimit);
    try {
        return tk::ToSingle(v);
    } catch (const tk::EOverflow&) {
        throw tk::EOverflow(TooLarge(edit, field, kSingleLimit));
    }
}

} // namespace chart
