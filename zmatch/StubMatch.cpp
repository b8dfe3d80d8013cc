// What the single-stub matching refuses and why: its messages, the rule for a load too near
// the rim, and the wavelength field read once per matching. Planned in StubPlan.cpp, drawn
// in StubDrawing.cpp, captioned in StubCaptions.cpp.
#include "zmatch/StubMatch.h"

#include "chart/ExactText.h"
#include "theory/LineTheory.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"

#include <string>
#include <string_view>

namespace zmatch {

const char* const kMatchedMessage =
    "Точка нагрузки легла в центр диаграммы: с точностью диаграммы (1/300 её радиуса) нагрузка "
    "согласована с линией, шлейф не нужен.";
const char* const kReactiveMessage =
    "Нагрузка чисто реактивная: её точка лежит на краю диаграммы (|Г| = 1), и согласовать её "
    "одним шлейфом нельзя. Задайте нагрузку с активной частью больше нуля.";
const char* const kWavelengthSignMessage =
    "Длина волны должна быть больше нуля. Введите её в тех единицах, в которых нужны "
    "расстояние и длина шлейфа, например «1».";
const char* const kWavelengthRangeMessage =
    "Длина волны вне пределов, в которых расстояние и длину шлейфа в её единицах можно "
    "вычислить и записать: введите длину волны от 10^-300 до 10^300.";

// The construction's circles missed each other at the chart's precision (a crossing off the
// chart, a stub circle of zero susceptance): the load is matchable, the picture is not.
const char* const kConstructionMessage =
    "Построить согласование на диаграмме не удалось: при этой нагрузке окружности построения "
    "не пересекаются в пределах точности диаграммы. Немного измените Zн или Zв.";

namespace {

constexpr std::string_view kWavelengthField = "Длина волны";
constexpr double kSmallestWavelength = 1e-300, kLargestWavelength = 1e300;

} // namespace

using chart::ChartRadius;

bool ResolvedFromRim(float pointDistPx, const chart::TTypedLoad& load) {
    const double gamma = theory::WaveRatios(load.ZNorm()).Gamma;
    return ChartRadius * (1 - gamma) >= 1 && ChartRadius - double(pointDistPx) >= 1;
}

std::string OnRimText(const chart::TTypedLoad& load) {
    return "Точка нагрузки легла на край диаграммы: " +
           chart::ExactRatios(theory::WaveRatios(load.ZNorm())) +
           ". Построить согласование на этой диаграмме можно, только если точка лежит внутри "
           "края хотя бы на пиксель (1/300 радиуса, то есть КСВ не больше 599) и нанесена не "
           "на сам край: здесь её точности не хватает.";
}

std::string OnRimMessage(const chart::TTypedLoad& load, theory::TStubKind kind) {
    const theory::TComplex z = load.ZNorm();
    const std::string text = OnRimText(load);
    const theory::TStubSolutions exact = theory::SolveStubMatch(z, kind);
    if (exact.Case != theory::TMatchCase::Solved) return text;
    const theory::TStubMatch& m = exact.First;
    const int decimals = theory::BuildableDecimals(z, m, kind, 5);
    return text + " Согласовать её шлейфом можно, точно: расстояние от нагрузки " +
           chart::ExactNumber(m.Distance, decimals) + " λ, " +
           (kind == theory::TStubKind::Short ? "короткозамкнутый" : "разомкнутый") + " шлейф " +
           chart::ExactNumber(m.Stub, decimals) + " λ.";
}

double ReadWavelength(const tk::TEdit& edit) {
    const double lambda = tk::ReadNumber(edit, kWavelengthField);
    if (!(lambda > 0)) throw tk::Exception(kWavelengthSignMessage);
    // The lengths in its unit are the wavelength times a sweep of up to 2pi times 1/(4pi):
    // past 10^300 the product overflows on its way (1e308 would print INF), below 10^-300
    // it keeps a digit or two of its own (1e-320).
    if (lambda < kSmallestWavelength || lambda > kLargestWavelength)
        throw tk::Exception(kWavelengthRangeMessage);
    return lambda;
}

} // namespace zmatch
