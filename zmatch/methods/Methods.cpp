#include "zmatch/methods/Method.h"

#include "zmatch/methods/DoubleStub.h"
#include "zmatch/methods/QuarterWave.h"

#include "toolkit/Exceptions.h"

namespace zmatch::methods {

namespace {

TMethodOutcome NotYet(const TMethodInput&) {
    throw tk::Exception("Этот способ согласования ещё не готов.");
}

// clang-format off
constexpr TMethod kMethods[] = {
    // key              caption
    {"series-stub",     "Последовательный шлейф",          NotYet},
    {"double-stub",     "Два параллельных шлейфа",         SolveDoubleStub},
    {"quarter-wave",    "Четвертьволновый трансформатор",  SolveQuarterWave},
    {"l-section",       "Г-образное звено из L и C",       NotYet},
};
// clang-format on

} // namespace

std::span<const TMethod> Methods() {
    return kMethods;
}

} // namespace zmatch::methods
