// Numbers are read with std::from_chars (correctly rounded, the same under every locale) and
// written with std::to_chars's shortest digits, an SI prefix folded into the decimal
// exponent both ways, so that what is printed reads back to the same bits.
#include "theory/ChainText.h"

#include "measured/Frequency.h"
#include "toolkit/Exceptions.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace theory {

namespace {

[[noreturn]] void Refuse(const std::string& where, const std::string& what) {
    throw tk::Exception(where + ": " + what);
}

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

// A word as a message may quote it: well-formed UTF-8 without control characters (others
// as «?»), at most 40 characters.
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

// Whether a message may carry the text as it is.
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

struct TPrefix {
    std::string_view Text;
    int Exponent;
};
constexpr TPrefix kPrefixes[] = {{"p", -12}, {"n", -9}, {"u", -6}, {"µ", -6},
                                 {"μ", -6},  {"m", -3}, {"k", 3},  {"M", 6}};

// A unit a value may carry, and the decimal exponent it adds (a line's mm: -3 to metres).
struct TUnit {
    std::string_view Text;
    int Exponent = 0;
};
using TUnits = std::initializer_list<TUnit>;

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
TNumberRead NumberPart(std::string_view word) {
    TNumberRead r;
    std::string t(word);
    for (char& c : t)
        if (c == ',') c = '.';
    std::size_t start = !t.empty() && t[0] == '+' ? 1 : 0;
    const std::string_view digits = "0123456789.-";
    if (start >= t.size() || digits.find(t[start]) == std::string_view::npos) return r;
    double v = 0;
    const auto [end, ec] = std::from_chars(t.data() + start, t.data() + t.size(), v);
    if (ec == std::errc::invalid_argument) return r;
    r.Outcome = ec == std::errc() ? TNumberRead::Ok : TNumberRead::OutOfRange;
    r.Text = std::string(static_cast<const char*>(t.data() + start), end);
    r.Rest = word.substr(std::size_t(end - t.data()));
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
    double v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || !std::isfinite(v)) return std::nullopt;
    return v + 0.0; // -0 is 0
}

// The words of one element, read in order.
class TReader {
  public:
    TReader(std::string_view text, const std::string& where) : words_(Words(text)), where_(where) {}

    bool More() const { return at_ < words_.size(); }
    std::string_view Peek() const { return More() ? words_[at_] : std::string_view(); }
    std::string_view Next(const std::string& wanted) {
        if (!More())
            Refuse(where_,
                   "после " + Quote(words_[at_ - 1]) + " не хватает значения: ожидается " + wanted);
        return words_[at_++];
    }
    [[noreturn]] void Fail(const std::string& what) const { Refuse(where_, what); }

    // A number with an optional suffix from `units`, with an SI prefix where `prefixes`
    // (joined to it or the next word); `unit`: the unit it carried, or "".
    double Quantity(const std::string& wanted, TUnits units, bool prefixes = true,
                    std::string_view* unit = nullptr) {
        const std::string_view word = Next(wanted);
        const TNumberRead n = NumberPart(word);
        if (n.Outcome == TNumberRead::NotNumber)
            Fail(Quote(word) + " — не число: ожидается " + wanted);
        std::optional<int> exponent = SuffixExponent(n.Rest, units, prefixes, unit);
        if (!exponent)
            Fail("единица " + Quote(n.Rest) + " в " + Quote(word) + " не подходит: ожидается " +
                 wanted);
        if (n.Rest.empty() && More() && !Peek().empty() &&
            NumberPart(Peek()).Outcome == TNumberRead::NotNumber)
            if (std::string_view named; IsUnitWord(Peek(), units))
                if (const std::optional<int> next =
                        SuffixExponent(Peek(), units, prefixes, &named)) {
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
    double Positive(const std::string& wanted, TUnits units = {}, bool prefixes = true) {
        const double v = Quantity(wanted, units, prefixes);
        if (v == 0) Fail("значение " + Quote(last_) + " должно быть больше нуля");
        return v;
    }
    std::string_view Last() const { return last_; }

  private:
    // A separate word taken as the unit: a unit or a prefix with one, not a lone prefix
    // letter that could be a keyword.
    static bool IsUnitWord(std::string_view word, TUnits units) {
        for (const TUnit& u : units)
            if (word.size() >= u.Text.size() && word.substr(word.size() - u.Text.size()) == u.Text)
                return true;
        return false;
    }

    std::vector<std::string_view> words_;
    std::size_t at_ = 0;
    std::string where_;
    std::string_view last_;
};

const TUnits kOhms = {{"Ω"}, {"Ohm"}, {"ohm"}, {"Ом"}};

// Options after the value: each keyword once, read by `read`, which is handed the keyword.
template <class TRead>
void Options(TReader& r, std::initializer_list<std::string_view> keywords, TRead read) {
    std::vector<std::string_view> seen;
    while (r.More()) {
        const std::string_view word = r.Next("");
        bool known = false;
        for (std::string_view k : keywords)
            if (Is(word, k)) {
                for (std::string_view s : seen)
                    if (s == k) r.Fail(Quote(word) + " задан дважды");
                seen.push_back(k);
                read(k);
                known = true;
                break;
            }
        if (!known) r.Fail("лишнее слово " + Quote(word));
    }
}

TChainElement ReadLumped(TReader& r, TPlace place, double f0Hz) {
    const std::string_view kind = r.Next("L, C или R");
    TChainElement e;
    e.Place = place;
    if (Is(kind, "l"))
        e.Kind = TChainKind::L;
    else if (Is(kind, "c"))
        e.Kind = TChainKind::C;
    else if (Is(kind, "r"))
        e.Kind = TChainKind::R;
    else
        r.Fail("вид " + Quote(kind) + " не известен: после series и shunt пишите L, C или R");
    if (e.Kind == TChainKind::R) {
        e.Value = r.Quantity("сопротивление в омах", kOhms);
        if (place == TPlace::Shunt && e.Value == 0)
            r.Fail("сопротивление " + Quote(r.Last()) + " поперёк линии должно быть больше нуля");
        if (r.More()) r.Fail("лишнее слово " + Quote(r.Peek()));
        return e;
    }
    const bool inductor = e.Kind == TChainKind::L;
    if (Is(r.Peek(), "x")) {
        r.Next("");
        e.Reactance = true;
        e.Value = r.Positive("реактивное сопротивление в омах", kOhms);
    } else {
        e.Value = r.Positive(inductor ? "индуктивность, например 12nH" : "ёмкость, например 2.2pF",
                             {{inductor ? "H" : "F"}});
        if (!(f0Hz > 0))
            r.Fail(Quote(r.Last()) + (inductor ? " — индуктивность" : " — ёмкость") +
                   " без частоты: задайте частоту f0 или реактивное сопротивление в омах, "
                   "например «X 30»");
    }
    Options(r, {"q"}, [&](std::string_view) {
        e.Q = r.Quantity("добротность, например 50", {}, false);
        if (e.Q == 0) r.Fail("добротность " + Quote(r.Last()) + " должна быть больше нуля");
    });
    return e;
}

TChainElement ReadLine(TReader& r, double f0Hz) {
    TChainElement e;
    e.Kind = TChainKind::Line;
    std::string_view unit;
    e.Value =
        r.Quantity("длина в λ или в мм, например 0.1 или 25mm", {{"λ"}, {"mm", -3}}, false, &unit);
    const bool millimetres = unit == "mm";
    Options(r, {"z", "loss", "vf"}, [&](std::string_view k) {
        if (k == "z") e.Z0 = r.Positive("волновое сопротивление в омах", kOhms);
        if (k == "loss") e.Loss = r.Quantity("потери в дБ на длину волны", {}, false);
        if (k == "vf") {
            e.Vf = r.Positive("коэффициент укорочения, например 0.66", {}, false);
            if (e.Vf > 1) r.Fail("коэффициент укорочения " + Quote(r.Last()) + " больше 1");
        }
    });
    if (millimetres && e.Vf == 0)
        r.Fail("длина в мм требует коэффициент укорочения: добавьте, например, «vf 0.66»");
    if (!millimetres && e.Vf > 0) r.Fail("«vf» нужен только длине в мм: уберите его");
    if (millimetres && !(f0Hz > 0))
        r.Fail("длина в мм без частоты: задайте частоту f0 или длину в λ");
    return e;
}

TChainElement ReadStub(TReader& r) {
    TChainElement e;
    e.Kind = TChainKind::Stub;
    const std::string_view place = r.Next("series или shunt");
    if (Is(place, "shunt"))
        e.Place = TPlace::Shunt;
    else if (!Is(place, "series"))
        r.Fail("шлейф " + Quote(place) + " не известен: пишите series или shunt");
    const std::string_view end = r.Next("short или open");
    if (Is(end, "open"))
        e.End = TStubKind::Open;
    else if (!Is(end, "short"))
        r.Fail("конец шлейфа " + Quote(end) + " не известен: пишите short или open");
    e.Value = r.Positive("длина шлейфа в λ, например 0.125", {{"λ"}}, false);
    Options(r, {"z"},
            [&](std::string_view) { e.Z0 = r.Positive("волновое сопротивление в омах", kOhms); });
    return e;
}

// ---- printing

// The shortest digits of v ≥ 0 and its decimal exponent: 1.2e-08 is "12", -8.
void ShortestDigits(double v, std::string& digits, int& exponent) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    (void)ec;
    const std::string s(buf, end);
    const std::size_t e = s.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.') digits += s[i];
    exponent = std::atoi(s.c_str() + e + 1);
}

// v·10^-p as a plain decimal from v's shortest digits (exponent form far from 1).
std::string Decimal(double v, int p = 0) {
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

// With the SI prefix that leaves 1 to 999 before the point, from p to M.
std::string Engineering(double v, const char* unit, int lowest = -12) {
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

const char* PlaceWord(TPlace p) {
    return p == TPlace::Series ? "series" : "shunt";
}

} // namespace

TChainElement ReadChainElement(std::string_view text, const std::string& where, double f0Hz) {
    TReader r(text, where);
    if (!r.More()) r.Fail("пустой элемент");
    const std::string_view kind = r.Next("");
    TChainElement e;
    if (Is(kind, "series") || Is(kind, "shunt"))
        e = ReadLumped(r, Is(kind, "series") ? TPlace::Series : TPlace::Shunt, f0Hz);
    else if (Is(kind, "line"))
        e = ReadLine(r, f0Hz);
    else if (Is(kind, "stub"))
        e = ReadStub(r);
    else if (Is(kind, "transformer")) {
        e.Kind = TChainKind::Transformer;
        e.Value = r.Positive("коэффициент трансформации n, например 2", {}, false);
        if (r.More()) r.Fail("лишнее слово " + Quote(r.Peek()));
    } else
        r.Fail("вид " + Quote(kind) +
               " не известен: пишите series, shunt, line, stub или transformer");
    return e;
}

std::vector<TChainElement> ReadChainText(std::string_view text, double f0Hz) {
    std::vector<TChainElement> elements;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view piece = text.substr(start, end - start);
        // Numbered as the answer numbers its nodes: blank pieces are no elements.
        if (!Words(piece).empty())
            elements.push_back(
                ReadChainElement(piece, "Элемент " + std::to_string(elements.size() + 1), f0Hz));
        start = end + 1;
    }
    return elements;
}

std::string ChainElementText(const TChainElement& e) {
    switch (e.Kind) {
    case TChainKind::L:
    case TChainKind::C: {
        const bool inductor = e.Kind == TChainKind::L;
        std::string s =
            std::string(PlaceWord(e.Place)) + (inductor ? " L " : " C ") +
            (e.Reactance ? "X " + Decimal(e.Value) : Engineering(e.Value, inductor ? "H" : "F"));
        return e.Q > 0 ? s + " Q " + Decimal(e.Q) : s;
    }
    case TChainKind::R:
        return std::string(PlaceWord(e.Place)) + " R " + Engineering(e.Value, "", 0);
    case TChainKind::Line: {
        std::string s = "line " + (e.Vf > 0 ? Decimal(e.Value, -3) + "mm" : Decimal(e.Value));
        if (e.Z0 > 0) s += " Z " + Decimal(e.Z0);
        if (e.Loss > 0) s += " loss " + Decimal(e.Loss);
        if (e.Vf > 0) s += " vf " + Decimal(e.Vf);
        return s;
    }
    case TChainKind::Stub:
        return std::string("stub ") + PlaceWord(e.Place) +
               (e.End == TStubKind::Short ? " short " : " open ") + Decimal(e.Value) +
               (e.Z0 > 0 ? " Z " + Decimal(e.Z0) : "");
    case TChainKind::Transformer:
        return "transformer " + Decimal(e.Value);
    }
    return "";
}

std::string ChainText(const std::vector<TChainElement>& elements) {
    std::string text;
    for (const TChainElement& e : elements)
        text += (text.empty() ? "" : "; ") + ChainElementText(e);
    return text;
}

TChainFile ReadChainFile(std::string_view text, double f0Hz) {
    TChainFile file;
    struct TLine {
        std::string_view Text;
        std::string Where;
    };
    std::vector<TLine> elements;
    std::size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        const std::string where = "Строка " + std::to_string(++number);
        line = line.substr(0, line.find('#'));
        const std::vector<std::string_view> words = Words(line);
        if (words.empty()) continue;
        if (Is(words[0], "impedance")) {
            if (file.HasImpedance) Refuse(where, "волновое сопротивление задано дважды");
            TReader r(line, where);
            r.Next("");
            file.Chain.LineOhms = r.Positive("волновое сопротивление линии в омах", kOhms);
            if (r.More()) r.Fail("лишнее слово " + Quote(r.Peek()));
            file.HasImpedance = true;
        } else if (Is(words[0], "frequency")) {
            if (file.HasFrequency) Refuse(where, "частота задана дважды");
            const std::size_t after = std::size_t(words[0].data() - line.data()) + words[0].size();
            std::string_view value = line.substr(after);
            while (!value.empty() && Words(value.substr(0, 1)).empty())
                value.remove_prefix(1);
            while (!value.empty() && Words(value.substr(value.size() - 1)).empty())
                value.remove_suffix(1);
            if (!Showable(value))
                Refuse(where, "частота " + Quote(value) +
                                  " не читается: нужно число в герцах или с единицей, "
                                  "например «433.92MHz»");
            try {
                file.Chain.F0Hz = measured::ReadFrequency(value);
            } catch (const tk::Exception& e) {
                Refuse(where, e.Message);
            }
            if (f0Hz > 0 && f0Hz != file.Chain.F0Hz)
                Refuse(where, "частота файла " + measured::FrequencyText(file.Chain.F0Hz) +
                                  " не совпадает с заданной " + measured::FrequencyText(f0Hz));
            file.HasFrequency = true;
        } else {
            elements.push_back({line, where});
        }
    }
    if (!file.HasFrequency) file.Chain.F0Hz = f0Hz;
    for (const TLine& line : elements) {
        std::size_t from = 0;
        while (from <= line.Text.size()) {
            std::size_t end = line.Text.find(';', from);
            if (end == std::string_view::npos) end = line.Text.size();
            const std::string_view piece = line.Text.substr(from, end - from);
            if (!Words(piece).empty())
                file.Chain.Elements.push_back(ReadChainElement(piece, line.Where, file.Chain.F0Hz));
            from = end + 1;
        }
    }
    return file;
}

std::string ChainFileText(const TChain& chain) {
    std::string text = "# Цепь от нагрузки к генератору: " + std::to_string(chain.Elements.size()) +
                       " элемент(ов)\nimpedance " + Decimal(chain.LineOhms) + "\n";
    if (chain.F0Hz > 0) text += "frequency " + Decimal(chain.F0Hz) + "\n";
    for (const TChainElement& e : chain.Elements)
        text += ChainElementText(e) + "\n";
    return text;
}

} // namespace theory
