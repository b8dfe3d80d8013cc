#include "cli/ComplexLoad.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"
#include "toolkit/Utf8.h"

namespace cli {

namespace {

// Whether the window's field reads the text as a number. One beyond the range of a double
// ("1e400") counts: the handler refuses it with the window's own message, which names the
// field and the largest number it takes.
bool Reads(const std::string& text) {
    try {
        tk::StrToFloat(text);
        return true;
    } catch (const tk::ENumberTooLarge&) {
        return true;
    } catch (const tk::Exception&) {
        return false;
    }
}

} // namespace

std::string NumberText(std::string_view text) {
    std::string own(text);
    if (Reads(own)) return own;
    const char sep = tk::FormatSettings().DecimalSeparator;
    if (sep == '.') return {};
    for (char& c : own)
        if (c == '.') c = sep;
    return Reads(own) ? own : std::string();
}

namespace {

const char* const kExamples = " Введите, например, «100+50j», «100-j50» или «100».";

bool IsSign(char c) {
    return c == '+' || c == '-';
}

bool IsJ(char c) {
    return c == 'j' || c == 'J';
}

// "+50j", "-j50", "j50", "50j" without the j, the sign kept; empty when j is not at either
// end of what follows the sign.
std::string WithoutJ(std::string_view part) {
    std::string sign;
    if (!part.empty() && IsSign(part.front())) {
        sign = part.front();
        part.remove_prefix(1);
    }
    if (part.size() > 1 && IsJ(part.front())) return sign + std::string(part.substr(1));
    if (part.size() > 1 && IsJ(part.back()))
        return sign + std::string(part.substr(0, part.size() - 1));
    return {};
}

// Why `part` is no imaginary part, or "" when it is one; `im` gets its number.
std::string ReadImaginary(std::string_view part, std::string& im) {
    const std::string bare = WithoutJ(part);
    if (bare.empty()) return "мнимая часть пишется как 50j или j50";
    im = NumberText(bare);
    if (im.empty()) return "мнимая часть «" + Quoted(bare) + "» не является числом";
    return {};
}

} // namespace

TComplexText ReadComplex(std::string_view text) {
    TComplexText z;
    // Blanks around the whole, as a line of a file may end in them.
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty()) {
        z.Error = std::string("значение пустое.") + kExamples;
        return z;
    }
    z.Re = NumberText(text);
    if (!z.Re.empty()) return z;
    const std::string quoted = "«" + Quoted(text) + "» ";
    // The imaginary part starts at the last sign that is neither the first character nor
    // an exponent's: "1e-3-2j" splits before "-2j".
    std::size_t split = std::string_view::npos;
    for (std::size_t i = text.size(); i-- > 1;)
        if (IsSign(text[i]) && text[i - 1] != 'e' && text[i - 1] != 'E') {
            split = i;
            break;
        }
    std::string why;
    if (split != std::string_view::npos) {
        const std::string_view re = text.substr(0, split);
        z.Re = NumberText(re);
        why = z.Re.empty() ? "действительная часть «" + Quoted(re) + "» не является числом"
                           : ReadImaginary(text.substr(split), z.Im);
        if (why.empty()) return z;
    }
    // No real part: "50j", "-j50", and "j-5", whose sign is not a split.
    if (text.find_first_of("jJ") != std::string_view::npos) {
        std::string im;
        const std::string whyNot = ReadImaginary(text, im);
        if (whyNot.empty()) return {"0", im, ""};
        if (why.empty()) why = whyNot;
    }
    z.Re.clear();
    z.Im = "0";
    std::string advice = SeparatorAdvice(text, true);
    if (advice.empty()) advice = kExamples;
    z.Error = why.empty() ? quoted + "не является числом." + advice
                          : quoted + "не является комплексным числом: " + why + "." + advice;
    return z;
}

std::string SeparatorAdvice(std::string_view text, bool complex) {
    if (tk::FormatSettings().DecimalSeparator != '.') return {};
    std::string fixed(text);
    for (char& c : fixed)
        if (c == ',') c = '.';
    if (fixed == text) return {};
    const bool mended = complex ? ReadComplex(fixed).Error.empty() : !NumberText(fixed).empty();
    if (!mended) return {};
    return " Десятичный разделитель в этой системе — точка. Введите «" + Quoted(fixed) + "».";
}

namespace {
constexpr int kQuotedLength = 60;
} // namespace

std::string Quoted(std::string_view text) {
    std::string out;
    int shown = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        tk::DecodeNext(text, i);
        // One character as ShowText shows it, without its «»: itself, or its code.
        const std::string quoted = tk::ShowText(text.substr(start, i - start)).Quoted;
        const std::string_view open = "«", close = "»";
        const std::string piece =
            quoted.substr(open.size(), quoted.size() - open.size() - close.size());
        int length = 0; // in characters: a code such as ‹U+0000› counts as the eight it shows
        for (std::size_t k = 0; k < piece.size(); ++length)
            tk::DecodeNext(piece, k);
        if (shown + length > kQuotedLength) return out + "…";
        out += piece;
        shown += length;
    }
    return out;
}

} // namespace cli
