#include "measured/TouchstoneHeader.h"

#include "measured/TouchstoneText.h"

namespace measured::touchstone {

TOptions ReadOptionLine(std::string_view rest, std::size_t line) {
    TOptions options;
    options.Seen = true;
    bool unit = false, parameter = false, format = false, reference = false;
    const auto once = [line](bool& seen, const char* what) {
        if (seen) Refuse(line, std::string(what) + " дважды в строке параметров");
        seen = true;
    };
    for (std::string_view written; NextWord(rest, written);) {
        const std::string word = Upper(written);
        if (word == "HZ" || word == "KHZ" || word == "MHZ" || word == "GHZ") {
            once(unit, "единица частоты указана");
            options.HzPerUnit = word == "HZ" ? 1 : word == "KHZ" ? 1e3 : word == "MHZ" ? 1e6 : 1e9;
        } else if (const TParameterKind* kind = KindNamed(word)) {
            once(parameter, "вид параметров указан");
            options.Parameter = kind->Parameter;
        } else if (word == "H" || word == "G") {
            Refuse(line, "параметры " + word +
                             " не описывают нагрузку; читаются файлы с параметрами S, Y и Z");
        } else if (word == "DB" || word == "MA" || word == "RI") {
            once(format, "формат чисел указан");
            options.Format = word == "DB" ? TFormat::DB : word == "MA" ? TFormat::MA : TFormat::RI;
        } else if (word == "R") {
            once(reference, "опорное сопротивление указано");
            std::string_view value;
            if (!NextWord(rest, value))
                Refuse(line, "после R в строке параметров нет опорного сопротивления");
            options.R = Number(value, line);
            if (!(options.R > 0))
                Refuse(line, "опорное сопротивление " + Quote(value) + " не положительно");
            // "R 50 75": which port each number would be for is a guess; a reference a port
            // is what [Reference] of version 2 gives.
            std::string_view after = rest, more;
            if (NextWord(after, more) && MaybeNumber(more))
                Refuse(line, "после R " + Shown(value) + " в строке параметров лишнее число " +
                                 Quote(more) + ": опорное сопротивление одно на все порты");
        } else {
            Refuse(line, "неизвестное обозначение " + Quote(written) +
                             " в строке параметров; в ней бывают единица частоты (Hz, kHz, "
                             "MHz, GHz), параметры (S, Y, Z), формат (DB, MA, RI) и R с "
                             "опорным сопротивлением");
        }
    }
    return options;
}

std::optional<TKeyword> KeywordOf(std::string_view text, std::size_t line) {
    const std::size_t open = text.find_first_not_of(" \t\r\v\f");
    if (open == std::string_view::npos || text[open] != '[') return std::nullopt;
    const std::size_t close = text.find(']', open);
    if (close == std::string_view::npos)
        Refuse(line, "у ключевого слова нет закрывающей скобки «]»");
    std::string_view inside = text.substr(open + 1, close - open - 1);
    TKeyword keyword{"", "[" + Shown(inside) + "]", text.substr(close + 1)};
    for (std::string_view word; NextWord(inside, word);) {
        if (!keyword.Name.empty()) keyword.Name += ' ';
        keyword.Name += Upper(word);
    }
    return keyword;
}

long long Count(std::string_view rest, std::string_view keyword, std::size_t line, long long most) {
    const std::string_view word = OnlyWord(rest);
    const auto refuse = [&] {
        Refuse(line, "после " + std::string(keyword) + " ожидалось целое число от 1 до " +
                         std::to_string(most) + ", найдено " + Quote(Trimmed(rest)));
    };
    long long n = 0;
    for (char c : word) {
        if (c < '0' || c > '9' || n > most) refuse();
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > most) refuse();
    return n;
}

} // namespace measured::touchstone
