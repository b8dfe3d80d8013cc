#include "toolkit/CommandLine.h"

#include "toolkit/Utf8.h"

#include <algorithm>
#include <ostream>
#include <string_view>

namespace tk {
namespace {

// One of the program's own options: its names without dashes and what --help says of it. A
// new one is one more row here and one more answer in ReadCommandLine.
struct TOwnOption {
    std::string_view Short, Long;
    const char* Description;
};

// clang-format off
constexpr TOwnOption kOwnOptions[] = {
    {"h", "help",    "Показать эту справку и выйти."},
    {"v", "version", "Показать версию программы и выйти."},
};
// clang-format on

// An option found by a name typed without its dashes: the program's own (`Own`), or else the
// window system's (`System`).
struct TFound {
    const TOwnOption* Own = nullptr;
    const TWindowSystemOption* System = nullptr;
    bool TakesValue() const { return System && System->TakesValue; }
};

TFound Find(std::string_view name, const TCommandLineRules& rules) {
    for (const TOwnOption& option : kOwnOptions)
        if (name == option.Short || name == option.Long) return {&option, nullptr};
    for (const TWindowSystemOption& option : rules.WindowSystemOptions)
        if (name == option.Name) return {nullptr, &option};
    return {};
}

// An argument as a message quotes it: its bytes where they are UTF-8, U+FFFD for each
// malformed sequence, so that what is written to the terminal is always text.
std::string Shown(std::string_view argument) {
    std::string shown;
    for (std::size_t i = 0; i < argument.size();) {
        const std::size_t start = i;
        if (DecodeNext(argument, i) == kReplacement)
            shown += "\uFFFD";
        else
            shown += argument.substr(start, i - start);
    }
    return shown;
}

// "  -h, --help     Описание", the names padded to a common column, then a word on the
// window system's options and what the program adds.
std::string HelpText(const TProgramInfo& program, const TCommandLineRules& rules) {
    auto names = [](const TOwnOption& option) {
        std::string text = "-";
        text.append(option.Short).append(", --").append(option.Long);
        return text;
    };
    std::size_t width = 0;
    for (const TOwnOption& option : kOwnOptions)
        width = std::max(width, names(option).size());
    std::string text = std::string("Использование: ") + program.Name + " [параметры]\n" +
                       program.Summary + "\n\nПараметры:\n";
    for (const TOwnOption& option : kOwnOptions) {
        const std::string dashed = names(option);
        text += "  " + dashed + std::string(width - dashed.size(), ' ') + "  " +
                option.Description + "\n";
    }
    if (rules.WindowSystemHelp) text += std::string("\n") + rules.WindowSystemHelp + "\n";
    if (rules.MoreHelp) text += std::string("\n") + rules.MoreHelp;
    if (rules.Manual) text += std::string("\nПодробнее, с полями JSON: ") + rules.Manual + "\n";
    return text;
}

struct TParsed {
    std::string Error;                  // empty: every argument was understood
    std::vector<const TOwnOption*> Own; // the program's own options given
    std::vector<std::string> System;
};

TParsed Parse(std::span<char*> arguments, const TCommandLineRules& rules) {
    TParsed parsed;
    auto extra = [](std::string_view argument) {
        return "лишний аргумент «" + Shown(argument) + "»: программа не принимает аргументов";
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--") {
            if (i + 1 < arguments.size()) parsed.Error = extra(arguments[i + 1]);
            break;
        }
        if (!argument.starts_with('-') || argument == "-") {
            parsed.Error = extra(argument);
            break;
        }
        const std::string_view typed = argument.substr(0, argument.find('='));
        const std::string_view name = typed.substr(typed.starts_with("--") ? 2 : 1);
        const TFound option = Find(name, rules);
        if (!option.Own && !option.System) {
            parsed.Error = "неизвестный параметр «" + Shown(typed) + "»";
            break;
        }
        const bool inlineValue = argument.size() > typed.size();
        if (!option.TakesValue() && inlineValue) {
            parsed.Error = "параметр «" + Shown(typed) + "» не принимает значения";
            break;
        }
        if (option.Own) {
            parsed.Own.push_back(option.Own);
            continue;
        }
        parsed.System.push_back(std::string("-").append(name));
        if (!option.TakesValue()) continue;
        if (inlineValue) {
            parsed.System.emplace_back(argument.substr(typed.size() + 1));
        } else if (i + 1 < arguments.size()) {
            parsed.System.emplace_back(arguments[++i]);
        } else {
            parsed.Error = "параметру «" + Shown(typed) + "» нужно значение";
            break;
        }
    }
    return parsed;
}

bool Given(const TParsed& parsed, std::string_view name) {
    return std::any_of(parsed.Own.begin(), parsed.Own.end(),
                       [&](const TOwnOption* option) { return option->Long == name; });
}

} // namespace

TCommandLine ReadCommandLine(const TProgramInfo& program, const TCommandLineRules& rules, int argc,
                             char** argv, std::ostream& out, std::ostream& err) {
    if (argc <= 1) return {};
    const TParsed parsed = Parse(std::span(argv + 1, std::size_t(argc - 1)), rules);
    if (!parsed.Error.empty()) {
        err << program.Name << ": " << parsed.Error << "\nСправка: " << program.Name << " --help\n";
        return {2, {}};
    }
    if (Given(parsed, "help")) {
        out << HelpText(program, rules);
        return {0, {}};
    }
    if (Given(parsed, "version")) {
        out << program.Name << " " << rules.Version << "\n";
        return {0, {}};
    }
    return {std::nullopt, parsed.System};
}

} // namespace tk
