#include "cli/ExerciseCommand.h"

#include "cli/ComplexLoad.h"
#include "cli/ExerciseFiles.h"
#include "cli/ExerciseJson.h"
#include "cli/Run.h"

#include "exercises/Check.h"
#include "exercises/Exercise.h"
#include "measured/Frequency.h"
#include "toolkit/DecimalText.h"
#include "toolkit/Exceptions.h"

#include <cmath>
#include <ostream>
#include <string_view>

namespace cli {

namespace {

struct TExerciseOption {
    const char* Name;
    bool TakesValue;
    const char* Example;
};

constexpr TExerciseOption kOptions[] = {
    {"exercises", true, "30"},
    {"check", false, ""},
    {"seed", true, "ИВТ-21"},
    {"kind", true, "stub-short"},
    {"spacing", true, "0.125"},
    {"frequency", true, "500MHz"},
    {"radius-mm", true, "80"},
    {"worksheets", true, "worksheets.pdf"},
    {"key", true, "key.pdf"},
    {"moodle", true, "quiz.xml"},
    {"json", false, ""},
    {"variant", true, "3"},
    {"answers", true, "\"d=0.198 l=0.126\""},
};

std::string_view NameOf(std::string_view argument) {
    argument.remove_prefix(argument.starts_with("--") ? 2 : argument.starts_with("-") ? 1 : 0);
    return argument.substr(0, argument.find('='));
}

const TExerciseOption* Find(std::string_view name) {
    for (const TExerciseOption& o : kOptions)
        if (name == o.Name) return &o;
    return nullptr;
}

TValues ReadOptions(int argc, char** argv) {
    TValues values;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const TExerciseOption* o = argument.starts_with("-") ? Find(NameOf(argument)) : nullptr;
        if (!o) throw TUsageError{"параметр «" + Quoted(argument) + "» не относится к заданиям"};
        const std::string name(NameOf(argument)), dashed = "--" + name;
        if (values.count(name))
            throw TUsageError{"параметр «" + dashed + "» задан дважды: оставьте одно значение"};
        const std::size_t eq = argument.find('=');
        if (!o->TakesValue) {
            if (eq != std::string_view::npos)
                throw TUsageError{"параметр «" + dashed + "» не принимает значения"};
            values[name] = "";
        } else if (eq != std::string_view::npos) {
            values[name] = std::string(argument.substr(eq + 1));
        } else if (i + 1 < argc) {
            values[name] = argv[++i];
        } else {
            throw TUsageError{"параметру «" + dashed + "» нужно значение, например «" + dashed +
                              " " + o->Example + "»"};
        }
    }
    return values;
}

double NumberOf(const TValues& values, const std::string& name, double fallback) {
    const auto given = values.find(name);
    if (given == values.end()) return fallback;
    std::string text = given->second;
    for (char& c : text)
        if (c == ',') c = '.';
    const tk::TDecimalRead r = tk::ReadDecimal(text);
    if (r.Outcome != tk::TDecimalRead::Ok || !std::isfinite(r.Value))
        throw TUsageError{"параметр «--" + name + "»: «" + Quoted(given->second) +
                          "» не является числом"};
    return r.Value;
}

int WholeOf(const TValues& values, const std::string& name) {
    const double v = NumberOf(values, name, 0);
    if (v != std::floor(v) || std::fabs(v) > 1e6)
        throw TUsageError{"параметр «--" + name + "»: нужно целое число, а задано «" +
                          Quoted(values.at(name)) + "»"};
    return int(v);
}

std::string KindList(const std::vector<exercises::TKind>& kinds) {
    std::string list;
    for (std::size_t i = 0; i < kinds.size(); ++i)
        list += (i == 0                  ? ""
                 : i + 1 == kinds.size() ? " или "
                                         : ", ") +
                std::string(exercises::KindKey(kinds[i]));
    return list;
}

exercises::TKind KindOption(const char* program, const TValues& values) {
    const std::vector<exercises::TKind> kinds = exercises::KindsOf(program);
    const auto given = values.find("kind");
    if (given == values.end())
        throw TUsageError{"не задан вид задач: добавьте «--kind», например «--kind " +
                          std::string(exercises::KindKey(kinds[0])) + "»"};
    const std::optional<exercises::TKind> kind = exercises::KindOfKey(given->second);
    for (const exercises::TKind k : kinds)
        if (kind == k) return k;
    throw TUsageError{"параметр «--kind»: «" + Quoted(given->second) + "» не подходит " + program +
                      ". Введите " + KindList(kinds) + "."};
}

exercises::TAsk AskOf(const char* program, const TValues& values, int count) {
    exercises::TAsk ask;
    const auto group = values.find("seed");
    if (group == values.end() || group->second.empty())
        throw TUsageError{"не задана группа: добавьте «--seed», например «--seed ИВТ-21»"};
    ask.Group = group->second;
    ask.Kind = KindOption(program, values);
    ask.Count = count;
    ask.Spacing = NumberOf(values, "spacing", ask.Spacing);
    ask.RadiusMm = NumberOf(values, "radius-mm", ask.RadiusMm);
    if (const auto f = values.find("frequency"); f != values.end()) try {
            ask.Hz = measured::ReadFrequency(f->second);
        } catch (const tk::Exception& e) {
            throw TUsageError{"параметр «--frequency»: " + e.Message};
        }
    if (values.count("spacing") && ask.Kind != exercises::TKind::DoubleStub)
        throw TUsageError{"«--spacing» нужен только задачам double-stub: уберите его"};
    if (values.count("frequency") && ask.Kind != exercises::TKind::LSection)
        throw TUsageError{"«--frequency» нужна только задачам l-section: уберите её"};
    return ask;
}

void Refuse(const TValues& values, std::initializer_list<const char*> names, const char* why) {
    for (const char* name : names)
        if (values.count(name))
            throw TUsageError{std::string("«--") + name + "» " + why + ": уберите «--" + name +
                              "»"};
}

int Check(const char* program, const TValues& values, std::ostream& out) {
    Refuse(values, {"exercises", "worksheets", "key", "moodle"}, "не нужен для проверки");
    if (!values.count("variant"))
        throw TUsageError{"не задан вариант: добавьте, например, «--variant 3»"};
    if (!values.count("answers"))
        throw TUsageError{"не заданы ответы: добавьте, например, «--answers \"d=0.198 l=0.126\"»"};
    const int number = WholeOf(values, "variant");
    if (number < 1 || number > exercises::kMostVariants)
        throw TUsageError{"параметр «--variant»: варианты нумеруются от 1 до " +
                          std::to_string(exercises::kMostVariants)};
    const exercises::TExerciseSet set = exercises::MakeExercises(AskOf(program, values, number));
    const std::vector<exercises::TVerdict> verdicts =
        exercises::CheckAnswers(set, number, exercises::ReadAnswers(values.at("answers")));
    const exercises::TVariant& v = set.Variants.back();
    out << (values.count("json") ? VerdictsJson(verdicts) + "\n" : VerdictsText(set, v, verdicts))
        << std::flush;
    return 0;
}

int Exercises(const char* program, const TValues& values, std::ostream& out, std::ostream& err) {
    Refuse(values, {"variant", "answers"}, "нужен для проверки «--check»");
    const int count = WholeOf(values, "exercises");
    const exercises::TExerciseSet set = exercises::MakeExercises(AskOf(program, values, count));
    try {
        WriteExerciseFiles(set, values);
    } catch (const tk::Exception& e) {
        err << program << ": " << e.Message << "\n";
        return 1;
    }
    out << (values.count("json") ? ExercisesJson(set) + "\n" : ExercisesText(set)) << std::flush;
    return 0;
}

} // namespace

bool AsksForExercises(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!argument.starts_with("-")) continue;
        const std::string_view name = NameOf(argument);
        if (name == "h" || name == "help" || name == "v" || name == "version") return false;
        if (name == "exercises" || name == "check") return true;
    }
    return false;
}

int RunExercises(const char* program, int argc, char** argv, std::ostream& out, std::ostream& err) {
    try {
        const TValues values = ReadOptions(argc, argv);
        if (values.count("check") && values.count("exercises"))
            throw TUsageError{"«--exercises» составляет задания, «--check» проверяет ответы: "
                              "оставьте одно"};
        return values.count("check") ? Check(program, values, out)
                                     : Exercises(program, values, out, err);
    } catch (const TUsageError& e) {
        err << program << ": " << e.Message << "\nСправка: " << program << " --help\n";
    } catch (const exercises::TExerciseError& e) {
        err << program << ": " << e.Message << "\nСправка: " << program << " --help\n";
    }
    return 2;
}

} // namespace cli
