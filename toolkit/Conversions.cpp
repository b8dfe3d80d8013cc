// The number format: the user's decimal separator as the system keeps it, the one value the
// short conversions write with, and the float-to-int conversion the chart's pixels go through.
// StrToFloat.cpp reads numbers, FloatToStrF.cpp writes them.
#include "toolkit/Conversions.h"

#include "toolkit/Exceptions.h"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <langinfo.h>
#include <locale.h>
#endif

namespace tk {

TFormatSettings TFormatSettings::FromLocale() {
    return FromLocale("");
}

#ifdef _WIN32

// Windows keeps the separator in the user's regional settings, not in the C library's
// locale. Its locale names are written "ru-RU": the POSIX spelling "ru_RU.UTF-8" names the
// same one here, and a name Windows does not know ("C", "POSIX") gives the default.
TFormatSettings TFormatSettings::FromLocale(const char* localeName) {
    TFormatSettings settings;
    std::wstring name;
    for (const char* c = localeName; *c != '\0' && *c != '.' && *c != '@'; ++c)
        name += *c == '_' ? L'-' : static_cast<wchar_t>(static_cast<unsigned char>(*c));
    wchar_t radix[8] = {};
    const int written = GetLocaleInfoEx(name.empty() ? LOCALE_NAME_USER_DEFAULT : name.c_str(),
                                        LOCALE_SDECIMAL, radix, 8);
    // Two units: the separator and the terminating null.
    if (written == 2 && radix[0] > 0 && radix[0] < 0x80)
        settings.DecimalSeparator = static_cast<char>(radix[0]);
    return settings;
}

#else

TFormatSettings TFormatSettings::FromLocale(const char* localeName) {
    TFormatSettings settings;
    // A private locale object rather than setlocale: the process's C locale stays as it
    // was, and other threads never see it change.
    locale_t loc = newlocale(LC_NUMERIC_MASK, localeName, static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return settings;
    const char* radix = nl_langinfo_l(RADIXCHAR, loc);
    if (radix != nullptr && radix[0] != '\0' && radix[1] == '\0')
        settings.DecimalSeparator = radix[0];
    freelocale(loc);
    return settings;
}

#endif

namespace {

// The one value behind FormatSettings(); only TFormatScope writes it.
TFormatSettings& CurrentFormat() {
    static TFormatSettings settings = TFormatSettings::FromLocale();
    return settings;
}

} // namespace

const TFormatSettings& FormatSettings() {
    return CurrentFormat();
}

TFormatScope::TFormatScope(TFormatSettings settings)
    : settings_(settings), previous_(CurrentFormat()) {
    CurrentFormat() = settings_;
}

TFormatScope::~TFormatScope() {
    CurrentFormat() = previous_;
}

// ---------------------------------------------------------------------------------------
// Trunc

std::int32_t Trunc(double value) {
    // Both bounds are exact doubles; the comparison is false for NaN, so NaN lands here too
    // and the cast below only ever sees values it can represent.
    if (!(value > -2147483649.0 && value < 2147483648.0)) throw EInvalidOp();
    return static_cast<std::int32_t>(value);
}

} // namespace tk
