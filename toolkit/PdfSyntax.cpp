// The spelling of PDF's values (PdfSyntax.h).
#include "toolkit/PdfSyntax.h"

#include "toolkit/DecimalText.h"
#include "toolkit/Utf8.h"

namespace tk::pdf {

// A number as PDF writes it: at most `decimals` places, no trailing zeros ("12.5", "-3", "0").
void PutNumber(std::string& out, double value, int decimals) {
    const std::string fixed = FixedText(value, decimals);
    std::string_view text(fixed);
    if (text.find('.') != std::string_view::npos) {
        while (text.back() == '0')
            text.remove_suffix(1);
        if (text.back() == '.') text.remove_suffix(1);
    }
    if (text.empty() || text == "-0") text = "0";
    out += text;
}

void PutHex(std::string& out, std::uint32_t value, int digits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kHex[(value >> shift) & 15];
}

void PutUtf16(std::string& out, char32_t cp) {
    if (cp < 0x10000) return PutHex(out, cp, 4);
    cp -= 0x10000;
    PutHex(out, 0xD800 + (cp >> 10), 4);
    PutHex(out, 0xDC00 + (cp & 0x3FF), 4);
}

std::string TextString(std::string_view utf8) {
    std::string out = "<FEFF";
    for (std::size_t i = 0; i < utf8.size();)
        PutUtf16(out, DecodeNext(utf8, i));
    return out + ">";
}

} // namespace tk::pdf
