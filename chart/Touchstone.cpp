// The Touchstone reader: one pass over the text, line by line, each line's comment cut off at
// its '!' and the rest split at blanks. A line is the option line ("# MHz S RI R 50"), a
// keyword of version 2 ("[Number of Ports] 1") or numbers. Version 1 keeps each point on its
// own line (3 numbers in .s1p, 9 in .s2p); version 2 lets a point run over any number of
// lines, so its numbers are counted across lines until the point is whole.
//
// Z and Y in a version 1 file are normalised to the option line's R; version 2 gives them in
// ohms and siemens, and takes port 1's reference from [Reference] when it is there.
//
// Every number is read with the file's '.' whatever the user's locale; the whole reading is
// linear in the text, and a file holds at most kMaxPoints points, so memory stays bounded.
#include "chart/Touchstone.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Utf8.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>
#include <system_error>

namespace chart {

namespace {

// Far more than a network analyser measures (100 001 points at most), far less than would
// strain memory (24 bytes a point).
constexpr std::size_t kMaxPoints = 1'000'000;
// A version 2 file may say it has many ports; only port 1 is read, the rest is counted.
constexpr long long kMaxPorts = 1000;
// The file read whole: a network analyser's 100 001 points of .s2p take about 15 MB.
constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

enum class TParameter { S, Y, Z };
enum class TFormat { DB, MA, RI };

[[noreturn]] void Refuse(std::size_t line, const std::string& what) {
    throw tk::Exception("строка " + std::to_string(line) + ": " + what);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// A text from the file (or its name) fit to quote: malformed UTF-8 and control characters
// as '?', cut after `limit` characters with "…".
std::string Shown(std::string_view text, std::size_t limit = 24) {
    std::string out;
    std::size_t i = 0;
    for (std::size_t count = 0; i < text.size() && count < limit; ++count) {
        const char32_t c = tk::DecodeNext(text, i);
        AppendUtf8(out, c < 0x20 || c == 0x7F || c == tk::kReplacement ? U'?' : c);
    }
    if (i < text.size()) out += "…";
    return out;
}

std::string Quote(std::string_view text) {
    return "«" + Shown(text) + "»";
}

// "1 число", "3 числа", "9 чисел": the count with its noun's three forms.
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

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// Takes the next word, split at blanks, off the front of `rest`; false when none is left.
// Words are taken one at a time, so a line of a million of them costs no memory.
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

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The one word of `rest`; "" when it has none or more than one.
std::string_view OnlyWord(std::string_view rest) {
    std::string_view word, more;
    if (!NextWord(rest, word) || NextWord(rest, more)) return {};
    return word;
}

// The text's lines one at a time, each without its comment, numbered from 1.
class TLines {
  public:
    explicit TLines(std::string_view text) : Rest(text) {}

    bool Next() {
        if (Done) return false;
        const std::size_t end = Rest.find('\n');
        Text = Rest.substr(0, end);
        Text = Text.substr(0, Text.find('!'));
        Done = end == std::string_view::npos;
        Rest.remove_prefix(Done ? Rest.size() : end + 1);
        ++Number;
        return true;
    }

    std::string_view Text;
    std::size_t Number = 0;

  private:
    std::string_view Rest;
    bool Done = false;
};

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

// A whole count after a keyword: "[Number of Ports] 2".
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

struct TOptions {
    bool Seen = false;
    double HzPerUnit = 1e9;
    TParameter Parameter = TParameter::S;
    TFormat Format = TFormat::MA;
    double R = 50;
};

// "# MHz S RI R 50", its words in any order and case; what is not given keeps its default.
// A reference per port after R ("R 50 75", as some writers put it) is taken, port 1's first.
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
        } else if (word == "S" || word == "Y" || word == "Z") {
            once(parameter, "вид параметров указан");
            options.Parameter = word == "S"   ? TParameter::S
                                : word == "Y" ? TParameter::Y
                                              : TParameter::Z;
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
            for (std::string_view after = rest; NextWord(after, value) && MaybeNumber(value);)
                rest = after;
        } else {
            Refuse(line, "неизвестное обозначение " + Quote(written) +
                             " в строке параметров; в ней бывают единица частоты (Hz, kHz, "
                             "MHz, GHz), параметры (S, Y, Z), формат (DB, MA, RI) и R с "
                             "опорным сопротивлением");
        }
    }
    return options;
}

// A line that starts with '[': "[Number of Ports] 2".
struct TKeyword {
    std::string Name;      // as written inside the brackets, blanks squeezed, in capitals
    std::string Shown;     // as written, fit to quote
    std::string_view Rest; // what follows the ']'
};

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

// What the numbers of one point make: its frequency and its first parameter, N11.
class TPoints {
  public:
    TPoints(const TOptions& options, double referenceOhms, int version)
        : Options(options), ReferenceOhms(referenceOhms), Version(version) {}

    void Add(const double (&numbers)[3], std::string_view frequencyWord, std::size_t line) {
        const double hz = numbers[0] * Options.HzPerUnit;
        if (!(numbers[0] >= 0)) Refuse(line, "частота " + Quote(frequencyWord) + " отрицательна");
        if (!std::isfinite(hz)) Refuse(line, "частота " + Quote(frequencyWord) + " слишком велика");
        if (!Load.Points.empty() && !(hz > Load.Points.back().Hz))
            Refuse(line, "частота " + Quote(frequencyWord) +
                             " не больше предыдущей: частоты в файле должны возрастать");
        if (Load.Points.size() == kMaxPoints)
            Refuse(line, "в файле больше " + std::to_string(kMaxPoints) + " точек");
        Load.Points.push_back({hz, Impedance(numbers[1], numbers[2], line)});
    }

    bool Empty() const { return Load.Points.empty(); }
    double LastHz() const { return Load.Points.back().Hz; }
    std::size_t Size() const { return Load.Points.size(); }

    TMeasuredLoad Take() {
        Load.ReferenceOhms = ReferenceOhms;
        return std::move(Load);
    }

  private:
    TComplex Impedance(double a, double b, std::size_t line) const {
        TComplex n;
        if (Options.Format == TFormat::RI) {
            n = {a, b};
        } else {
            const double magnitude = Options.Format == TFormat::DB ? std::pow(10.0, a / 20) : a;
            const double radians = b * (std::numbers::pi / 180);
            n = {magnitude * std::cos(radians), magnitude * std::sin(radians)};
        }
        const double r = ReferenceOhms;
        const bool normalised = Version == 1;
        TComplex z;
        bool open = false;
        switch (Options.Parameter) {
        case TParameter::S:
            open = n == TComplex(1);
            if (!open) z = r * (1.0 + n) / (1.0 - n);
            break;
        case TParameter::Z:
            z = normalised ? r * n : n;
            break;
        case TParameter::Y:
            open = n == TComplex(0);
            if (!open) z = (normalised ? r : 1.0) / n;
            break;
        }
        if (open) Refuse(line, "нагрузка в этой точке — холостой ход, её сопротивление бесконечно");
        if (!std::isfinite(z.real()) || !std::isfinite(z.imag()))
            Refuse(line, "сопротивление нагрузки в этой точке слишком велико по модулю");
        return z;
    }

    TOptions Options;
    double ReferenceOhms;
    int Version;
    TMeasuredLoad Load;
};

// Version 1: the option line, then one point a line; a .s2p's noise parameters follow its
// points, starting at a line whose frequency is not above the last point's.
TMeasuredLoad ReadVersion1(TLines lines, int ports) {
    if (ports != 1 && ports != 2)
        throw tk::Exception("файлы Touchstone версии 1 читаются с одним или двумя портами");
    const std::size_t perPoint = ports == 1 ? 3 : 9;
    TOptions options;
    std::optional<TPoints> points;
    while (lines.Next()) {
        const std::size_t line = lines.Number;
        const std::string_view text = lines.Text;
        std::string_view rest = text, first;
        if (!NextWord(rest, first)) continue;
        if (first.front() == '#') {
            if (options.Seen) continue; // only the first option line counts
            options = ReadOptionLine(text.substr(text.find('#') + 1), line);
            points.emplace(options, options.R, 1);
            continue;
        }
        if (first.front() == '[')
            Refuse(line, "ключевое слово в файле версии 1; файл версии 2 начинается с "
                         "[Version] 2.0");
        if (!points) Refuse(line, "числа до строки параметров «# GHz S MA R 50»");
        double numbers[3] = {};
        std::size_t count = 0;
        rest = text;
        for (std::string_view word; NextWord(rest, word); ++count) {
            const double value = Number(word, line);
            if (count < 3) numbers[count] = value;
        }
        if (ports == 2 && count == 5 && !points->Empty() &&
            numbers[0] * options.HzPerUnit <= points->LastHz())
            break; // the noise parameters, not wanted here
        if (count != perPoint)
            Refuse(line, "ожидалось " + Numbers(perPoint) + ", найдено " + std::to_string(count));
        points->Add(numbers, first, line);
    }
    if (!points || points->Empty()) throw tk::Exception("в файле нет ни одной точки");
    return points->Take();
}

// Version 2: [Version] 2.0, the option line and the keywords before [Network Data], the
// points, then [Noise Data] perhaps, and [End].
TMeasuredLoad ReadVersion2(TLines lines) {
    TOptions options;
    long long portCount = 0;
    bool portsSeen = false;
    bool triangular = false;
    std::optional<double> reference;
    std::size_t referencesLeft = 0, referenceLine = 0;
    long long frequencies = 0;
    std::size_t frequenciesLine = 0;
    enum { Header, Data, Noise, Information, Ended } part = Header;
    std::optional<TPoints> points;
    // The point being gathered: how many of its numbers are in, the first three, the line
    // where it began and its frequency's word.
    std::size_t perPoint = 0, have = 0, pointLine = 0;
    double numbers[3] = {};
    std::string_view frequencyWord;

    const auto referencesWanted = [&] {
        return "после [Reference] ожидалось " +
               Counted(std::size_t(portCount), "сопротивление", "сопротивления", "сопротивлений") +
               ", по одному на порт";
    };
    // [Reference]'s resistances, one a port, on its own line and those after it.
    const auto takeReferences = [&](std::string_view rest, std::size_t line) {
        for (std::string_view word; NextWord(rest, word);) {
            if (referencesLeft == 0) Refuse(line, referencesWanted());
            const double r = Number(word, line);
            if (!(r > 0)) Refuse(line, "опорное сопротивление " + Quote(word) + " не положительно");
            if (!reference) reference = r;
            --referencesLeft;
        }
    };
    const auto pointWhole = [&](std::size_t line) {
        if (have != 0)
            Refuse(pointLine, "ожидалось " + Numbers(perPoint) + ", найдено " +
                                  std::to_string(have) +
                                  (line ? " до строки " + std::to_string(line) : std::string()));
    };

    while (part != Ended && lines.Next()) {
        const std::size_t line = lines.Number;
        const std::string_view text = lines.Text;
        std::string_view first, rest = text;
        if (!NextWord(rest, first)) continue;
        if (const std::optional<TKeyword> keyword = KeywordOf(text, line)) {
            const std::string& name = keyword->Name;
            const std::string_view rest = keyword->Rest;
            const std::string& shown = keyword->Shown;
            if (part == Information) {
                if (name == "END INFORMATION") part = Header;
                continue;
            }
            if (referencesLeft != 0) Refuse(referenceLine, referencesWanted());
            const bool header = name == "VERSION" || name == "NUMBER OF PORTS" ||
                                name == "TWO-PORT DATA ORDER" || name == "REFERENCE" ||
                                name == "MATRIX FORMAT" || name == "MIXED-MODE ORDER" ||
                                name == "NUMBER OF FREQUENCIES" ||
                                name == "NUMBER OF NOISE FREQUENCIES" || name == "NETWORK DATA";
            if (header && part != Header)
                Refuse(line, "ключевое слово " + shown + " после [Network Data]");
            if (name == "VERSION") {
                Refuse(line, "[Version] встречается в файле второй раз");
            } else if (name == "NUMBER OF PORTS") {
                portCount = Count(rest, shown, line, kMaxPorts);
                portsSeen = true;
            } else if (name == "TWO-PORT DATA ORDER") {
                const std::string_view order = OnlyWord(rest);
                if (order != "12_21" && order != "21_12")
                    Refuse(line, "после [Two-Port Data Order] ожидалось 12_21 или 21_12");
            } else if (name == "REFERENCE") {
                if (!portsSeen) Refuse(line, "[Reference] до [Number of Ports]");
                referencesLeft = std::size_t(portCount);
                referenceLine = line;
                takeReferences(rest, line);
            } else if (name == "MATRIX FORMAT") {
                const std::string value = Upper(OnlyWord(rest));
                if (value != "FULL" && value != "LOWER" && value != "UPPER")
                    Refuse(line, "после [Matrix Format] ожидалось Full, Lower или Upper");
                triangular = value != "FULL";
            } else if (name == "MIXED-MODE ORDER") {
                Refuse(line, "смешанные (дифференциальные) параметры не читаются: нагрузка — "
                             "это параметры порта 1");
            } else if (name == "NUMBER OF FREQUENCIES") {
                frequencies = Count(rest, shown, line, (long long)kMaxPoints);
                frequenciesLine = line;
            } else if (name == "NETWORK DATA") {
                if (!options.Seen) Refuse(line, "[Network Data] до строки параметров «# …»");
                if (!portsSeen) Refuse(line, "[Network Data] до [Number of Ports]");
                const long long pairs =
                    triangular ? portCount * (portCount + 1) / 2 : portCount * portCount;
                perPoint = std::size_t(1 + 2 * pairs);
                points.emplace(options, reference.value_or(options.R), 2);
                part = Data;
            } else if (name == "NOISE DATA") {
                if (part != Data) Refuse(line, "[Noise Data] до [Network Data]");
                pointWhole(line);
                part = Noise;
            } else if (name == "END") {
                pointWhole(line);
                part = Ended;
            } else if (name == "BEGIN INFORMATION") {
                part = Information;
            }
            // Any other keyword says nothing about port 1's load.
            continue;
        }
        if (part == Information || part == Noise) continue;
        if (first.front() == '#') {
            if (part == Header && !options.Seen)
                options = ReadOptionLine(text.substr(text.find('#') + 1), line);
            continue;
        }
        if (referencesLeft != 0) {
            takeReferences(text, line);
            continue;
        }
        if (part == Header) Refuse(line, Quote(first) + " до ключевого слова [Network Data]");
        rest = text;
        for (std::string_view word; NextWord(rest, word);) {
            const double value = Number(word, line);
            if (have == 0) {
                pointLine = line;
                frequencyWord = word;
            }
            if (have < 3) numbers[have] = value;
            if (++have == perPoint) {
                points->Add(numbers, frequencyWord, pointLine);
                have = 0;
            }
        }
    }
    pointWhole(0);
    if (!points || points->Empty()) throw tk::Exception("в файле нет ни одной точки");
    if (frequenciesLine != 0 && std::size_t(frequencies) != points->Size())
        Refuse(frequenciesLine, "[Number of Frequencies] обещает " +
                                    Counted(std::size_t(frequencies), "точку", "точки", "точек") +
                                    ", а в файле их " + std::to_string(points->Size()));
    return points->Take();
}

} // namespace

TMeasuredLoad ReadTouchstone(std::string_view text, int ports) {
    // A file of version 2 says so on its first line that is not blank.
    TLines lines(text);
    while (lines.Next()) {
        std::string_view rest = lines.Text, first;
        if (!NextWord(rest, first)) continue;
        const std::optional<TKeyword> keyword = KeywordOf(lines.Text, lines.Number);
        if (!keyword || keyword->Name != "VERSION") return ReadVersion1(TLines(text), ports);
        const std::string_view version = OnlyWord(keyword->Rest);
        if (version != "2.0" && version != "2.1")
            Refuse(lines.Number, "после [Version] ожидалось 2.0 или 2.1");
        return ReadVersion2(lines);
    }
    throw tk::Exception("в файле нет ни одной точки");
}

TMeasuredLoad ReadTouchstoneFile(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string shown = "«" + Shown(path, 200) + "»";
    std::string name = path.substr(path.find_last_of("/\\") + 1);
    const std::string ending = name.size() >= 4 ? Upper(name.substr(name.size() - 4)) : "";
    if (ending != ".S1P" && ending != ".S2P")
        throw tk::Exception("Файл " + shown +
                            " не прочитан: читаются файлы Touchstone с расширением .s1p "
                            "или .s2p.");
    const int ports = ending == ".S1P" ? 1 : 2;

    const auto cannotOpen = [&](const char* why) -> tk::Exception {
        return tk::Exception("Не удалось открыть файл " + shown + ": " + why + ".");
    };
    fs::path file;
    try {
        file = fs::path(std::u8string(path.begin(), path.end()));
    } catch (const std::exception&) {
        throw cannotOpen("такого имени файла не бывает");
    }
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (!fs::exists(status)) throw cannotOpen("такого файла нет");
    if (fs::is_directory(status)) throw cannotOpen("это папка, а не файл");
    const std::uintmax_t size = fs::file_size(file, error);
    if (!error && size > kMaxFileBytes)
        throw cannotOpen("он больше 64 МБ, а измерение одной нагрузки много меньше");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw cannotOpen("нет доступа к нему");
    std::string text;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, std::size_t(in.gcount()));
        if (text.size() > kMaxFileBytes)
            throw cannotOpen("он больше 64 МБ, а измерение одной нагрузки много меньше");
    }
    if (in.bad()) throw cannotOpen("чтение не удалось");
    try {
        return ReadTouchstone(text, ports);
    } catch (const tk::Exception& e) {
        throw tk::Exception("Не удалось прочитать файл " + shown + ": " + e.Message + ".");
    }
}

} // namespace chart
