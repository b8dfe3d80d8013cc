#include "zline/MoveSteps.h"

#include "chart/ExactText.h"
#include "chart/Frame.h"
#include "chart/LoadSteps.h"
#include "theory/LineTheory.h"
#include "toolkit/Conversions.h"
#include "toolkit/Single.h"

#include <cmath>
#include <string>

namespace zline {

using chart::ExactComplex;
using chart::ExactNumber;
using chart::PrintsAlike;
using chart::Step;
using theory::TComplex;
using tk::FloatToStrF;

namespace {

// The labels' digits: four decimals for the figures and places, two for impedances.
std::string Figure(double v) {
    return FloatToStrF(v, 5, 4);
}

std::string Impedance(const chart::TImpedanceAt& z) {
    return z.Defined ? chart::ComplexText(z.R, z.X, 4, 2) : std::string("∞");
}

// The places from and to as the scale reads them, from 0 to 0,5, and where the labels show a
// position unreduced (-0,1381 toward the load, 0,5000 for a load left of the centre) what
// they show: "от 0,1619 до 0,3619 (зелёный луч; подписано -0,1381: то же место, …)".
std::string Places(float from, float to) {
    std::string labels;
    int differ = 0;
    for (const float v : {from, to}) {
        if (Figure(v) == chart::ScaleText(v, 4)) continue;
        labels += (differ++ ? " и " : " ") + Figure(v);
    }
    return "от " + chart::ScaleText(from, 4) + " до " + chart::ScaleText(to, 4) + " (зелёный луч" +
           (differ ? "; подписано" + labels + (differ > 1 ? ": те же места" : ": то же место") +
                         ", полволны — полный оборот"
                   : "") +
           ")";
}

// The chart's loss scale (LossOfRadius, RadiusOfLoss) takes 0,2184 of a neper for each dB
// where line theory takes ln 10/10 = 0,2303: its factor is about 5 % weaker.
std::string LossScaleNote(double db) {
    const double onChart = std::log(RadiusOfLoss(0) / RadiusOfLoss(1));
    const double theory = std::log(10.0) / 10;
    return " Шкала потерь диаграммы переводит A·l/λ = " + chart::ShortNumber(db) +
           " дБ в множитель по " + FloatToStrF(onChart, 4, 4) +
           " непера на дБ, а теория линии — по ln 10/10 = " + FloatToStrF(theory, 4, 4) +
           ": множитель диаграммы примерно на " +
           std::to_string(std::lround(100 * (1 - onChart / theory))) + " % слабее точного.";
}

} // namespace

chart::TConstructionSteps LoadReadingSteps(const chart::TLoadPoint& load, bool mirror) {
    const TComplex z = load.Typed.Exact.ZNorm();
    chart::TConstructionSteps steps;
    if (mirror) {
        const TMirrorPoints m = MirrorPoints(load.Point);
        const chart::TImpedanceAt y = chart::ImpedanceAt(m.Opposite),
                                  conj = chart::ImpedanceAt(m.InRealAxis),
                                  yConj = chart::ImpedanceAt(m.InImaginaryAxis);
        const auto alike = [](const chart::TImpedanceAt& r, TComplex e) {
            return r.Defined && PrintsAlike({r.R, r.X}, e, 4, 2);
        };
        steps.push_back(
            Step("Зеркальные точки нагрузки (зелёные кружки в пунктирном "
                 "прямоугольнике): напротив через центр — y = 1/z, читаем " +
                     Impedance(y) + "; в горизонтальном диаметре — z*, читаем " + Impedance(conj) +
                     "; в вертикальном — 1/z*, читаем " + Impedance(yConj) + ".",
                 alike(y, 1.0 / z) && alike(conj, std::conj(z)) && alike(yConj, 1.0 / std::conj(z)),
                 "1/z = " + ExactComplex(1.0 / z) + ", z* = " + ExactComplex(std::conj(z)) +
                     ", 1/z* = " + ExactComplex(1.0 / std::conj(z))));
    }
    const TReflectionFigures f = ReflectionFigures(load);
    const theory::TWaveRatios exact = theory::WaveRatios(z);
    steps.push_back(Step("Расстояние точки от центра, отложенное на линейке справа, читается "
                         "как " +
                             GammaCaption(f) + " (вверх от центра) и " + VswrCaption(f) +
                             " (вниз); " + TwrCaption(f) + " = 1/КСВ.",
                         PrintsAlike(f.Gamma, exact.Gamma, 5, 4) &&
                             (f.OnRim || PrintsAlike(f.Vswr, exact.Vswr, 5, 4)),
                         chart::ExactRatios(exact, true)));
    return steps;
}

chart::TConstructionSteps MoveSteps(const TLineMove& m) {
    const TMoveInput& in = m.Typed;
    const TComplex z0 = m.Load.ZNorm();
    const TComplex gamma =
        theory::MoveReflection(theory::ReflectionOf(z0), m.Waves(), in.Attenuation);
    const TComplex z = theory::ImpedanceOf(gamma);
    const double place = theory::WavePosition(gamma);
    chart::TConstructionSteps steps;

    // A negative distance turns the other way: toward the generator by -0,1 is toward the
    // load by 0,1.
    const auto side = [](bool generator) {
        return std::string(generator ? " к генератору" : " к нагрузке");
    };
    const bool reversed = m.Ratio < 0, generatorWard = in.TowardGenerator != reversed;
    const std::string turn =
        chart::ShortNumber(m.Ratio) + side(in.TowardGenerator) +
        (reversed ? ", то есть на " + chart::ShortNumber(-m.Ratio) + side(generatorWard) : "") +
        (generatorWard ? ", по часовой стрелке" : ", против часовой стрелки");
    steps.push_back(Step("Поворачиваем по шкале длин волн на l/λ = " + turn + ": " +
                             Places(m.From, m.Position) + ".",
                         chart::ScaleText(m.Position, 4) == chart::ScaleText(place, 4),
                         ExactNumber(place) + " λ"));

    const float before = tk::ToSingle(m.FromRho / double(chart::ChartRadius));
    const float after = tk::ToSingle(m.Rho / double(chart::ChartRadius));
    const double exactLoss = theory::LossFactor(m.Waves(), in.Attenuation);
    const double lost = m.Waves() * in.Attenuation; // dB, negative toward the load
    if (m.FromRho == 0) {
        steps.push_back(Step("Нагрузка в центре (|Г| = 0): потери её не сдвигают, новая точка "
                             "остаётся в центре.",
                             true, ""));
    } else if (lost == 0) {
        // "0" and "0,0" alike: only the dashed circle tells them apart on the chart.
        steps.push_back(
            Step(std::string(in.Attenuation == 0 ? "Линия без потерь"
                                                 : "На нулевом расстоянии потерь нет") +
                     ": |Г| = " + Figure(before) +
                     " не меняется, новая точка остаётся на окружности |Г| нагрузки" +
                     (in.KeepsRadius ? "." : " (пунктирная окружность легла на неё же)."),
                 true, ""));
    } else {
        const float factor = tk::ToSingle(after / double(before));
        steps.push_back(Step("Затухание " + chart::ShortNumber(in.Attenuation) +
                                 " дБ на длину волны на пути туда и обратно " +
                                 (lost > 0 ? "уменьшает" : "увеличивает") + " |Г|: множитель " +
                                 Figure(factor) + ", от " + Figure(before) + " до " +
                                 Figure(after) + " (пунктирная окружность)." +
                                 LossScaleNote(std::fabs(lost)),
                             PrintsAlike(factor, exactLoss, 5, 4),
                             "|Г| умножается на " + ExactNumber(exactLoss) + ", до " +
                                 ExactNumber(std::abs(gamma))));
    }

    const std::string ohms =
        m.Z.Defined ? chart::ComplexText(m.Ohms().real(), m.Ohms().imag(), 4, 2) : "∞";
    steps.push_back(
        Step("Новая точка — там, где луч пересекает эту окружность (зелёный "
             "кружок): z = " +
                 Impedance(m.Z) + ", Z = z·Zв = " + ohms + " Ом.",
             m.Z.Defined && PrintsAlike({m.Z.R, m.Z.X}, z, 4, 2),
             "z = " + ExactComplex(z) + ", Z = " + ExactComplex(z * m.Load.Line) + " Ом"));
    return steps;
}

} // namespace zline
