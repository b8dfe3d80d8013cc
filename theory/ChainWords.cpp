#include "theory/ChainWords.h"

#include "toolkit/DecimalText.h"
#include "toolkit/Exceptions.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace theory::chainwords {

namespace {

// The length of the well-formed UTF-8 sequence at `i` that is no control character, or 0:
// no overlong forms, no surrogates, nothing beyond U+10FFFF (RFC 3629's table).
std::size_t SequenceAt(std::string_view text, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char c = at(0);
    if (c < 0x80) return c >= 0x20 && c != 0x7F ? 1 : 0;
    const std::size_t n = c >= 0xC2 && c <= 0xDF   ? 2
                          : c >= 0xE0 && c <= 0xEF ? 3
                          : c >= 0xF0 && c <= 0xF4 ? 4
                                                   : 0;
    if (n == 0 || i + n > text.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((at(k) & 0xC0) != 0x80) return 0;
    const unsigned char second = at(1);
    if ((c == 0xE0 && second < 0xA0) || (c == 0xED && second > 0x9F) ||
        (c == 0xF0 && second < 0x90) || (c == 0xF4 && second > 0x8F))
        return 0;
    if (n == 2 && c == 0xC2 && second < 0xA0) return 0; // C1 controls
    return n;
}

struct TPrefix {
    std::string_view Text;
    int Exponent;
};
constexpr TPrefix kPrefixes[] = {{"p", -12}, {"n", -9}, {"u", -6}, {"µ", -6},
                                 {"μ", -6},  {"m", -3}, {"k", 3},  {"M", 6}};

// The decimal exponent a suffix gives: a prefix (where `prefixes`), a unit, a prefix then a
// unit, or nothing; none where it is something else. `unit`: the unit found, or "".
std::optional<int> SuffixExponent(std::string_view suffix, TUnits units, bool prefixes,
                                  std::string_view* unit = nullptr) {
    int exponent = 0;
    for (const TUnit& u : units)
        if (suffix.size() >= u.Text.size() &&
            suffix.substr(suffix.size() - u.Text.size()) == u.Text) {
            suffix.remove_suffix(u.Text.size());
            exponent = u.Exponent;
            if (unit) *unit = u.Text;
            break;
        }
    if (suffix.empty()) return exponent;
    if (prefixes)
        for (const TPrefix& p : kPrefixes)
            if (suffix == p.Text) return exponent + p.Exponent;
    return std::nullopt;
}

// The number a word starts with, its decimal point a point or a comma; what follows it.
struct TNumberRead {
    enum { Ok, NotNumber, OutOfRange } Outcome = NotNumber;
    std::string Text; // the number as read, with a point
    std::string_view Rest;
};
// The length of the decimal `t` starts with: a minus, digits with at most one point among
// them (a digit at least), and an exponent where one follows whole; 0: none. «12nH» → 2,
// «1e» → 1, «-.5e-3x» → 7.
std::size_t DecimalLength(std::string_view t) {
    const auto digit = [&](std::size_t i) { return i < t.size() && t[i] >= '0' && t[i] <= '9'; };
    std::size_t i = !t.empty() && t[0] == '-' ? 1 : 0, digits = 0;
    for (bool point = false; i < t.size(); ++i) {
        if (digit(i))
            ++digits;
        else if (t[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0) return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        if (digit(j)) {
            while (digit(j))
                ++j;
            i = j;
        }
    }
    return i;
}

TNumberRead NumberPart(std::string_view word) {
    TNumberRead r;
    std::string t(word);
    for (char& c : t)
        if (c == ',') c = '.';
    const std::size_t start = !t.empty() && t[0] == '+' ? 1 : 0;
    const std::size_t length = DecimalLength(std::string_view(t).substr(start));
    if (length == 0) return r;
    r.Text = t.substr(start, length);
    r.Outcome = tk::ReadDecimal(r.Text).Outcome == tk::TDecimalRead::Ok ? TNumberRead::Ok
                                                                        : TNumberRead::OutOfRange;
    r.Rest = word.substr(start + length);
    return r;
}

// `text` times 10^exponent, rounded once; none beyond the range of a double.
std::optional<double> Scaled(const std::string& text, int exponent) {
    std::string t = text;
    if (exponent != 0) {
        const std::size_t e = t.find_first_of("eE");
        long own = 0;
        if (e != std::string::npos) {
            own = std::strtol(t.c_str() + e + 1, nullptr, 10);
            t.resize(e);
        }
        if (own > 100000 || own < -100000) return std::nullopt;
        t += "e" + std::to_string(own + exponent);
    }
    const tk::TDecimalRead read = tk::ReadDecimal(t);
    if (read.Outcome != tk::TDecimalRead::Ok || !std::isfinite(read.Value)) return std::nullopt;
    return read.Value + 0.0; // -0 is 0
}

// A separate word taken as the unit: a unit or a prefix with one, not a lone prefix
// letter that could be a keyword.
bool IsUnitWord(std::string_view word, TUnits units) {
    for (const TUnit& u : units)
        if (word.size() >= u.Text.size() && word.substr(word.size() - u.Text.size()) == u.Text)
            return true;
    return false;
}

// The shortest digits of v ≥ 0 and its decimal exponent: 1.2e-08 is "12", -8.
// The shortest is the first correctly rounded one that reads back to v: where any text of
// so many digits does, the nearest does too.
void ShortestDigits(double v, std::string& digits, int& exponent) {
    std::string s;
    for (int decimals = 0; decimals <= 16; ++decimals) {
        s = tk::ScientificText(v, decimals);
        if (tk::ReadDecimal(s).Value == v) break;
    }
    const std::size_t e = s.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.') digits += s[i];
    exponent = std::atoi(s.c_str() + e + 1);
}

} // namespace

void Refuse(const std::string& where, const std::string& what) {
    throw tk::Exception(where + ": " + what);
}

std::string Shown(std::string_view word) {
    std::string out;
    std::size_t chars = 0, i = 0;
    while (i < word.size() && chars < 40) {
        const std::size_t n = SequenceAt(word, i);
        out += n ? std::string(word.substr(i, n)) : "?";
        i += n ? n : 1;
        ++chars;
    }
    return i < word.size() ? out + "…" : out;
}

bool Showable(std::string_view text) {
    return Shown(text) == text;
}

std::string Quote(std::string_view word) {
    return "«" + Shown(word) + "»";
}

bool Is(std::string_view word, std::string_view keyword) {
    if (word.size() != keyword.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != keyword[i]) return false;
    }
    return true;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\n';
    };
    while (i < text.size()) {
        while (i < text.size() && blank(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !blank(text[i]))
            ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::string_view TReader::Next(const std::string& wanted) {
    if (!More())
        Refuse(where_,
               "после " + Quote(words_[at_ - 1]) + " не хватает значения: ожидается " + wanted);
    return words_[at_++];
}

double TReader::Quantity(const std::string& wanted, TUnits units, bool prefixes,
                         std::string_view* unit) {
    const std::string_view word = Next(wanted);
    const TNumberRead n = NumberPart(word);
    if (n.Outcome == TNumberRead::NotNumber) Fail(Quote(word) + " — не число: ожидается " + wanted);
    std::optional<int> exponent = SuffixExponent(n.Rest, units, prefixes, unit);
    if (!exponent)
        Fail("единица " + Quote(n.Rest) + " в " + Quote(word) + " не подходит: ожидается " +
             wanted);
    if (n.Rest.empty() && More() && !Peek().empty() &&
        NumberPart(Peek()).Outcome == TNumberRead::NotNumber)
        if (std::string_view named; IsUnitWord(Peek(), units))
            if (const std::optional<int> next = SuffixExponent(Peek(), units, prefixes, &named)) {
                exponent = next;
                if (unit) *unit = named;
                ++at_;
            }
    const std::optional<double> v =
        n.Outcome == TNumberRead::Ok ? Scaled(n.Text, *exponent) : std::nullopt;
    if (!v) Fail("число " + Quote(word) + " вне допустимых пределов");
    if (*v < 0) Fail("значение " + Quote(word) + " отрицательное: ожидается " + wanted);
    last_ = word;
    return *v;
}

double TReader::Positive(const std::string& wanted, TUnits units, bool prefixes) {
    const double v = Quantity(wanted, units, prefixes);
    if (v == 0) Fail("значение " + Quote(last_) + " должно быть больше нуля");
    return v;
}

std::string Decimal(double v, int p) {
    if (v == 0) return "0";
    std::string d;
    int exponent = 0;
    ShortestDigits(v, d, exponent);
    const int k = exponent - p;
    if (k > 20 || k < -20)
        return d.substr(0, 1) + (d.size() > 1 ? "." + d.substr(1) : "") + "e" + std::to_string(k);
    if (k < 0) return "0." + std::string(std::size_t(-k - 1), '0') + d;
    const std::size_t whole = std::size_t(k) + 1;
    if (d.size() <= whole) return d + std::string(whole - d.size(), '0');
    return d.substr(0, whole) + "." + d.substr(whole);
}

std::string Engineering(double v, const char* unit, int lowest) {
    if (v == 0) return std::string("0") + unit;
    std::string d;
    int exponent = 0;
    ShortestDigits(v, d, exponent);
    int p = exponent >= 0 ? exponent / 3 * 3 : -((-exponent + 2) / 3 * 3);
    p = p < lowest ? lowest : p > 6 ? 6 : p;
    const char* prefix = "";
    for (const TPrefix& x : kPrefixes)
        if (x.Exponent == p && x.Text != "µ" && x.Text != "μ") prefix = x.Text.data();
    return Decimal(v, p) + prefix + unit;
}

} // namespace theory::chainwords
