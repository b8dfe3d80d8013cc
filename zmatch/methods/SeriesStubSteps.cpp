// The series stub told step by step, from its plan: for each crossing the turn to r = 1 with
// d read on the wavelength scale, then the circle of -x to S and the stub's length along the
// rim; last, what the line sees where the stubs go.
#include "zmatch/methods/SeriesStub.h"

#include "zmatch/StubSteps.h"
#include "zmatch/methods/ChartTurns.h"
#include "zmatch/methods/Printed.h"

#include "chart/ExactText.h"
#include "chart/LoadSteps.h"
#include "chart/ReadingText.h"
#include "toolkit/Conversions.h"

#include <cmath>
#include <string>

namespace zmatch::methods {

namespace {

using chart::ExactNumber;
using chart::PrintsAlike;
using chart::Step;

// Up to this КСВ the printed answer, built, counts as a match, as for the parallel stub.
constexpr double kMatchedVswr = 1.1;

// The solutions' colours as the sentences name them: the arcs and circles, then the rays.
constexpr const char* kFeminine[] = {"зелёная", "пурпурная"};
constexpr const char* kMasculine[] = {"зелёный", "пурпурный"};

std::string Reactance(double x) {
    return std::string(x < 0 ? "-j" : "+j") + chart::GridReading(std::fabs(x));
}

// Where a point of the given screen angle stands on the wavelengths-toward-generator
// scale: 0 at the short-circuit point on the left, growing clockwise.
double ScalePlace(float angle) {
    return Waves(Sweep(float(chart::Pi), angle));
}

// How many decimals, five or more, the solution's lengths need so that, rounded to them and
// built, they leave |Г| below 0,01 at the stub.
int BuildableDecimals(theory::TComplex z, const theory::TSeriesStubSolution& e,
                      theory::TStubKind kind) {
    constexpr int kFewest = 5, kMost = 15; // a double's digits: more change nothing
    int decimals = kFewest;
    for (; decimals < kMost; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        const theory::TSeriesStubSolution built{std::round(e.Distance * scale) / scale, e.X,
                                                std::round(e.Stub * scale) / scale};
        const theory::TNetwork n = theory::SeriesStubNetwork(built, kind);
        if (std::abs(theory::ReflectionOf(theory::InputImpedance(n, z, 1))) < 0.01) break;
    }
    return decimals;
}

// How far apart two places on the line are, a half wavelength being a whole turn.
double TurnApart(double a, double b) {
    const double d = std::fabs(a - b);
    return std::fmin(d, 0.5 - d);
}

chart::TConstructionStep TurnStep(const TSeriesStubPlan& p, std::size_t i,
                                  const theory::TSeriesStubSolution& e, double lambda) {
    const TSeriesCrossing& c = p.Crossings[i];
    const std::string z = chart::ComplexText(c.At.R, c.At.X, 4, 2);
    std::string text =
        i == 0 ? "Шлейф включается в линию последовательно, и сопротивления складываются: он "
                 "должен стоять там, где z = 1 + jx, и снять jx. Поворачиваем по окружности "
                 "|Г| к генератору, по часовой стрелке, до окружности r = 1 (жирная, через "
                 "центр): они пересекаются дважды, выше оси (x > 0) и ниже (x < 0). Верхняя "
                 "точка"
               : "Нижняя точка";
    text += ", z = " + z + " (" + kMasculine[i] + " луч)";
    if (c.Sweep == 0) {
        text += ", — это сама точка нагрузки: линия не нужна, d = 0.";
    } else {
        text += "; расстояние читаем по шкале длин волн к генератору " +
                TurnReading(ScalePlace(p.From), c.Distance(), "d") + " λ" +
                InUnitText(PrintedLength(c.Distance()).Value, lambda) + " (" + kFeminine[i] +
                " дуга)";
        if (TurnApart(c.Distance(), e.Distance) < 0.25 &&
            std::fabs(c.Distance() - e.Distance) > 0.25)
            text += ": d и d ± " + chart::ShortNumber(0.5) +
                    " λ — одно место на линии, полволны — полный оборот";
        text += ".";
    }
    return Step(text,
                PrintsAlike(c.At.X, e.X, 4, 2) && PrintsAlike(c.At.R, 1, 4, 2) &&
                    PrintsAlike(c.Distance(), e.Distance, 6, 3),
                "z = " + chart::ExactComplex({1, e.X}) + ", d = " + ExactNumber(e.Distance) + " λ");
}

std::string StubStep(const TSeriesStubPlan& p, std::size_t i, double lambda) {
    const TSeriesCrossing& c = p.Crossings[i];
    const bool shortStub = p.Kind == theory::TStubKind::Short;
    const std::string name = "S" + std::to_string(i + 1);
    std::string text = "Шлейф должен добавить " + Reactance(c.StubX) +
                       ", чтобы осталось z = 1. Сопротивления шлейфов чисто реактивные и лежат "
                       "на краю диаграммы, r = 0: ";
    text += c.StubX == 0 ? "x = 0 там, где край встречает горизонтальный диаметр, в точке "
                           "короткого замыкания " +
                               name + ". "
                         : "окружность x = " + chart::GridReading(c.StubX) + " (" + kFeminine[i] +
                               ") встречает край в точке " + name + ". ";
    text += std::string("Длину шлейфа читаем по краю по часовой стрелке от точки ") +
            (shortStub ? "короткого замыкания (слева, z = 0)" : "холостого хода (справа, z = ∞)") +
            " до " + name + ": ";
    text += shortStub ? "от неё и отсчитана шкала длин волн к генератору, l — место " + name +
                            " на ней: l = " + chart::LengthReading(c.Stub())
                      : TurnReading(0.25, c.Stub(), "l");
    return text + " λ" + InUnitText(PrintedLength(c.Stub()).Value, lambda) + " (" + kFeminine[i] +
           " дуга у края).";
}

} // namespace

chart::TConstructionSteps SeriesStubSteps(const chart::TLoadPoint& load, const TSeriesStubPlan& p,
                                          const theory::TSeriesStubSolutions& exact,
                                          const std::vector<TSolution>& solutions, double lambda) {
    const theory::TSeriesStubSolution* exacts[] = {&exact.First, &exact.Second};
    chart::TConstructionSteps steps;
    for (std::size_t i = 0; i < p.Crossings.size(); ++i) {
        const TSeriesCrossing& c = p.Crossings[i];
        const theory::TSeriesStubSolution& e = *exacts[i];
        steps.push_back(TurnStep(p, i, e, lambda));
        steps.push_back(
            Step(StubStep(p, i, lambda),
                 PrintsAlike(c.StubX, -e.X, 4, 2) && PrintsAlike(c.Stub(), e.Stub, 6, 3),
                 "-x = " + ExactNumber(-e.X) + ", l = " + ExactNumber(e.Stub) + " λ"));
    }

    // What the line sees: 1 + jx and the stub's -jx make 1 by the chart's readings; built as
    // the labels print them, each answer leaves the КСВ line theory gives.
    const theory::TComplex z = load.Typed.Exact.ZNorm();
    std::string junction = "В месте включения шлейфа сопротивления линии и шлейфа "
                           "складываются, и реактивная часть пропадает: ";
    std::string built;
    for (std::size_t i = 0; i < p.Crossings.size(); ++i) {
        const TSeriesCrossing& c = p.Crossings[i];
        junction += std::string(i ? ", во втором " : "в первом решении ") +
                    chart::ComplexText(c.At.R, c.At.X, 4, 2) + " " + (c.StubX < 0 ? "- j" : "+ j") +
                    chart::GridReading(std::fabs(c.StubX)) + " = " + chart::GridReading(c.At.R);
        built += std::string(i ? "; " : "") + ExactNumber(solutions[i].BuiltVswr, 3);
    }
    std::string off;
    for (std::size_t i = 0; i < p.Crossings.size(); ++i) {
        if (solutions[i].BuiltVswr <= kMatchedVswr) continue;
        const theory::TSeriesStubSolution& e = *exacts[i];
        const int decimals = BuildableDecimals(z, e, p.Kind);
        off += std::string(off.empty() ? "" : "; ") + std::to_string(i + 1) +
               "-й ответ даёт КСВ = " + ExactNumber(solutions[i].BuiltVswr, 2) +
               " — стройте точное: d = " + ExactNumber(e.Distance, decimals) + " λ, шлейф " +
               ExactNumber(e.Stub, decimals) + " λ";
    }
    junction += " — это z = 1 с точностью отсчёта";
    if (off.empty())
        junction += ": к генератору линия видит согласованную нагрузку, Zвх = Zв = " +
                    chart::ShortComplex(load.Typed.Exact.Line) + " Ом, Г = 0.";
    else
        junction += ". Так по диаграмме; но у её края предел точности — пиксель, и ответ, "
                    "построенный по этим d и l, согласует хуже: " +
                    off + ".";
    steps.push_back(
        Step(junction, false, "ответы диаграммы, построенные по этим d и l: КСВ = " + built));
    return steps;
}

} // namespace zmatch::methods
