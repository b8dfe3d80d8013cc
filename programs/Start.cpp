#include "programs/Start.h"

#include "toolkit/Conversions.h"

#include <iostream>

namespace programs {

const char* Version() {
    return ZCHART_VERSION;
}

std::optional<int> AnswerIfAsked(const cli::TProgram& program,
                                 const cli::TWritePicture& writePicture, int argc, char** argv) {
    if (!cli::AsksForAnswers(program, argc, argv)) return std::nullopt;
    const tk::TFormatScope format(tk::TFormatSettings::FromLocale());
    return cli::Run(program, argc, argv, writePicture, std::cin, std::cout, std::cerr);
}

} // namespace programs
