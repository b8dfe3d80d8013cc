#include "toolkit/ReadNumber.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Single.h"
#include "toolkit/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace tk {

namespace {

// Characters a field can hold that show as nothing or as a plain blank, with what a message
// calls them; anything else below U+0020 or among the format characters is a control
// character. A text pasted from a web page or a chat brings them ("5" and a zero-width
// space reads as «5» in a field and in a message that quotes it as it is).
// clang-format off
struct TInvisible { char32_t Code; const char* Name; };
constexpr TInvisible kInvisibleNames[] = {
    {0x0007, "звуковой сигнал BEL"},
    {0x0009, "табуляция"},
    {0x000A, "перевод строки"},
    {0x000D, "возврат каретки"},
    {0x001B, "знак Escape"},
    {0x00A0, "неразрывный пробел"},
    {0x00AD, "мягкий перенос"},
    {0x2007, "цифровой пробел"},
    {0x2009, "тонкий пробел"},
    {0x200B, "пробел нулевой ширины"},
    {0x200C, "разделитель нулевой ширины"},
    {0x200D, "соединитель нулевой ширины"},
    {0x200E, "знак направления письма"},
    {0x200F, "знак направления письма"},
    {0x202F, "узкий неразрывный пробел"},
    {0x2060, "невидимый соединитель слов"},
    {0xFEFF, "метка порядка байтов"},
};
// clang-format on

bool IsInvisible(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || (c >= 0x2000 && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x206F) || c == 0x3000 ||
           c == 0xFEFF;
}

std::string InvisibleName(char32_t c) {
    for (const TInvisible& n : kInvisibleNames)
        if (n.Code == c) return n.Name;
    return "управляющий знак";
}

// The largest magnitudes a field can hold, as a message prints them, with the decimal
// separator of the text around them: «3,4·10^38» in a window, «3.4·10^38» on a command line
// that writes points.
struct TLimit {
    char Units, Tenths;
    const char* Power;
};
constexpr TLimit kDoubleLimit{'1', '7', "308"}, kSingleLimit{'3', '4', "38"};

std::string TooLarge(const tk::TEdit& edit, std::string_view field, TLimit limit) {
    const std::string shown =
        std::string{limit.Units, tk::FormatSettings().DecimalSeparator, limit.Tenths} + "·10^" +
        limit.Power;
    return std::string(field) + ": число " + ShowText(edit.Text).Quoted +
           " слишком велико: введите число не больше " + shown + " по модулю.";
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
// "-", and digits grouped by a space ("5 000"; the no-break spaces such texts group by are
// named as invisible characters before this is asked). Returns the text with them mended and
// what was mended, as advice.
struct Mended {
    std::string Text;
    std::string Advice;
};

Mended MendTypography(const std::string& text) {
    static constexpr std::string_view kMinus = "\xE2\x88\x92";
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
        if (rest[0] == ' ' && !m.Text.empty() && IsDigit(m.Text.back()) && i + 1 < text.size() &&
            IsDigit(text[i + 1])) {
            grouped = true;
            ++i;
            continue;
        }
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

std::string Code(const char* format, unsigned value) {
    char code[16];
    std::snprintf(code, sizeof code, format, value);
    return code;
}

// " В поле есть невидимый знак ‹U+200B› (пробел нулевой ширины): …" and the text to type
// without it, or the advice for what is left.
std::string InvisibleAdvice(const TShownText& shown) {
    const bool one = shown.Invisible.size() == 1;
    std::string text = one ? " В поле есть невидимый знак " : " В поле есть невидимые знаки ";
    for (std::size_t i = 0; i < shown.Invisible.size(); ++i)
        text += (i ? ", " : "") + Code("‹U+%04X›", unsigned(shown.Invisible[i])) + " (" +
                InvisibleName(shown.Invisible[i]) + ")";
    text += one ? ": в поле его не видно, но число из-за него не читается."
                : ": в поле их не видно, но число из-за них не читается.";
    if (Reads(shown.Visible, tk::FormatSettings().DecimalSeparator))
        return text + (one ? " Удалите его" : " Удалите их") + " и введите «" + shown.Visible +
               "».";
    return text + Advice(shown.Visible);
}

double Read(const tk::TEdit& edit, std::string_view field, TLimit limit) {
    try {
        return tk::StrToFloat(edit.Text);
    } catch (const tk::ENumberTooLarge&) {
        throw tk::ENumberTooLarge(TooLarge(edit, field, limit));
    } catch (const tk::EConvertError&) {
        if (edit.Text.find_first_not_of(' ') == std::string::npos)
            throw tk::EConvertError(std::string(field) + ": поле пустое, введите число.");
        const TShownText shown = ShowText(edit.Text);
        throw tk::EConvertError(
            std::string(field) + ": " + shown.Quoted + " не является числом." +
            (shown.Invisible.empty() ? Advice(edit.Text) : InvisibleAdvice(shown)));
    }
}

} // namespace

TShownText ShowText(std::string_view text) {
    TShownText shown{"«", "", {}};
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const char32_t c = tk::DecodeNext(text, i);
        if (c == tk::kReplacement && text.substr(start, i - start) != "\xEF\xBF\xBD") {
            // Bytes that are no UTF-8 at all: shown as they are, in hex.
            for (std::size_t b = start; b < i; ++b)
                shown.Quoted += Code("‹0x%02X›", static_cast<unsigned char>(text[b]));
            continue;
        }
        if (IsInvisible(c)) {
            shown.Quoted += Code("‹U+%04X›", unsigned(c));
            if (std::find(shown.Invisible.begin(), shown.Invisible.end(), c) ==
                shown.Invisible.end())
                shown.Invisible.push_back(c);
            continue;
        }
        shown.Quoted.append(text.substr(start, i - start));
        shown.Visible.append(text.substr(start, i - start));
    }
    shown.Quoted += "»";
    return shown;
}

double ReadNumber(const tk::TEdit& edit, std::string_view field) {
    return Read(edit, field, kDoubleLimit);
}

TStoredNumber ReadStored(const tk::TEdit& edit, std::string_view field) {
    const double v = Read(edit, field, kSingleLimit);
    try {
        return {v, tk::ToSingle(v)};
    } catch (const tk::EOverflow&) {
        throw tk::EOverflow(TooLarge(edit, field, kSingleLimit));
    }
}

float ReadSingle(const tk::TEdit& edit, std::string_view field) {
    return ReadStored(edit, field).Stored;
}

} // namespace tk
