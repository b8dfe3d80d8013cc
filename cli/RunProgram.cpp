#include "cli/RunProgram.h"

#include "cli/Picture.h"

#include "toolkit/Conversions.h"

#include <iostream>

namespace cli {

std::optional<int> AnswerIfAsked(const TProgram& program, int argc, char** argv) {
    if (!AsksForAnswers(program, argc, argv)) return std::nullopt;
    tk::FormatSettings() = tk::TFormatSettings::FromLocale();
    return Run(program, argc, argv, WritePicture, std::cin, std::cout, std::cerr);
}

} // namespace cli
