// What the windows call their number fields in the messages that refuse them
// (tk::ReadNumber's `field`): «Zв, активная часть: поле пустое, введите число.»
#pragma once

#include <string_view>

namespace chart::field {

constexpr std::string_view LoadR = "Zн, активная часть";
constexpr std::string_view LoadX = "Zн, реактивная часть";
constexpr std::string_view LineR = "Zв, активная часть";
constexpr std::string_view LineX = "Zв, реактивная часть";

} // namespace chart::field
