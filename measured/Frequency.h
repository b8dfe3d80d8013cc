// A frequency as typed: a number in Hz, or followed by kHz, MHz or GHz (кГц, МГц, ГГц; any
// case, a blank or none between): "2.4 GHz", "2,4ГГц", "100e6". A text that does not read,
// or a frequency that is not positive and finite, raises a toolkit exception saying so in
// Russian.
#pragma once

#include <string>
#include <string_view>

namespace measured {

double ReadFrequency(std::string_view text);

// For people: 2,4 ГГц, 433,92 МГц, 50 Гц, with the user's decimal separator.
std::string FrequencyText(double hz);

} // namespace measured
