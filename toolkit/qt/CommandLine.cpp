#include "toolkit/qt/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace tkqt {
namespace {

// The parser's own help and version options describe themselves in English, so the two
// are ordinary options here with Russian descriptions, and the help text is put together
// below in the parser's layout.
struct Option {
    QStringList Names;
    QString Description;
};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

// "  -h, --help     Описание", the names padded to a common column as Qt pads them.
QString HelpText(const ProgramInfo& program, const Option (&options)[2]) {
    QStringList names;
    qsizetype width = 0;
    for (const Option& option : options) {
        QStringList dashed;
        for (const QString& name : option.Names)
            dashed << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        names << dashed.join(QStringLiteral(", "));
        width = std::max(width, names.back().size());
    }
    QString text = QStringLiteral("Использование: %1 [параметры]\n%2\n\nПараметры:\n")
                       .arg(QString::fromUtf8(program.Name), QString::fromUtf8(program.Summary));
    for (qsizetype i = 0; i < names.size(); ++i)
        text += QStringLiteral("  ") + names[i].leftJustified(width) + QStringLiteral("  ") +
                options[i].Description + QLatin1Char('\n');
    return text;
}

// An unknown option as the user typed it ("-x", "--bogus", "-platform"): the parser
// reports it without its dashes.
QString AsTyped(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--")) break;
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        const qsizetype dashes = typed.startsWith(QLatin1String("--")) ? 2 : 1;
        if (typed.startsWith(QLatin1Char('-')) && typed.mid(dashes) == name) return typed;
    }
    return QStringLiteral("--") + name;
}

} // namespace

std::optional<int> HandleCommandLine(const ProgramInfo& program, int argc, char** argv) {
    if (argc <= 1) return std::nullopt;
    const Option options[] = {
        {{QStringLiteral("h"), QStringLiteral("help")},
         QStringLiteral("Показать эту справку и выйти.")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         QStringLiteral("Показать версию программы и выйти.")},
    };
    QCommandLineParser parser;
    // "-platform" is one unknown option, as typed, not the letters p, l, a...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(options[0].Names, options[0].Description);
    const QCommandLineOption version(options[1].Names, options[1].Description);
    parser.addOption(help);
    parser.addOption(version);

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString name = QString::fromUtf8(program.Name);

    QString error;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            error = QStringLiteral("неизвестный параметр «%1»")
                        .arg(AsTyped(arguments, unknown.front()));
        } else {
            error = QStringLiteral("у параметров --help и --version не бывает значений");
        }
    } else if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("лишний аргумент «%1»: программа открывает окно и файлов не "
                               "читает")
                    .arg(parser.positionalArguments().front());
    }
    if (!error.isEmpty()) {
        Print(stderr, QStringLiteral("%1: %2\nСправка: %1 --help\n").arg(name, error));
        return 2;
    }

    if (parser.isSet(help)) {
        Print(stdout, HelpText(program, options));
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("%1 %2\n").arg(name, QStringLiteral(ZCHART_VERSION)));
        return 0;
    }
    return std::nullopt; // only "--", which ends the options and leaves nothing after it
}

} // namespace tkqt
