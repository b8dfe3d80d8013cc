// What a Touchstone file says before its numbers: the option line ("# MHz S RI R 50") and
// the keywords of version 2 ("[Number of Ports] 2"). Each is read from the text after its
// '#' or its line as a whole, and refused on its line when it says what cannot be read.
#pragma once

#include "measured/NetworkLoad.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace measured::touchstone {

enum class TFormat { DB, MA, RI };

struct TOptions {
    bool Seen = false;
    double HzPerUnit = 1e9;
    TParameter Parameter = TParameter::S;
    TFormat Format = TFormat::MA;
    double R = 50;
};

// "# MHz S RI R 50", its words in any order and case; what is not given keeps its default.
// `rest` is what follows the '#'.
TOptions ReadOptionLine(std::string_view rest, std::size_t line);

// A line that starts with '[': "[Number of Ports] 2".
struct TKeyword {
    std::string Name;      // as written inside the brackets, blanks squeezed, in capitals
    std::string Shown;     // as written, fit to quote
    std::string_view Rest; // what follows the ']'
};

// The line's keyword, or nothing when it does not start with '['.
std::optional<TKeyword> KeywordOf(std::string_view text, std::size_t line);

// A whole count from 1 to `most` after a keyword: "[Number of Ports] 2".
long long Count(std::string_view rest, std::string_view keyword, std::size_t line, long long most);

} // namespace measured::touchstone
