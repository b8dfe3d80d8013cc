#include "cli/Run.h"

#include "cli/ComplexLoad.h"
#include "cli/StepsText.h"

#include "toolkit/Exceptions.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string_view>

namespace cli {

namespace {

const TOption kCommon[] = {
    {"load", true, "100+50j"}, {"json", false}, {"picture", true, "chart.png"}, {"steps", false}};

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
    if (!values.count("load"))
        throw TUsageError{"не задана нагрузка: добавьте, например, «--load 100+50j»"};
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

} // namespace

bool AsksForAnswers(const TProgram& program, int argc, char** argv) {
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
    std::unique_ptr<TSession> session;
    TValues values;
    try {
        values = Read(program, argc, argv);
        session = program.Open(values);
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
        if (const TComplexText z = ReadComplex(values["load"]); !z.Error.empty()) {
            err << program.Name << ": параметр «--load»: " << z.Error
                << "\nСправка: " << program.Name << " --help\n";
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
        out << (json ? a.Json + "\n" : a.Text) << std::flush;
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
