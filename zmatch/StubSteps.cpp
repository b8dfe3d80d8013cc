#include "zmatch/StubSteps.h"

#include "chart/ExactText.h"
#include "chart/LineTheory.h"
#include "chart/LoadPoint.h"
#include "chart/LoadSteps.h"
#include "toolkit/Conversions.h"

#include <cmath>
#include <string>

namespace zmatch {

using chart::ExactComplex;
using chart::ExactNumber;
using chart::PrintsAlike;
using chart::Step;
using chart::TComplex;
using tk::FloatToStrF;

namespace {

// The scale's own digits, as on its labels.
std::string Place(double v) {
    return FloatToStrF(v, 4, 3);
}

// The lengths as the result labels print them.
std::string Length(double v) {
    return FloatToStrF(v, 6, 3);
}

std::string Susceptance(double b) {
    return std::string(b < 0 ? "-j" : "+j") + FloatToStrF(std::fabs(b), 4, 2);
}

double Reduced(double place) {
    return place - 0.5 * std::floor(2 * place);
}

} // namespace

double ScalePlace(const TStubConstruction& m, float phi) {
    // 0 at the short-circuit point of the impedance chart, left, growing clockwise.
    return Reduced((phi - chart::Pi) * m.RadToWaves);
}

chart::TConstructionSteps StubSteps(const TStubConstruction& m) {
    const TComplex z = m.Load.ZNorm();
    const TComplex y = 1.0 / z;
    const chart::TStubSolutions exact = chart::SolveStubMatch(z, m.Kind);
    const bool solved = exact.Case == chart::TMatchCase::Solved;
    const chart::TStubMatch& e = exact.First;
    const double placeA = ScalePlace(m, m.AngleA.Phi), placeM = ScalePlace(m, m.AngleM.Phi);
    const double exactA = chart::WavePosition(chart::ReflectionOf(y));
    const std::string b = Susceptance(m.BM), minusB = Susceptance(-double(m.BM));
    const bool shortStub = m.Kind == chart::TStubKind::Short;
    chart::TConstructionSteps steps;

    const std::string ya =
        m.AtA.Defined ? chart::ComplexText(m.AtA.R, m.AtA.X, 4, 2) : std::string("∞");
    steps.push_back(
        Step("Шлейф включается параллельно, и проводимости складываются: переходим к проводимости "
             "нагрузки — точка A напротив точки нагрузки через центр (зелёный луч), y = 1/z = " +
                 ya + ".",
             m.AtA.Defined && PrintsAlike({m.AtA.R, m.AtA.X}, y, 4, 2), "y = " + ExactComplex(y)));

    steps.push_back(Step(
        "Поворачиваем по окружности |Г| к генератору, по часовой стрелке, до окружности "
        "единичной проводимости g = 1: точка M (жёлтый луч), y = 1" +
            b + "; расстояние читаем по шкале длин волн к генератору от " + Place(placeA) +
            (placeM < placeA ? " через " + chart::ShortNumber(0.5) + " (это 0)" : std::string()) +
            " до " + Place(placeM) + ": d = " + Length(m.Distance()) + " λ (зелёная дуга).",
        solved && PrintsAlike(m.BM, e.B, 4, 2) && PrintsAlike(placeA, exactA, 4, 3) &&
            PrintsAlike(m.Distance(), e.Distance, 6, 3),
        solved
            ? "y = 1" + std::string(e.B < 0 ? "-j" : "+j") + ExactNumber(std::fabs(e.B)) + ", от " +
                  ExactNumber(exactA) + " до " + ExactNumber(Reduced(exactA + e.Distance)) +
                  ", d = " + ExactNumber(e.Distance) + " λ"
            : ""));

    steps.push_back(Step("Шлейф должен добавить " + minusB +
                             ", чтобы осталось y = 1: проводим окружности реактивной "
                             "проводимости " +
                             b + " (через M) и " + minusB +
                             " (пурпурные); вторая встречает край диаграммы, где лежат "
                             "проводимости шлейфов, в точке S.",
                         !solved || PrintsAlike(-double(m.BM), -e.B, 4, 2),
                         "-b = " + ExactNumber(-e.B)));

    steps.push_back(Step(
        std::string("Длину шлейфа читаем по краю диаграммы по часовой стрелке от точки ") +
            (shortStub ? "короткого замыкания (справа, y = ∞)" : "холостого хода (слева, y = 0)") +
            " до S: l = " + Length(m.Stub()) + " λ (розовая дуга).",
        solved && PrintsAlike(m.Stub(), e.Stub, 6, 3), "l = " + ExactNumber(e.Stub) + " λ"));

    const double d = std::round(m.Distance() * 1e3) / 1e3, l = std::round(m.Stub() * 1e3) / 1e3;
    steps.push_back(Step(
        "В месте подключения, в d = " + Length(m.Distance()) +
            " λ от нагрузки, проводимость линии 1" + b + " и шлейфа " + minusB +
            " складываются в y = 1: к генератору линия видит согласованную нагрузку, Zвх = Zв = " +
            chart::ShortComplex(m.Load.Line) + " Ом, Г = 0.",
        false,
        "линия и шлейф, построенные по этим d и l: " +
            chart::ExactRatios(std::abs(chart::JunctionReflection(z, d, l, m.Kind)))));
    return steps;
}

} // namespace zmatch
