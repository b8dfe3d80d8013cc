#include "programs/windows/ConsoleProgram.h"

#include "programs/windows/ConsoleStreams.h"
#include "programs/windows/WindowProgram.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/win32/Arguments.h"

#include <exception>
#include <iostream>

namespace console {

namespace {

// --picture FILE.png|FILE.pdf.
void WritePicture(const tk::TCanvas&, const std::string& path, const std::string&) {
    throw tk::Exception("Не удалось сохранить рисунок в файл «" + path + "»");
}

int Answer(const cli::TProgram& answers, tkwin::TArguments& args) {
    if (cli::AsksForAnswers(answers, args.Count(), args.Values())) {
        tk::FormatSettings() = tk::TFormatSettings::FromLocale();
        return cli::Run(answers, args.Count(), args.Values(), WritePicture, std::cin, std::cout,
                        std::cerr);
    }
    StartWindowProgram();
    return 0;
}

} // namespace

int RunConsoleProgram(const cli::TProgram& answers) {
    const TConsoleStreams streams;
    tkwin::TArguments args = tkwin::TArguments::OfProcess();
    try {
        return Answer(answers, args);
    } catch (const tk::Exception& e) {
        std::cerr << answers.Name << ": " << e.Message << "\n";
    } catch (const std::exception& e) {
        std::cerr << answers.Name << ": " << tk::InternalError(e.what()) << "\n";
    }
    return 1;
}

} // namespace console
