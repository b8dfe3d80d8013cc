#include "zline/MoveSteps.h"

#include "chart/ExactText.h"
#include "chart/Frame.h"
#include "chart/LineTheory.h"
#include "chart/LoadSteps.h"
#include "toolkit/Conversions.h"
#include "toolkit/Single.h"

#include <cmath>
#include <string>

namespace zline {

using chart::ExactComplex;
using chart::ExactNumber;
using chart::PrintsAlike;
using chart::Step;
using chart::TComplex;
using tk::FloatToStrF;

namespace {

// The labels' digits: four decimals for the figures and places, two for impedances.
std::string Figure(double v) {
    return FloatToStrF(v, 5, 4);
}

std::string Impedance(const chart::TImpedanceAt& z) {
    return z.Defined ? chart::ComplexText(z.R, z.X, 4, 2) : std::string("∞");
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
                 "прямоугольнике): напротив через центр — y = 1/z = " +
                     Impedance(y) + ", в горизонтальном диаметре — z* = " + Impedance(conj) +
                     ", в вертикальном — 1/z* = " + Impedance(yConj) + ".",
                 alike(y, 1.0 / z) && alike(conj, std::conj(z)) && alike(yConj, 1.0 / std::conj(z)),
                 "1/z = " + ExactComplex(1.0 / z) + ", z* = " + ExactComplex(std::conj(z)) +
                     ", 1/z* = " + ExactComplex(1.0 / std::conj(z))));
    }
    const TReflectionFigures f = ReflectionFigures(load);
    const chart::TWaveRatios exact = chart::WaveRatios(z);
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
        chart::MoveReflection(chart::ReflectionOf(z0), m.Waves(), in.Attenuation);
    const TComplex z = chart::ImpedanceOf(gamma);
    const double place = chart::WavePosition(gamma);
    chart::TConstructionSteps steps;

    steps.push_back(Step("Поворачиваем по шкале длин волн на l/λ = " + chart::ShortNumber(m.Ratio) +
                             (in.TowardGenerator ? " к генератору, по часовой стрелке"
                                                 : " к нагрузке, против часовой стрелки") +
                             ": от " + Figure(m.From) + " до " + Figure(m.Position) +
                             " (зелёный луч).",
                         PrintsAlike(m.Position, place, 5, 4), ExactNumber(place) + " λ"));

    const float before = tk::ToSingle(m.FromRho / double(chart::ChartRadius));
    const float after = tk::ToSingle(m.Rho / double(chart::ChartRadius));
    const double exactLoss = chart::LossFactor(m.Waves(), in.Attenuation);
    if (in.KeepsRadius || m.FromRho == 0) {
        steps.push_back(Step(in.KeepsRadius
                                 ? "Линия без потерь: |Г| = " + Figure(before) +
                                       " не меняется, новая точка остаётся на окружности |Г| "
                                       "нагрузки."
                                 : "Нагрузка в центре (|Г| = 0): потери её не сдвигают, новая "
                                   "точка остаётся в центре.",
                             true, ""));
    } else {
        const float factor = tk::ToSingle(after / double(before));
        steps.push_back(Step("Затухание " + chart::ShortNumber(in.Attenuation) +
                                 " дБ на длину волны на пути туда и обратно " +
                                 (in.TowardGenerator ? "уменьшает" : "увеличивает") +
                                 " |Г|: множитель " + Figure(factor) + ", от " + Figure(before) +
                                 " до " + Figure(after) + " (пунктирная окружность).",
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
