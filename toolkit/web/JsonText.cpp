#include "toolkit/web/JsonText.h"

namespace tkweb {

std::string Quoted(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    return out + '"';
}

void JsonText::Raw(std::string_view name, std::string_view json) {
    if (text_.size() > 1) text_ += ',';
    text_ += Quoted(name);
    text_ += ':';
    text_ += json;
}

std::string List(const std::string* first, const std::string* last) {
    std::string out = "[";
    for (const std::string* i = first; i != last; ++i) {
        if (i != first) out += ',';
        out += *i;
    }
    return out + ']';
}

} // namespace tkweb
