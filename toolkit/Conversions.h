// Number <-> text conversions as the user's locale writes numbers, and the one safe
// float-to-int conversion.
//
// Nothing here depends on the C library's current locale: a GUI toolkit may call
// setlocale(LC_ALL, "") behind our back, and the texts must still come out with the
// separator held in TFormatSettings and nothing else.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tk {

struct TFormatSettings {
    // One byte; must not be a digit, a sign, a blank or the letter E, or numbers would
    // read ambiguously.
    char DecimalSeparator = '.';

    // The separator of the user's LC_NUMERIC locale (LC_ALL, LC_NUMERIC, LANG), found
    // without touching the process's current locale. '.' when the locale is not
    // installed or writes its separator with more than one byte.
    static TFormatSettings FromLocale();
    // The same for a named locale ("" means the user's); lets tests pin the lookup.
    static TFormatSettings FromLocale(const char* localeName);
};

// The number format the conversions without a settings argument use: the newest
// TFormatScope's, or the user's locale's while none is open. Read-only: the programs set it
// in one place, their application object (TApplication's format), so that the designed
// windows' short calls, FloatToStrF(v, 4, 2), write with the application's separator.
const TFormatSettings& FormatSettings();

// Makes `settings` the format of FormatSettings() for its lifetime and puts the one before
// back when it ends. It is still one value for the whole process, not for a thread: the
// application object holds the programs' scope (the command line's answers and the tests
// open their own), and scopes end in the reverse order they were opened.
//
//     const tk::TFormatScope comma(tk::TFormatSettings{','});
//     tk::FloatToStrF(0.5, 4, 2); // "0,50"
class TFormatScope {
  public:
    explicit TFormatScope(TFormatSettings settings);
    ~TFormatScope();
    TFormatScope(const TFormatScope&) = delete;
    TFormatScope& operator=(const TFormatScope&) = delete;

    const TFormatSettings& Settings() const { return settings_; }

  private:
    TFormatSettings settings_;
    TFormatSettings previous_;
};

// Accepts: spaces, an optional sign, digits with at most one settings' separator (digits
// may be missing on either side of it, not on both), an optional exponent (E or e, an
// optional sign, at least one digit), spaces. The result is the double nearest to the
// decimal value. A value too small for a double gives 0 with the text's sign, like the
// hardware's underflow; denormals are kept.
// Anything else raises EConvertError with the message: «<text as typed>» не является
// числом; a well-formed value beyond the range of a double raises ENumberTooLarge (an
// EConvertError) with: число «<text as typed>» слишком велико по модулю.
double StrToFloat(std::string_view text);
double StrToFloat(std::string_view text, const TFormatSettings& settings);

// Fixed format. The value's 18-significant-digit decimal expansion is rounded once, half
// away from zero, to min(precision significant digits, digits decimals) and written with
// exactly `digits` decimals and the settings' separator (none when digits is 0); a minus
// only when the written number is not zero.
// When the rounded integer part needs more than `precision` digits: exponent form, one
// digit, the separator and the other significant digits without trailing zeros, "E", a
// minus for a negative exponent, the exponent padded with zeros to `digits` places when
// digits <= 4 (123456.789 at 4, 2 gives 1,235E05).
// NaN gives "NAN", infinities "INF" and "-INF". precision is clamped to 1..18, digits to
// 0..18.
std::string FloatToStrF(double value, int precision, int digits);
std::string FloatToStrF(double value, int precision, int digits, const TFormatSettings& settings);

// Toward zero; NaN, infinities and values outside the 32-bit range (not strictly between
// -2147483649 and 2147483648) raise EInvalidOp.
std::int32_t Trunc(double value);

} // namespace tk
