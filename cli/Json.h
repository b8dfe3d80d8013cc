// The pieces of the --json answers: strings escaped (the text is first made well-formed by
// Quoted-like cleaning where it comes from the user), numbers in full double precision,
// and null for a value with no finite size.
#pragma once

#include <cmath>
#include <complex>
#include <cstdio>
#include <string>
#include <string_view>

namespace cli::json {

inline std::string String(std::string_view s) {
    std::string out = "\"";
    for (const char ch : s) {
        const unsigned char c = ch;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

// 17 significant digits: read back, the same double.
inline std::string Number(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

inline std::string Complex(std::complex<double> z) {
    return "{\"re\":" + Number(z.real()) + ",\"im\":" + Number(z.imag()) + "}";
}

// "\"name\":value"
inline std::string Field(std::string_view name, const std::string& value) {
    return String(name) + ":" + value;
}

} // namespace cli::json
