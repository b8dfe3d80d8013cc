#include "zmatch/StubSteps.h"

#include "chart/ExactText.h"
#include "chart/LoadPoint.h"
#include "chart/LoadSteps.h"
#include "chart/ReadingText.h"
#include "theory/LineTheory.h"
#include "toolkit/Conversions.h"

#include <cmath>
#include <string>

namespace zmatch {

using chart::ExactComplex;
using chart::ExactNumber;
using chart::PrintsAlike;
using chart::ScaleText;
using chart::Step;
using theory::TComplex;
using tk::FloatToStrF;

namespace {

// Up to this КСВ the printed answer, built, counts as a match. Over a sweep of loads only
// those near the rim (|Г| above 0,9) give more: there one pixel of the construction moves
// the answer (2 + j100 Ом on 50 Ом gives КСВ 2,15).
constexpr double kMatchedVswr = 1.1;

std::string Susceptance(double b) {
    return std::string(b < 0 ? "-j" : "+j") + chart::GridReading(std::fabs(b));
}

std::string ExactSusceptance(double b) {
    return std::string(b < 0 ? "-j" : "+j") + ExactNumber(std::fabs(b));
}

double Reduced(double place) {
    return place - 0.5 * std::floor(2 * place);
}

} // namespace

std::string TurnReading(double placeA, double d, const char* name) {
    constexpr long long kRound = 5000; // 0,5 λ in ten-thousandths
    const auto text = [](long long units) { return FloatToStrF(units / 1e4, 5, 4); };
    const long long a = std::llround(placeA * 1e4) % kRound, sweep = std::llround(d * 1e4);
    const bool wraps = a + sweep >= kRound;
    const long long m = wraps ? a + sweep - kRound : a + sweep;
    return "от " + text(a) + (wraps ? " через " + chart::ShortNumber(0.5) + " (это 0)" : "") +
           " до " + text(m) + ": " + name + " = " +
           (wraps ? chart::ShortNumber(0.5) + " - " + text(a) + " + " + text(m)
                  : text(m) + " - " + text(a)) +
           " = " + text(sweep) + " ≈ " + chart::LengthReading(d);
}

double ScalePlace(const TStubConstruction& m, float phi) {
    // 0 at the short-circuit point of the impedance chart, left, growing clockwise.
    return Reduced((phi - chart::Pi) * m.RadToWaves);
}

namespace {

// What every sentence reads beside the plan: the load, its admittance and its exact single
// stub, and the ±b the chart read at M as the labels print them.
struct TStubStory {
    const TStubConstruction& M;
    TComplex Z, Y;
    theory::TStubSolutions Exact;
    bool Solved;
    std::string B, MinusB;

    explicit TStubStory(const TStubConstruction& m)
        : M(m), Z(m.Load.ZNorm()), Y(1.0 / Z), Exact(theory::SolveStubMatch(Z, m.Kind)),
          Solved(Exact.Case == theory::TMatchCase::Solved), B(Susceptance(m.BM)),
          MinusB(Susceptance(-double(m.BM))) {}
    const theory::TStubMatch& E() const { return Exact.First; }
};

chart::TConstructionStep AdmittanceStep(const TStubStory& s) {
    const TStubConstruction& m = s.M;
    const std::string ya =
        m.AtA.Defined ? chart::ComplexText(m.AtA.R, m.AtA.X, 4, 2) : std::string("∞");
    return Step(
        "Шлейф включается параллельно, и проводимости складываются: переходим к проводимости "
        "нагрузки y = 1/z — точка A напротив точки нагрузки через центр (зелёный луч), в ней "
        "читаем y = " +
            ya + ".",
        m.AtA.Defined && PrintsAlike({m.AtA.R, m.AtA.X}, s.Y, 4, 2),
        "y = 1/z = " + ExactComplex(s.Y));
}

// The method takes the crossing above the axis, b >= 0. Where A's conductance is above 1 the
// turn meets the one below first: that one is the second solution. A load whose A lies on
// g = 1 above the axis needs no line, and a pixel may put M a hair behind A, so that the
// chart reads nearly half a wavelength: the same place on the line.
chart::TConstructionStep TurnStep(const TStubStory& s) {
    const TStubConstruction& m = s.M;
    const theory::TStubMatch& e = s.E();
    const double placeA = ScalePlace(m, m.AngleA.Phi);
    const double exactA = theory::WavePosition(theory::ReflectionOf(s.Y));
    const bool onCircle = s.Solved && std::llround(e.Distance * 1e3) % 500 == 0;
    const bool passes = s.Solved && !onCircle && s.Exact.Second.Distance < e.Distance;
    const bool halfTurnOff = s.Solved && std::fabs(m.Distance() - e.Distance) > 0.25;
    std::string turn =
        "Поворачиваем по окружности |Г| к генератору, по часовой стрелке, до окружности "
        "единичной проводимости g = 1: ";
    if (onCircle)
        turn += "A уже на ней, M (жёлтый луч) там же, y = 1" + s.B +
                ": линия не нужна, шлейф включается у самой нагрузки; ";
    else if (passes)
        turn += "точка M (жёлтый луч), y = 1" + s.B +
                ", верхняя: способ берёт b ≥ 0 (шлейф индуктивный) и проходит нижнюю, y = 1" +
                ExactSusceptance(s.Exact.Second.B) + " в " + ExactNumber(s.Exact.Second.Distance) +
                " λ от A, — это второе решение; ";
    else
        turn += "точка M (жёлтый луч), y = 1" + s.B + "; ";
    turn += "расстояние читаем по шкале длин волн к генератору " +
            TurnReading(placeA, m.Distance(), "d") + " λ (зелёная дуга)";
    if (halfTurnOff)
        turn += ": d и d + " + chart::ShortNumber(0.5) +
                " λ — одно место на линии, полволны — "
                "полный оборот";
    return Step(turn + ".",
                s.Solved && PrintsAlike(m.BM, e.B, 4, 2) &&
                    ScaleText(placeA, 4) == ScaleText(exactA, 4) &&
                    PrintsAlike(m.Distance(), e.Distance, 6, 3),
                s.Solved ? "y = 1" + ExactSusceptance(e.B) + "; A на " + ScaleText(exactA, 5) +
                               " λ, d = " + ExactNumber(e.Distance) + " λ"
                         : "");
}

// What the junction sees: y = 1 by the chart's readings; built as the labels print it, the
// line and the stub leave the КСВ line theory gives.
chart::TConstructionStep JunctionStep(const TStubStory& s) {
    const TStubConstruction& m = s.M;
    const double d = std::round(m.Distance() * 1e3) / 1e3, l = std::round(m.Stub() * 1e3) / 1e3;
    const double built = std::abs(theory::JunctionReflection(s.Z, d, l, m.Kind));
    const double builtVswr = theory::StandingWaveRatio(built);
    std::string junction = "В месте подключения, в d = " + chart::LengthReading(m.Distance()) +
                           " λ от нагрузки, проводимость линии 1" + s.B + " и шлейфа " + s.MinusB +
                           " складываются в y = 1";
    if (!s.Solved || builtVswr <= kMatchedVswr) {
        junction += ": к генератору линия видит согласованную нагрузку, Zвх = Zв = " +
                    chart::ShortComplex(m.Load.Line) + " Ом, Г = 0.";
    } else {
        const theory::TStubMatch& e = s.E();
        const int decimals = theory::BuildableDecimals(s.Z, e, m.Kind, 5);
        junction +=
            " — так по диаграмме; но ответ, построенный по этим d и l, даёт здесь КСВ = " +
            ExactNumber(builtVswr, 2) +
            ": у края диаграммы предел точности — её пиксель. Стройте точное решение: d = " +
            ExactNumber(e.Distance, decimals) + " λ, шлейф " + ExactNumber(e.Stub, decimals) +
            " λ.";
    }
    return Step(junction, false,
                "линия и шлейф, построенные по этим d и l: " + chart::ExactRatios(built));
}

} // namespace

chart::TConstructionSteps StubSteps(const TStubConstruction& m) {
    const TStubStory s(m);
    const theory::TStubMatch& e = s.E();
    const bool shortStub = m.Kind == theory::TStubKind::Short;
    chart::TConstructionSteps steps;
    steps.push_back(AdmittanceStep(s));
    steps.push_back(TurnStep(s));
    steps.push_back(Step("Шлейф должен добавить " + s.MinusB +
                             ", чтобы осталось y = 1: проводим окружности реактивной "
                             "проводимости " +
                             s.B + " (через M) и " + s.MinusB +
                             " (пурпурные); вторая встречает край диаграммы, где лежат "
                             "проводимости шлейфов, в точке S.",
                         !s.Solved || PrintsAlike(-double(m.BM), -e.B, 4, 2),
                         "-b = " + ExactNumber(-e.B)));
    steps.push_back(Step(
        std::string("Длину шлейфа читаем по краю диаграммы по часовой стрелке от точки ") +
            (shortStub ? "короткого замыкания (справа, y = ∞)" : "холостого хода (слева, y = 0)") +
            " до S: l = " + chart::LengthReading(m.Stub()) + " λ (розовая дуга).",
        s.Solved && PrintsAlike(m.Stub(), e.Stub, 6, 3), "l = " + ExactNumber(e.Stub) + " λ"));
    steps.push_back(JunctionStep(s));
    return steps;
}

} // namespace zmatch
