#include "toolkit/qt/CommandLine.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <span>

namespace tkqt {
namespace {

enum class Owner { Program, Qt };

// One option: its names without dashes, whether a value follows it, and, for the
// program's own, what --help says of it.
struct Option {
    QStringList Names;
    bool TakesValue;
    Owner By;
    QString Description;
};

// The program's own options first, then the ones QGuiApplication, QApplication and the X11
// platform read, which reach Qt as "-name value" whichever way they were written. A new
// option of the program's own is one more row here and one more answer in ReadCommandLine.
// clang-format off
const Option kOptions[] = {
    {{"h", "help"},    false, Owner::Program, QStringLiteral("Показать эту справку и выйти.")},
    {{"v", "version"}, false, Owner::Program, QStringLiteral("Показать версию программы и выйти.")},
    {{"platform"},           true,  Owner::Qt, {}},
    {{"platformpluginpath"}, true,  Owner::Qt, {}},
    {{"platformtheme"},      true,  Owner::Qt, {}},
    {{"plugin"},             true,  Owner::Qt, {}},
    {{"qwindowgeometry"},    true,  Owner::Qt, {}},
    {{"qwindowicon"},        true,  Owner::Qt, {}},
    {{"qwindowtitle"},       true,  Owner::Qt, {}},
    {{"session"},            true,  Owner::Qt, {}},
    {{"style"},              true,  Owner::Qt, {}},
    {{"stylesheet"},         true,  Owner::Qt, {}},
    {{"display"},            true,  Owner::Qt, {}},
    {{"geometry"},           true,  Owner::Qt, {}},
    {{"title"},              true,  Owner::Qt, {}},
    {{"icon"},               true,  Owner::Qt, {}},
    {{"name"},               true,  Owner::Qt, {}},
    {{"visual"},             true,  Owner::Qt, {}},
    {{"reverse"},            false, Owner::Qt, {}},
    {{"widgetcount"},        false, Owner::Qt, {}},
    {{"nograb"},             false, Owner::Qt, {}},
    {{"dograb"},             false, Owner::Qt, {}},
    {{"sync"},               false, Owner::Qt, {}},
};
// clang-format on

const Option* Find(const QString& name) {
    for (const Option& option : kOptions)
        if (option.Names.contains(name)) return &option;
    return nullptr;
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

QString Dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// "  -h, --help     Описание", the names padded to a common column as Qt's own
// QCommandLineParser pads them, then a word on Qt's options.
QString HelpText(const ProgramInfo& program) {
    QStringList names;
    QStringList descriptions;
    qsizetype width = 0;
    for (const Option& option : kOptions) {
        if (option.By != Owner::Program) continue;
        QStringList dashed;
        for (const QString& name : option.Names)
            dashed << Dashed(name);
        names << dashed.join(QStringLiteral(", "));
        descriptions << option.Description;
        width = std::max(width, names.back().size());
    }
    QString text = QStringLiteral("Использование: %1 [параметры]\n%2\n\nПараметры:\n")
                       .arg(QString::fromUtf8(program.Name), QString::fromUtf8(program.Summary));
    for (qsizetype i = 0; i < names.size(); ++i)
        text += QStringLiteral("  ") + names[i].leftJustified(width) + QStringLiteral("  ") +
                descriptions[i] + QLatin1Char('\n');
    text += QStringLiteral("\nПринимаются и стандартные параметры Qt: -style, -platform, -display, "
                           "-reverse и другие.\n");
    if (program.MoreHelp) text += QLatin1Char('\n') + QString::fromUtf8(program.MoreHelp);
    return text;
}

struct Parsed {
    QString Error;       // empty: every argument was understood
    QStringList Program; // the program's own options given, by their first name
    std::vector<std::string> Qt;
};

Parsed Parse(std::span<char*> arguments) {
    Parsed parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const QString argument = QString::fromLocal8Bit(arguments[i]);
        if (argument == QLatin1String("--")) {
            if (i + 1 < arguments.size())
                parsed.Error = QStringLiteral("лишний аргумент «%1»: программа не принимает "
                                              "аргументов")
                                   .arg(QString::fromLocal8Bit(arguments[i + 1]));
            break;
        }
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            parsed.Error = QStringLiteral("лишний аргумент «%1»: программа не принимает аргументов")
                               .arg(argument);
            break;
        }
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        const QString name = typed.mid(typed.startsWith(QLatin1String("--")) ? 2 : 1);
        const Option* option = Find(name);
        if (!option) {
            parsed.Error = QStringLiteral("неизвестный параметр «%1»").arg(typed);
            break;
        }
        const bool inlineValue = argument.size() > typed.size();
        if (!option->TakesValue && inlineValue) {
            parsed.Error = QStringLiteral("параметр «%1» не принимает значения").arg(typed);
            break;
        }
        if (option->By == Owner::Program) {
            parsed.Program << option->Names.front();
            continue;
        }
        parsed.Qt.push_back("-" + name.toStdString());
        if (!option->TakesValue) continue;
        if (inlineValue) {
            parsed.Qt.push_back(argument.mid(typed.size() + 1).toLocal8Bit().toStdString());
        } else if (i + 1 < arguments.size()) {
            parsed.Qt.emplace_back(arguments[++i]);
        } else {
            parsed.Error = QStringLiteral("параметру «%1» нужно значение").arg(typed);
            break;
        }
    }
    return parsed;
}

} // namespace

CommandLine ReadCommandLine(const ProgramInfo& program, int argc, char** argv) {
    if (argc <= 1) return {};
    const Parsed parsed = Parse(std::span(argv + 1, std::size_t(argc - 1)));
    const QString name = QString::fromUtf8(program.Name);
    if (!parsed.Error.isEmpty()) {
        Print(stderr, QStringLiteral("%1: %2\nСправка: %1 --help\n").arg(name, parsed.Error));
        return {2, {}};
    }
    if (parsed.Program.contains(QLatin1String("h"))) {
        Print(stdout, HelpText(program));
        return {0, {}};
    }
    if (parsed.Program.contains(QLatin1String("v"))) {
        Print(stdout, QStringLiteral("%1 %2\n").arg(name, QStringLiteral(ZCHART_VERSION)));
        return {0, {}};
    }
    return {std::nullopt, parsed.Qt};
}

} // namespace tkqt
