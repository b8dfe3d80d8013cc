#include "chart/LoadSteps.h"

#include "chart/ExactText.h"
#include "chart/ReadingText.h"
#include "theory/LineTheory.h"

#include "toolkit/Conversions.h"
#include "toolkit/Single.h"

#include <cmath>

namespace chart {

using tk::FloatToStrF;

namespace {

// "КСВ = 2,6180", "КСВ = ∞" on the rim; beyond it (a negative resistance) there is none.
std::string VswrText(float gamma) {
    if (gamma == 1) return "КСВ = ∞";
    if (gamma > 1) return "КСВ не определён: |Г| > 1";
    return "КСВ = " + FloatToStrF(tk::ToSingle(theory::StandingWaveRatio(gamma)), 5, 4);
}

} // namespace

std::string ScaleText(double waves, int decimals) {
    const double unit = std::pow(10.0, decimals);
    const double round = std::round(0.5 * unit);
    double units = std::round((waves - 0.5 * std::floor(2 * waves)) * unit);
    if (units >= round) units -= round;
    return FloatToStrF(units / unit, decimals + 1, decimals);
}

bool PrintsAlike(double reading, double exact, int precision, int digits) {
    return FloatToStrF(reading, precision, digits) == FloatToStrF(exact, precision, digits);
}

bool PrintsAlike(theory::TComplex reading, theory::TComplex exact, int precision, int digits) {
    return ComplexText(reading.real(), reading.imag(), precision, digits) ==
           ComplexText(exact.real(), exact.imag(), precision, digits);
}

TConstructionStep Step(std::string text, bool same, std::string exact) {
    return {std::move(text), same ? std::string() : std::move(exact)};
}

float PlottedGamma(const TLoadPoint& p) {
    return tk::ToSingle(std::fabs(p.DistPx * (1.0 / ChartRadius)));
}

TConstructionSteps LoadPointSteps(const TLoadPoint& p) {
    const theory::TComplex exact = p.Typed.Exact.ZNorm();
    const double r = p.ZNorm.real(), x = p.ZNorm.imag();
    const std::string z = ComplexText(r, x, 4, 2);
    const bool zAlike = PrintsAlike(p.ZNorm, exact, 4, 2);
    TConstructionSteps steps;

    steps.push_back(
        Step("Сопротивление нагрузки делим на волновое сопротивление линии: z = Zн/Zв = (" +
                 ShortComplex(p.Typed.Exact.Load) + " Ом)/(" + ShortComplex(p.Typed.Exact.Line) +
                 " Ом) = " + z + ".",
             zAlike, "z = " + ExactComplex(exact)));

    const std::string point =
        p.XCircle
            ? "Точка нагрузки — там, где пересекаются окружность активного сопротивления r = " +
                  GridReading(r) + " и окружность реактивного сопротивления x = " + GridReading(x) +
                  " (красные)."
            : "Реактивное сопротивление x = " + GridReading(x) +
                  ": точка нагрузки — там, где окружность активного сопротивления r = " +
                  GridReading(r) + " (красная) пересекает горизонтальный диаметр.";
    steps.push_back(Step(
        point, zAlike, "r = " + ExactNumber(exact.real()) + ", x = " + ExactNumber(exact.imag())));

    const float gamma = PlottedGamma(p);
    const theory::TWaveRatios ratios = theory::WaveRatios(exact);
    steps.push_back(
        Step("Из центра через точку нагрузки проводим луч до шкалы длин волн и окружность "
             "постоянного |Г| (синие): её радиус — |Г| = " +
                 FloatToStrF(gamma, 5, 4) + " радиуса диаграммы, " + VswrText(gamma) +
                 "; по ней точка движется вдоль линии без потерь.",
             PrintsAlike(gamma, ratios.Gamma, 5, 4), ExactRatios(ratios)));

    // The ray's label may read 0,500 where the scale reads 0: the same place, a whole round on.
    const double place = theory::WavePosition(theory::ReflectionOf(exact));
    const std::string onScale = ScaleText(p.WavePos, 3), label = ScaleReading(p.WavePos);
    steps.push_back(
        Step("Луч отмечает место нагрузки на шкале длин волн к генератору: " + onScale + " λ" +
                 (label == onScale ? std::string()
                                   : " (у луча подписано " + label + ": то же место, полволны — " +
                                         "полный оборот)") +
                 "; точка нагрузки z = " + z + " — зелёный кружок.",
             onScale == ScaleText(place, 3) && zAlike,
             ExactNumber(place) + " λ" + (zAlike ? "" : ", z = " + ExactComplex(exact))));
    return steps;
}

} // namespace chart
