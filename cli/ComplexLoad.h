// A complex load as a script types it: "100+50j", "100-j50", "100", "50j", "-0,5+1e3j",
// with blanks around it or not. Each part is a number StrToFloat reads with the user's
// decimal separator or with a dot, and comes back as the text the window's field would
// hold, so that the handlers read it exactly as they read what a user types. A text has
// one reading at most: the imaginary part starts at the last sign that follows neither the
// start nor an exponent's e, or, when what comes before that sign is no number, the whole
// text is the imaginary part ("j-5").
#pragma once

#include <string>
#include <string_view>

namespace cli {

struct TComplexText {
    std::string Re, Im = "0"; // "100", "-50": texts with the user's separator
    std::string Error;        // empty when accepted; otherwise why not and what to type
};

TComplexText ReadComplex(std::string_view text);

// One number typed with a dot or with the user's separator, as the user's separator writes
// it ("0.5" -> "0,5" under a comma); empty when it is not a number. A number beyond the
// range of a double ("1e400") is kept, for the window's handler to refuse in its own words.
std::string NumberText(std::string_view text);

// What to type instead of a text written with a comma where this system's separator is a
// point ("100,5+50j"): " Десятичный разделитель в этой системе — точка. Введите
// «100.5+50j».", as the window advises; "" when that would not mend it. `complex`: the
// text is to be a complex load rather than one number.
std::string SeparatorAdvice(std::string_view text, bool complex);

// A text safe to quote in a message or a JSON string, as the window's messages quote a
// field: what cannot be seen by its code («5‹U+200B›»), bytes that are no UTF-8 as
// ‹0xFF›, and what would show beyond 60 characters as "…". Without the «».
std::string Quoted(std::string_view text);

} // namespace cli
