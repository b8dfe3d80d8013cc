#include "cli/Run.h"

#include "cli/AnswerParts.h"
#include "cli/ComplexLoad.h"
#include "cli/ExerciseCommand.h"
#include "cli/Json.h"
#include "cli/StepsText.h"

#include "chart/ExactText.h"
#include "chart/FieldNames.h"
#include "measured/Frequency.h"
#include "measured/Touchstone.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string_view>
#include <vector>

namespace cli {

namespace {

const TOption kCommon[] = {
    {"load", true, "100+50j"},        {"json", false},
    {"picture", true, "chart.png"},   {"touchstone", true, "antenna.s1p"},
    {"frequency", true, "433.92MHz"}, {"steps", false},
};

const TOption* Find(const TProgram& program, std::string_view name) {
    for (const TOption& o : kCommon)
        if (o.Name == name) return &o;
    for (const TOption& o : program.Options)
        if (o.Name == name) return &o;
    return nullptr;
}

std::string_view NameOf(std::string_view argument) {
    argument.remove_prefix(argument.starts_with("--") ? 2 : argument.starts_with("-") ? 1 : 0);
    return argument.substr(0, argument.find('='));
}

TValues Read(const TProgram& program, int argc, char** argv) {
    TValues values;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const std::string_view name = NameOf(argument);
        const TOption* option = argument.starts_with("-") ? Find(program, name) : nullptr;
        if (!option) throw TUsageError{"неизвестный параметр «" + Quoted(argument) + "»"};
        const std::string dashed = "--" + std::string(name);
        if (values.count(std::string(name)))
            throw TUsageError{"параметр «" + dashed + "» задан дважды: оставьте одно значение"};
        const std::size_t eq = argument.find('=');
        std::string value;
        if (!option->TakesValue) {
            if (eq != std::string_view::npos)
                throw TUsageError{"параметр «" + dashed +
                                  "» не принимает значения: напишите просто «" + dashed + "»"};
        } else if (eq != std::string_view::npos) {
            value = argument.substr(eq + 1);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            throw TUsageError{"параметру «" + dashed + "» нужно значение, например «" + dashed +
                              " " + option->Example + "»"};
        }
        values[std::string(name)] = value;
    }
    if (values.count("touchstone")) {
        if (values.count("load"))
            throw TUsageError{"нагрузка задаётся либо «--load», либо «--touchstone»: оставьте "
                              "одно из них"};
        if (!values.count("frequency"))
            throw TUsageError{"с «--touchstone» нужна частота, на которой взять нагрузку из "
                              "файла, например «--frequency 433.92MHz»"};
        return values;
    }
    if (!values.count("load"))
        throw TUsageError{"не задана нагрузка: добавьте, например, «--load 100+50j» или "
                          "«--touchstone antenna.s1p --frequency 433.92MHz»"};
    if (values["load"] == "-" && values.count("picture"))
        throw TUsageError{"рисунок пишется для одной нагрузки, а не для «--load -»: задайте "
                          "нагрузку или уберите «--picture»"};
    return values;
}

std::string OneLine(const std::string& text) {
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view piece(text.data() + start, end - start);
        while (!piece.empty() && piece.front() == ' ')
            piece.remove_prefix(1);
        if (!piece.empty()) line += (line.empty() ? "" : "; ") + std::string(piece);
        start = end + 1;
    }
    return line;
}

// The load of the file at the frequency asked for; a file that cannot be read, or a
// frequency outside its band, is a bad option.
TFileLoad ReadFileLoad(const TValues& values) {
    TFileLoad f;
    f.Path = values.at("touchstone");
    try {
        f.Hz = measured::ReadFrequency(values.at("frequency"));
    } catch (const tk::Exception& e) {
        throw TUsageError{"параметр «--frequency»: " + e.Message};
    }
    try {
        f.Measured = measured::ReadTouchstoneFile(f.Path);
        f.At = measured::LoadAt(f.Measured, f.Hz);
    } catch (const tk::Exception& e) {
        throw TUsageError{"параметр «--touchstone»: " + e.Message};
    }
    return f;
}

// The load as --load would give it, every bit kept: "40.5-12.25j".
std::string LoadText(theory::TComplex ohms) {
    const std::string im = json::Number(ohms.imag());
    return json::Number(ohms.real()) + (im.starts_with("-") ? "" : "+") + im + "j";
}

// The frequencies of the file's points without a load (open circuits).
std::vector<double> OpenPoints(const measured::TMeasuredLoad& load) {
    std::vector<double> hz;
    for (const measured::TMeasuredPoint& p : load.Points)
        if (!p.Ohms) hz.push_back(p.Hz);
    return hz;
}

// «Не используется точка файла с холостым ходом: 0 Гц.», the first few named.
std::string OpenPointsLine(const std::vector<double>& hz) {
    constexpr std::size_t kNamed = 5;
    if (hz.empty()) return "";
    std::string named;
    for (std::size_t i = 0; i < hz.size() && i < kNamed; ++i)
        named += (i ? ", " : "") + measured::FrequencyText(hz[i]);
    if (hz.size() > kNamed) named += " и ещё " + std::to_string(hz.size() - kNamed);
    return (hz.size() == 1 ? "Не используется точка" : "Не используются точки") +
           std::string(" файла с холостым ходом: ") + named + ".\n";
}

// What the answer says of the file's load before the window's results.
std::string FileLoadLine(const TFileLoad& f) {
    return "Нагрузка из файла «" + Quoted(f.Path) + "» на частоте " +
           measured::FrequencyText(f.Hz) + ": Zн = " + chart::ExactComplex(f.At.Ohms) + " Ом" +
           (f.At.Interpolated ? " (между точками измерения, интерполировано)" : "") + "\n" +
           OpenPointsLine(OpenPoints(f.Measured));
}

std::string FileLoadField(const TFileLoad& f) {
    std::string open;
    for (double hz : OpenPoints(f.Measured))
        open += (open.empty() ? "" : ",") + json::Number(hz);
    return json::Field("touchstone",
                       "{" + json::Field("file", json::String(Quoted(f.Path))) + "," +
                           json::Field("frequency", json::Number(f.Hz)) + "," +
                           json::Field("ohms", json::Complex(f.At.Ohms)) + "," +
                           json::Field("interpolated", f.At.Interpolated ? "true" : "false") + "," +
                           json::Field("open", "[" + open + "]") + "}");
}

} // namespace

bool AsksForAnswers(const TProgram& program, int argc, char** argv) {
    if (AsksForExercises(argc, argv)) return true;
    bool asks = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!argument.starts_with("-")) continue;
        const std::string_view name = NameOf(argument);
        // --help and --version are answered as always, whatever else is given.
        if (name == "h" || name == "help" || name == "v" || name == "version") return false;
        if (Find(program, name)) asks = true;
    }
    return asks;
}

int Run(const TProgram& program, int argc, char** argv, const TWritePicture& writePicture,
        std::istream& in, std::ostream& out, std::ostream& err) {
    if (AsksForExercises(argc, argv)) return RunExercises(program.Name, argc, argv, out, err);
    std::unique_ptr<TSession> session;
    TValues values;
    std::unique_ptr<TFileLoad> file;
    try {
        values = Read(program, argc, argv);
        if (values.count("touchstone")) {
            file = std::make_unique<TFileLoad>(ReadFileLoad(values));
            values["load"] = LoadText(file->At.Ohms);
        }
        session = program.Open(values, file.get());
    } catch (const TUsageError& e) {
        err << program.Name << ": " << e.Message << "\nСправка: " << program.Name << " --help\n";
        return 2;
    }
    const bool json = values.count("json") > 0;
    const auto answer = [&](const std::string& load) {
        TAnswer a = session->Answer(load);
        return values.count("steps") ? WithSteps(std::move(a), session->Steps()) : a;
    };
    if (values["load"] != "-") {
        const TComplexText z = ReadComplex(values["load"]);
        try {
            if (!z.Error.empty()) throw TUsageError{"параметр «--load»: " + z.Error};
            if (!file) FitsTheChart("load", z, chart::field::LoadR, chart::field::LoadX);
        } catch (const TUsageError& e) {
            err << program.Name << ": " << e.Message << "\nСправка: " << program.Name
                << " --help\n";
            return 2;
        }
        const TAnswer a = answer(values["load"]);
        if (a.Refused) {
            err << a.Message << "\n";
            return 1;
        }
        if (values.count("picture")) {
            try {
                writePicture(session->Picture(), values["picture"],
                             std::string(program.Name) + " — " + session->PictureTitle());
            } catch (const tk::Exception& e) {
                err << e.Message << "\n";
                return 1;
            }
        }
        if (file) {
            // The file's load first: what was taken from where, and whether between points.
            out << (json ? "{" + FileLoadField(*file) + "," + a.Json.substr(1) + "\n"
                         : FileLoadLine(*file) + a.Text)
                << std::flush;
        } else {
            out << (json ? a.Json + "\n" : a.Text) << std::flush;
        }
        return 0;
    }
    // One line out for each line in, whole, in order.
    int status = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const TAnswer a = answer(line);
        if (a.Refused) status = 1;
        out << (json ? a.Json
                     : Quoted(line) + "\t" + (a.Refused ? "ошибка: " + a.Message : OneLine(a.Text)))
            << "\n";
    }
    out << std::flush;
    return status;
}

} // namespace cli
