#include "cli/ComplexLoad.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

namespace cli {

std::string NumberText(std::string_view text) {
    const auto reads = [](const std::string& t) {
        try {
            tk::StrToFloat(t);
            return true;
        } catch (const tk::Exception&) {
            return false;
        }
    };
    std::string own(text);
    if (reads(own)) return own;
    const char sep = tk::FormatSettings().DecimalSeparator;
    if (sep == '.') return {};
    for (char& c : own)
        if (c == '.') c = sep;
    return reads(own) ? own : std::string();
}

namespace {

bool IsSign(char c) {
    return c == '+' || c == '-';
}

// "+50j", "-j50", "j50", "50j" without the j; empty when j is not at either end.
std::string WithoutJ(std::string_view part) {
    std::string sign;
    if (!part.empty() && IsSign(part.front())) {
        sign = part.front();
        part.remove_prefix(1);
    }
    if (part.size() > 1 && (part.front() == 'j' || part.front() == 'J'))
        return sign + std::string(part.substr(1));
    if (part.size() > 1 && (part.back() == 'j' || part.back() == 'J'))
        return sign + std::string(part.substr(0, part.size() - 1));
    return {};
}

} // namespace

TComplexText ReadComplex(std::string_view text) {
    TComplexText z;
    if (text.empty()) {
        z.Error = "нагрузка не задана";
        return z;
    }
    // The imaginary part starts at the last sign that is neither the first character nor
    // an exponent's: "1e-3-2j" splits before "-2j".
    std::size_t split = std::string_view::npos;
    for (std::size_t i = text.size(); i-- > 1;)
        if (IsSign(text[i]) && text[i - 1] != 'e' && text[i - 1] != 'E') {
            split = i;
            break;
        }
    std::string_view re = text, im;
    if (split != std::string_view::npos) {
        re = text.substr(0, split);
        im = text.substr(split);
    } else if (text.find_first_of("jJ") != std::string_view::npos) {
        re = {};
        im = text;
    }
    if (!im.empty()) {
        const std::string bare = WithoutJ(im);
        if (bare.empty()) {
            z.Error = "«" + Quoted(text) +
                      "» — не комплексное число: мнимая часть пишется "
                      "как 50j или j50, например 100+50j";
            return z;
        }
        z.Im = NumberText(bare);
        if (z.Im.empty()) {
            z.Error =
                "«" + Quoted(text) + "»: мнимая часть «" + Quoted(bare) + "» не является числом";
            return z;
        }
    }
    if (re.empty()) {
        z.Re = "0";
        return z;
    }
    z.Re = NumberText(re);
    if (z.Re.empty())
        z.Error =
            "«" + Quoted(text) + "»: действительная часть «" + Quoted(re) + "» не является числом";
    return z;
}

std::string Quoted(std::string_view text) {
    std::string out;
    std::size_t shown = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (shown == 60) return out + "…";
        const unsigned char c = text[i];
        std::size_t n = c < 0x80         ? 1
                        : (c >> 5) == 6  ? 2
                        : (c >> 4) == 14 ? 3
                        : (c >> 3) == 30 ? 4
                                         : 0;
        bool ok = n > 0 && i + n <= text.size() && !(n == 1 && (c < 0x20 || c == 0x7f));
        for (std::size_t k = 1; ok && k < n; ++k)
            ok = (static_cast<unsigned char>(text[i + k]) >> 6) == 2;
        // Overlong forms and surrogates are not well-formed either.
        if (ok && n == 2) ok = c >= 0xc2;
        if (ok && n == 3) {
            const unsigned char d = text[i + 1];
            ok = !(c == 0xe0 && d < 0xa0) && !(c == 0xed && d >= 0xa0);
        }
        if (ok && n == 4) {
            const unsigned char d = text[i + 1];
            ok = c <= 0xf4 && !(c == 0xf0 && d < 0x90) && !(c == 0xf4 && d >= 0x90);
        }
        if (ok) {
            out.append(text.substr(i, n));
            i += n;
        } else {
            out += '?';
            ++i;
        }
        ++shown;
    }
    return out;
}

} // namespace cli
