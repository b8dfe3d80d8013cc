// The words and numbers of a chain's text (ChainText.h): a word quoted in a refusal, a
// keyword in any case, the blanks between words, and a number with its SI prefix and unit,
// read and written so that what is printed reads back to the same bits.
//
// Numbers are read correctly rounded and written in their shortest digits that read back
// (toolkit/DecimalText.h, the same bytes on every platform), an SI prefix folded into the
// decimal exponent both ways: «12n» is 12e-9 rounded once, and 1.2e-08 H prints as «12nH».
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace theory::chainwords {

// A toolkit exception «where: what».
[[noreturn]] void Refuse(const std::string& where, const std::string& what);

// A word as a message may quote it: well-formed UTF-8 without control characters (others
// as «?»), at most 40 characters; «word».
std::string Shown(std::string_view word);
std::string Quote(std::string_view word);
// Whether a message may carry the text as it is.
bool Showable(std::string_view text);

// Whether `word` is `keyword` (lower case), in any case: «Series» is «series».
bool Is(std::string_view word, std::string_view keyword);
// The words between blanks.
std::vector<std::string_view> Words(std::string_view text);

// A unit a value may carry, and the decimal exponent it adds (a line's mm: -3 to metres).
struct TUnit {
    std::string_view Text;
    int Exponent = 0;
};
using TUnits = std::initializer_list<TUnit>;
inline const TUnits kOhms = {{"Ω"}, {"Ohm"}, {"ohm"}, {"Ом"}};

// The words of one element, read in order; a refusal names the element by `where`.
class TReader {
  public:
    TReader(std::string_view text, const std::string& where) : words_(Words(text)), where_(where) {}

    bool More() const { return at_ < words_.size(); }
    std::string_view Peek() const { return More() ? words_[at_] : std::string_view(); }
    // The next word; none left: a refusal that says `wanted` is missing.
    std::string_view Next(const std::string& wanted);
    [[noreturn]] void Fail(const std::string& what) const { Refuse(where_, what); }

    // A number with an optional suffix from `units`, with an SI prefix where `prefixes`
    // (joined to it or the next word); `unit`: the unit it carried, or "". Negative or out
    // of range: a refusal that says `wanted`.
    double Quantity(const std::string& wanted, TUnits units, bool prefixes = true,
                    std::string_view* unit = nullptr);
    // The same, and not 0.
    double Positive(const std::string& wanted, TUnits units = {}, bool prefixes = true);
    std::string_view Last() const { return last_; }

  private:
    std::vector<std::string_view> words_;
    std::size_t at_ = 0;
    std::string where_;
    std::string_view last_;
};

// v·10^-p as a plain decimal from v's shortest digits (exponent form far from 1).
std::string Decimal(double v, int p = 0);
// With the SI prefix that leaves 1 to 999 before the point, from 10^lowest to M.
std::string Engineering(double v, const char* unit, int lowest = -12);

} // namespace theory::chainwords
