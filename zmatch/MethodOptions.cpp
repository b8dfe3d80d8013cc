#include "zmatch/MethodOptions.h"

#include "zmatch/StubMatch.h"
#include "zmatch/methods/DoubleStub.h"
#include "zmatch/methods/LSection.h"

#include "measured/Frequency.h"
#include "toolkit/Conversions.h"
#include "toolkit/ReadNumber.h"

#include <stdexcept>

namespace zmatch {

std::string SpacingMessage(double spacing) {
    return "Расстояние между шлейфами должно отстоять от целого числа полуволн (0, λ/2, λ …) "
           "не меньше чем на " +
           tk::FloatToStrF(methods::kClosestSpacing, 4, 2) +
           " λ: ближе второй шлейф стоит почти там же, где первый, и шлейфам нужны проводимости "
           "около 2/sin(2πs), десятки и больше, — диаграмма их не разрешает, а построенные "
           "длины не дают. Ближайшее расстояние, которое подходит: " +
           tk::FloatToStrF(methods::NearestResolvableSpacing(spacing), 15, 2) + " λ.";
}
const char* const kFirstStubMessage =
    "Расстояние от нагрузки до первого шлейфа не может быть отрицательным: введите 0 (шлейф у "
    "самой нагрузки) или больше.";
const char* const kStubDistanceRangeMessage =
    "Расстояния до первого шлейфа и между шлейфами не должны превышать 10^6 λ: на линии без "
    "потерь решает только их остаток от целого числа полуволн, а у больших чисел его точно не "
    "сосчитать.";

namespace {

using methods::TMethodOptions;
using methods::TOptionKind;

// Up to 10^6 λ what is left of a half wavelength is known to a billionth of one.
constexpr double kLongest = 1e6;

double ReadFirstStub(const tk::TEdit& field) {
    const double d = tk::ReadNumber(field, "Первый шлейф от нагрузки");
    if (!(d >= 0)) throw tk::Exception(kFirstStubMessage);
    if (d > kLongest) throw tk::Exception(kStubDistanceRangeMessage);
    return d;
}

double ReadSpacing(const tk::TEdit& field) {
    const double s = tk::ReadNumber(field, "Между шлейфами");
    if (s > kLongest) throw tk::Exception(kStubDistanceRangeMessage);
    if (!methods::ResolvableSpacing(s)) throw tk::Exception(SpacingMessage(s));
    return s;
}

// Empty: no frequency, the L-section in reactances and susceptances.
double ReadFrequency(const tk::TEdit& field) {
    if (field.Text.find_first_not_of(' ') == std::string::npos) return 0;
    const double hz = measured::ReadFrequency(field.Text);
    if (!methods::LSectionFrequencyInRange(hz))
        throw tk::Exception(methods::kLSectionFrequencyMessage);
    return hz;
}

// clang-format off
constexpr TOptionChoice kStubs[] = {
    {"short", "Коротко замкнутый", "ShortStubButton",
     [](TMethodOptions& o) { o.Stub = theory::TStubKind::Short; }},
    {"open",  "Разомкнутый",       "OpenStubButton",
     [](TMethodOptions& o) { o.Stub = theory::TStubKind::Open; }},
};

constexpr TOptionPreset kSpacings[] = {
    {"λ/8",  "SpacingEighthButton",      0.125},
    {"λ/4",  "SpacingQuarterButton",     0.25},
    {"3λ/8", "SpacingThreeEighthsButton", 0.375},
};

constexpr TOptionDesc kKinds[] = {
    {.Kind = TOptionKind::Wavelength, .Flag = "wavelength", .JsonKey = "wavelength",
     .Default = "1", .Number = true,
     .Read = ReadWavelength, .Value = &TMethodOptions::Wavelength,
     .Unread = "задаёт единицу длин, а у Г-образного звена длин нет"},
    {.Kind = TOptionKind::Stub, .Flag = "stub", .JsonKey = "stub",
     .Caption = "Тип шлейфа", .Name = "StubBox",
     .Default = "short", .Choices = kStubs,
     .Unread = "выбирает шлейф, а у этого способа шлейфов нет"},
    {.Kind = TOptionKind::FirstStub, .Flag = "first-stub",
     .Caption = "Первый шлейф от нагрузки, λ", .Name = "FirstStubEdit", .LabelName = "FirstStubLabel",
     .Hint = "Расстояние от нагрузки до первого шлейфа в длинах волн: 0 — шлейф у нагрузки.",
     .Default = "0", .Number = true,
     .Read = ReadFirstStub, .Value = &TMethodOptions::FirstStub,
     .Unread = "задаёт место первого из двух шлейфов (--method double-stub)",
     .WithoutMethod = "параметр двух шлейфов: добавьте «--method double-stub»"},
    {.Kind = TOptionKind::Spacing, .Flag = "spacing",
     .Caption = "Между шлейфами, λ", .Name = "SpacingEdit", .LabelName = "SpacingLabel",
     .Hint = "Расстояние между шлейфами в длинах волн: λ/8 = 0,125, λ/4 = 0,25, 3λ/8 = 0,375.",
     .Default = "0.125", .Number = true, .Presets = kSpacings,
     .Read = ReadSpacing, .Value = &TMethodOptions::Spacing,
     .Unread = "задаёт расстояние между двумя шлейфами (--method double-stub)",
     .WithoutMethod = "параметр двух шлейфов: добавьте «--method double-stub»"},
    {.Kind = TOptionKind::Frequency, .Flag = "frequency",
     .Caption = "Частота (для L и C)", .Name = "FrequencyEdit", .LabelName = "FrequencyLabel",
     .Hint = "Частота, на которой нужны L и C: 433,92 МГц, 2,4 ГГц. Пусто: реактивные "
             "сопротивления и проводимости.",
     .Default = "",
     .Read = ReadFrequency, .Value = &TMethodOptions::Hz,
     .Unread = "задаёт f0 полосы (--band) или частоту L и C (l-section)", .BandToo = true},
};
// clang-format on

} // namespace

std::span<const TOptionDesc> OptionKinds() {
    return kKinds;
}

const TOptionDesc& OptionOf(TOptionKind kind) {
    for (const TOptionDesc& d : kKinds)
        if (d.Kind == kind) return d;
    throw std::logic_error("an option kind without its description");
}

} // namespace zmatch
