// Reading the numbers the user typed, with messages that say which field is wrong and why.
#pragma once

#include "toolkit/Controls.h"

#include <string_view>

namespace chart {

// The field's number. A text that is not a number raises the conversion error with the
// field named as the window calls it, for example
//   Zв, активная часть: «50.5» не является числом. Десятичный разделитель в этой
//   системе — запятая. Введите «50,5».
// (the advice names the slip when the text would read with the other separator, a
// typographic minus or digits grouped by spaces, and gives an example otherwise); an empty
// field says so, and a number beyond the range of a double ("1e400") gives the limit.
double ReadNumber(const tk::TEdit& edit, std::string_view field);

// The same, stored as a float: a number beyond the float range ("1e39") is too large as
// well, and raises EOverflow with the same kind of message.
float ReadSingle(const tk::TEdit& edit, std::string_view field);

// What the windows call their fields in these messages.
namespace field {
constexpr std::string_view LoadR = "Zн, активная часть";
constexpr std::string_view LoadX = "Zн, реактивная часть";
constexpr std::string_view LineR = "Zв, активная часть";
constexpr std::string_view LineX = "Zв, реактивная часть";
} // namespace field

} // namespace chart
