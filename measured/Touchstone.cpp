// The Touchstone reader: one pass over the text, line by line (measured/TouchstoneText.h). A
// line is the option line ("# MHz S RI R 50") or a keyword of version 2 ("[Number of Ports]
// 1"), both read by measured/TouchstoneHeader.h, or a data line, whose numbers are gathered into
// points (measured/TouchstonePoints.h). This file follows the structure of each version: what
// may come where, and what a version 2 file promises and must keep.
//
// Z and Y in a version 1 file are normalised to the option line's R; version 2 gives them in
// ohms and siemens, and takes the ports' references from [Reference] when it is there.
//
// The whole reading is linear in the text, and a file holds at most a million points, so
// memory stays bounded.
#include "measured/Touchstone.h"

#include "measured/TouchstoneHeader.h"
#include "measured/TouchstonePoints.h"
#include "measured/TouchstoneText.h"

#include "toolkit/Exceptions.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

namespace measured {

namespace {

using namespace touchstone;

// A version 2 file may say it has many ports; only port 1 is read, the rest is counted.
constexpr long long kMaxPorts = 1000;
// The file read whole: a network analyser's 100 001 points of .s2p take about 15 MB.
constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

// Version 1: the option line, then the points; a .s2p's noise parameters follow its points,
// starting at a line of five numbers whose frequency is not above the last point's.
TMeasuredLoad ReadVersion1(TLines lines, int ports) {
    if (ports == 0)
        throw tk::Exception("файл .ts — файл Touchstone версии 2, а этот не начинается с "
                            "[Version] 2.0");
    if (ports != 1 && ports != 2)
        throw tk::Exception("файлы Touchstone версии 1 читаются с одним или двумя портами");
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
            const TPointLayout layout{ports == 1 ? 3u : 9u, ports, false};
            points.emplace(options, layout, options.R, options.R, true);
            continue;
        }
        if (first.front() == '[')
            Refuse(line, "ключевое слово в файле версии 1; файл версии 2 начинается с "
                         "[Version] 2.0");
        if (!points) Refuse(line, "числа до строки параметров «# GHz S MA R 50»");
        const TLineNumbers numbers = ReadLineNumbers(text, line);
        if (ports == 2 && !points->Begun() && numbers.Count == 5 && !points->Empty() &&
            numbers.First[0] * options.HzPerUnit <= points->LastHz())
            break; // the noise parameters, not wanted here
        points->Add(numbers, line);
    }
    if (!points) throw tk::Exception("в файле нет ни одной точки");
    points->End(0);
    return points->Take();
}

// Version 2: [Version] 2.0, the option line and the keywords before [Network Data], the
// points, then [Noise Data] perhaps, and [End]. What the header promised is kept to the end.
class TVersion2 {
  public:
    TMeasuredLoad Read(TLines& lines) {
        while (part_ != Ended && lines.Next()) {
            const std::size_t line = lines.Number;
            const std::string_view text = lines.Text;
            std::string_view first, rest = text;
            if (!NextWord(rest, first)) continue;
            if (const std::optional<TKeyword> keyword = KeywordOf(text, line)) {
                Keyword(*keyword, line);
                continue;
            }
            if (part_ == Information || part_ == Noise) continue;
            if (first.front() == '#') {
                if (part_ == Header && !options_.Seen)
                    options_ = ReadOptionLine(text.substr(text.find('#') + 1), line);
                continue;
            }
            if (referencesLeft_ != 0) {
                TakeReferences(text, line);
                continue;
            }
            if (part_ == Header) Refuse(line, Quote(first) + " до ключевого слова [Network Data]");
            points_->Add(ReadLineNumbers(text, line), line);
        }
        return Finish();
    }

  private:
    enum TPart { Header, Data, Noise, Information, Ended };

    void Keyword(const TKeyword& keyword, std::size_t line) {
        const std::string& name = keyword.Name;
        if (part_ == Information) {
            if (name == "END INFORMATION") part_ = resume_;
            return;
        }
        if (referencesLeft_ != 0) Refuse(referenceLine_, ReferencesWanted());
        const bool header = name == "VERSION" || name == "NUMBER OF PORTS" ||
                            name == "TWO-PORT DATA ORDER" || name == "REFERENCE" ||
                            name == "MATRIX FORMAT" || name == "MIXED-MODE ORDER" ||
                            name == "NUMBER OF FREQUENCIES" ||
                            name == "NUMBER OF NOISE FREQUENCIES" || name == "NETWORK DATA";
        if (header && part_ != Header)
            Refuse(line, "ключевое слово " + keyword.Shown + " после [Network Data]");
        if (header) {
            HeaderKeyword(keyword, line);
        } else if (name == "NOISE DATA") {
            if (part_ != Data) Refuse(line, "[Noise Data] до [Network Data]");
            points_->End(line);
            noiseSeen_ = true;
            part_ = Noise;
        } else if (name == "END") {
            if (points_) points_->End(line);
            part_ = Ended;
        } else if (name == "BEGIN INFORMATION") {
            resume_ = part_;
            part_ = Information;
        }
        // Any other keyword says nothing about port 1's load.
    }

    void HeaderKeyword(const TKeyword& keyword, std::size_t line) {
        const std::string& name = keyword.Name;
        const std::string_view args = keyword.Rest;
        const std::string& shown = keyword.Shown;
        if (name == "VERSION") {
            Refuse(line, "[Version] встречается в файле второй раз");
        } else if (name == "NUMBER OF PORTS") {
            portCount_ = Count(args, shown, line, kMaxPorts);
            portsSeen_ = true;
        } else if (name == "TWO-PORT DATA ORDER") {
            const std::string_view order = OnlyWord(args);
            if (order != "12_21" && order != "21_12")
                Refuse(line, "после [Two-Port Data Order] ожидалось 12_21 или 21_12");
        } else if (name == "REFERENCE") {
            if (!portsSeen_) Refuse(line, "[Reference] до [Number of Ports]");
            referencesLeft_ = std::size_t(portCount_);
            referenceLine_ = line;
            TakeReferences(args, line);
        } else if (name == "MATRIX FORMAT") {
            const std::string value = Upper(OnlyWord(args));
            if (value != "FULL" && value != "LOWER" && value != "UPPER")
                Refuse(line, "после [Matrix Format] ожидалось Full, Lower или Upper");
            triangular_ = value != "FULL";
        } else if (name == "MIXED-MODE ORDER") {
            Refuse(line, "смешанные (дифференциальные) параметры не читаются: нагрузка — "
                         "это параметры порта 1");
        } else if (name == "NUMBER OF FREQUENCIES") {
            frequencies_ = Count(args, shown, line, (long long)kMaxPoints);
            frequenciesLine_ = line;
        } else if (name == "NUMBER OF NOISE FREQUENCIES") {
            Count(args, shown, line, (long long)kMaxPoints);
            noiseFrequenciesLine_ = line;
        } else if (name == "NETWORK DATA") {
            BeginNetworkData(line);
        }
    }

    void BeginNetworkData(std::size_t line) {
        if (!options_.Seen) Refuse(line, "[Network Data] до строки параметров «# …»");
        if (!portsSeen_) Refuse(line, "[Network Data] до [Number of Ports]");
        // Port 1's load from Z or Y needs every other port's parameters; of a two-port they
        // are three more pairs, of more ports a matrix to invert.
        const TParameterKind& kind = KindOf(options_.Parameter);
        if (kind.NeedsAllPorts && portCount_ > 2)
            Refuse(line, std::string("параметры ") + kind.Letter +
                             " читаются у файлов с одним или двумя портами, а в этом " +
                             Counted(std::size_t(portCount_), "порт", "порта", "портов") +
                             "; нагрузку порта 1 дадут его параметры S");
        const long long pairs =
            triangular_ ? portCount_ * (portCount_ + 1) / 2 : portCount_ * portCount_;
        const TPointLayout layout{std::size_t(1 + 2 * pairs), portCount_, triangular_};
        const double r1 = referencesGiven_ > 0 ? references_[0] : options_.R;
        const double r2 = referencesGiven_ > 1 ? references_[1] : options_.R;
        points_.emplace(options_, layout, r1, r2, false);
        part_ = Data;
    }

    std::string ReferencesWanted() const {
        return "после [Reference] ожидалось " +
               Counted(std::size_t(portCount_), "сопротивление", "сопротивления", "сопротивлений") +
               ", по одному на порт";
    }

    // [Reference]'s resistances, on its own line and those after it.
    void TakeReferences(std::string_view rest, std::size_t line) {
        for (std::string_view word; NextWord(rest, word);) {
            if (referencesLeft_ == 0) Refuse(line, ReferencesWanted());
            const double r = Number(word, line);
            if (!(r > 0)) Refuse(line, "опорное сопротивление " + Quote(word) + " не положительно");
            if (referencesGiven_ < 2) references_[referencesGiven_] = r;
            ++referencesGiven_;
            --referencesLeft_;
        }
    }

    TMeasuredLoad Finish() {
        if (!points_) throw tk::Exception("в файле нет ни одной точки");
        points_->End(0);
        if (points_->Empty()) throw tk::Exception("в файле нет ни одной точки");
        if (noiseFrequenciesLine_ != 0 && !noiseSeen_)
            Refuse(noiseFrequenciesLine_,
                   "[Number of Noise Frequencies] обещает шумовые параметры, а [Noise Data] в "
                   "файле нет");
        if (frequenciesLine_ != 0 && std::size_t(frequencies_) != points_->Size())
            Refuse(frequenciesLine_,
                   "[Number of Frequencies] обещает " +
                       Counted(std::size_t(frequencies_), "точку", "точки", "точек") +
                       ", а в файле их " + std::to_string(points_->Size()));
        return points_->Take();
    }

    TOptions options_;
    long long portCount_ = 0;
    bool portsSeen_ = false;
    bool triangular_ = false;
    // [Reference]'s resistances, one a port: ports 1 and 2 are kept, the rest counted.
    double references_[2] = {};
    std::size_t referencesGiven_ = 0, referencesLeft_ = 0, referenceLine_ = 0;
    long long frequencies_ = 0;
    std::size_t frequenciesLine_ = 0, noiseFrequenciesLine_ = 0;
    bool noiseSeen_ = false;
    TPart part_ = Header, resume_ = Header;
    std::optional<TPoints> points_;
};

TMeasuredLoad ReadVersion2(TLines lines) {
    return TVersion2().Read(lines);
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
    const std::string name = Upper(path.substr(path.find_last_of("/\\") + 1));
    const int ports = name.ends_with(".S1P")   ? 1
                      : name.ends_with(".S2P") ? 2
                      : name.ends_with(".TS")  ? 0
                                               : -1;
    if (ports < 0)
        throw tk::Exception("Файл " + shown +
                            " не прочитан: читаются файлы Touchstone с расширением .s1p, .s2p "
                            "или .ts.");

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

} // namespace measured
