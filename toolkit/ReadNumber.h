// Reading the numbers the user typed, with messages that say which field is wrong and why.
#pragma once

#include "toolkit/Controls.h"

#include <string>
#include <string_view>
#include <vector>

namespace tk {

// The field's number. A text that is not a number raises the conversion error with the
// field named as the window calls it, for example
//   Zв, активная часть: «50.5» не является числом. Десятичный разделитель в этой
//   системе — запятая. Введите «50,5».
// (the advice names the slip when the text would read with the other separator, a
// typographic minus or digits grouped by spaces, names an invisible character the field
// holds, and gives an example otherwise); an empty
// field says so, and a number beyond the range of a double ("1e400") gives the limit.
double ReadNumber(const tk::TEdit& edit, std::string_view field);

// The same, stored as a float: a number beyond the float range ("1e39") is too large as
// well, and raises EOverflow with the same kind of message.
float ReadSingle(const tk::TEdit& edit, std::string_view field);

// Both: the number as typed, and the float the chart stores.
struct TStoredNumber {
    double Typed = 0;
    float Stored = 0;
};
TStoredNumber ReadStored(const tk::TEdit& edit, std::string_view field);

// A field's text as the messages quote it, between «», with what cannot be seen shown by
// its code: "5" and a zero-width space read «5‹U+200B›», so a field that looks right says
// what else it holds; bytes that are no UTF-8 read ‹0xFF›. Visible is the text without the
// invisible characters, for the advice of what to type.
struct TShownText {
    std::string Quoted;
    std::string Visible;
    std::vector<char32_t> Invisible; // each invisible character once, in the order met
};
TShownText ShowText(std::string_view text);

} // namespace tk
