// Exact decimal texts of a double, and a decimal read back to the nearest double: the
// digits every number text of the toolkit is made from, the same bytes on every platform.
//
// Where the C++ library has the floating-point std::to_chars and std::from_chars they do
// the work; where it has not (Emscripten's), the C library's snprintf and strtod, which
// musl carries out exactly (correctly rounded, as to_chars and from_chars are). The C
// locale is never changed by any of our programs, so their decimal point is '.'.
//
//     FixedText(2.675, 2)        "2.67"          (the double
//     is 2.67499999999999982236431605997495353221893310546875) ScientificText(1234.5, 2) "1.23e+03"
//     (half to even on the exact value, as printf) ReadDecimal("1e-400")      {0,
//     TDecimalRead::Underflow}
#pragma once

#include <string>
#include <string_view>

namespace tk {

// printf's "%.*f": `decimals` places (0 to 100), '.' for the point, a minus for a
// negative value, zero included ("-0.00").
std::string FixedText(double value, int decimals);
// printf's "%.*e": one digit, the point and `decimals` more (0 to 100), "e", the
// exponent's sign and at least two digits ("1.50e-07").
std::string ScientificText(double value, int decimals);

struct TDecimalRead {
    // Overflow: beyond the largest double (Value is infinite). Underflow: not zero, but
    // nearer zero than the smallest denormal (Value is zero with the text's sign).
    // Invalid: the text is not a decimal as below.
    enum TOutcome { Ok, Overflow, Underflow, Invalid };
    double Value = 0;
    TOutcome Outcome = Invalid;
};

// The whole text as a decimal: an optional minus, digits with at most one '.' among them
// (at least one digit), an optional exponent (e or E, an optional sign, digits). Read to
// the nearest double, ties to even.
TDecimalRead ReadDecimal(std::string_view text);

// The same through the C library alone, whatever the C++ library has: what the functions
// above use under Emscripten. Exposed so that the two ways can be compared where both exist.
namespace through_c {
std::string FixedText(double value, int decimals);
std::string ScientificText(double value, int decimals);
TDecimalRead ReadDecimal(std::string_view text);
} // namespace through_c

} // namespace tk
