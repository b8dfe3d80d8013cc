#include "measured/TouchstoneText.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Utf8.h"

namespace measured::touchstone {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

void Refuse(std::size_t line, const std::string& what) {
    throw tk::Exception("строка " + std::to_string(line) + ": " + what);
}

std::string Shown(std::string_view text, std::size_t limit) {
    std::string out;
    std::size_t i = 0;
    for (std::size_t count = 0; i < text.size() && count < limit; ++count) {
        const char32_t c = tk::DecodeNext(text, i);
        tk::AppendUtf8(out, c < 0x20 || c == 0x7F || c == tk::kReplacement ? U'?' : c);
    }
    if (i < text.size()) out += "…";
    return out;
}

std::string Quote(std::string_view text) {
    return "«" + Shown(text) + "»";
}

std::string Counted(std::size_t n, const char* one, const char* few, const char* many) {
    const std::size_t last = n % 10, lastTwo = n % 100;
    const bool teens = lastTwo >= 11 && lastTwo <= 14;
    return std::to_string(n) + " " +
           (last == 1 && !teens                ? one
            : last >= 2 && last <= 4 && !teens ? few
                                               : many);
}

std::string Numbers(std::size_t n) {
    return Counted(n, "число", "числа", "чисел");
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return out;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool NextWord(std::string_view& rest, std::string_view& word) {
    std::size_t start = 0;
    while (start < rest.size() && IsBlank(rest[start]))
        ++start;
    std::size_t end = start;
    while (end < rest.size() && !IsBlank(rest[end]))
        ++end;
    word = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return !word.empty();
}

std::string_view OnlyWord(std::string_view rest) {
    std::string_view word, more;
    if (!NextWord(rest, word) || NextWord(rest, more)) return {};
    return word;
}

std::optional<double> MaybeNumber(std::string_view word) {
    try {
        return tk::StrToFloat(word, tk::TFormatSettings{'.'});
    } catch (const tk::EConvertError&) {
        return std::nullopt;
    }
}

double Number(std::string_view word, std::size_t line) {
    try {
        return tk::StrToFloat(word, tk::TFormatSettings{'.'});
    } catch (const tk::ENumberTooLarge&) {
        Refuse(line, "число " + Quote(word) + " слишком велико по модулю");
    } catch (const tk::EConvertError&) {
        Refuse(line, Quote(word) + " не является числом");
    }
}

TLines::TLines(std::string_view text) : Rest(text) {
    if (Rest.starts_with(kByteOrderMark)) Rest.remove_prefix(kByteOrderMark.size());
}

bool TLines::Next() {
    if (Done) return false;
    const std::size_t end = Rest.find_first_of("\r\n");
    Text = Rest.substr(0, end);
    Text = Text.substr(0, Text.find('!'));
    Done = end == std::string_view::npos;
    const bool crLf = !Done && Rest[end] == '\r' && end + 1 < Rest.size() && Rest[end + 1] == '\n';
    Rest.remove_prefix(Done ? Rest.size() : end + (crLf ? 2 : 1));
    ++Number;
    return true;
}

} // namespace measured::touchstone
