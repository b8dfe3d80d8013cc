#include "programs/Start.h"

#include "cli/Picture.h"

#include "toolkit/Conversions.h"

#include <iostream>

namespace programs {

const char* Version() {
    return ZCHART_VERSION;
}

std::optional<int> AnswerIfAsked(const cli::TProgram& program, int argc, char** argv) {
    if (!cli::AsksForAnswers(program, argc, argv)) return std::nullopt;
    tk::FormatSettings() = tk::TFormatSettings::FromLocale();
    return cli::Run(program, argc, argv, cli::WritePicture, std::cin, std::cout, std::cerr);
}

} // namespace programs
