#include "zmatch/methods/Method.h"

#include "zmatch/methods/DoubleStub.h"
#include "zmatch/methods/LSection.h"
#include "zmatch/methods/LoadLimits.h"
#include "zmatch/methods/QuarterWave.h"
#include "zmatch/methods/SeriesStub.h"

namespace zmatch::methods {

namespace {

using enum TOptionKind;

// clang-format off
constexpr TMethod kMethods[] = {
    // key              caption
    {"series-stub",     "Последовательный шлейф",          SolveSeriesStub,  SeriesStubExact,
     Stub | Wavelength},
    {"double-stub",     "Два параллельных шлейфа",         SolveDoubleStub,  DoubleStubExact,
     Stub | FirstStub | Spacing | Wavelength},
    {"quarter-wave",    "Четвертьволновый трансформатор",  SolveQuarterWave, QuarterWaveExact,
     Only(Wavelength), true},
    {"l-section",       "Г-образное звено из L и C",       SolveLSection,    LSectionExact,
     Only(Frequency)},
};
// clang-format on

} // namespace

std::span<const TMethod> Methods() {
    return kMethods;
}

} // namespace zmatch::methods
