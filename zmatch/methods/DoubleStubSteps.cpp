// The double stub told as a teacher tells it, one sentence for each step DrawDoubleStub
// marks: A, the forbidden region, the first stub's place A1, the turned circle g = 1, the
// constant-g circle and its crossings; for each solution the first stub, the spacing and the
// second stub, the lengths on the rim; what the line sees.
#include "zmatch/methods/DoubleStub.h"

#include "zmatch/methods/Printed.h"

#include "chart/ExactText.h"
#include "chart/LoadSteps.h"
#include "chart/ReadingText.h"
#include "theory/Turns.h"
#include "toolkit/Conversions.h"

#include <cmath>
#include <string>

namespace zmatch::methods {

using chart::ExactComplex;
using chart::ExactNumber;
using chart::PrintsAlike;
using chart::ShortComplex;
using chart::ShortNumber;
using chart::Step;
using theory::TComplex;
using tk::FloatToStrF;

namespace {

// Up to this КСВ the printed answer, built, counts as a match, as for the single stub.
constexpr double kMatchedVswr = 1.1;

const char* const kArcColours[] = {"зелёная", "пурпурная"};

std::string Admittance(const chart::TImpedanceAt& at) {
    return chart::ComplexText(at.R, at.X, 4, 2);
}

// b1 = b' - b in hundredths, so that the difference shown is that of the terms shown:
// "1,71 - 0,40 = 1,31", "0,29 - (-0,40) = 0,69".
std::string Difference(double minuend, double subtrahend) {
    const long long a = std::llround(minuend * 100), b = std::llround(subtrahend * 100);
    const auto text = [](long long units) { return FloatToStrF(units / 100.0, 9, 2); };
    return text(a) + " - " + (b < 0 ? "(" + text(b) + ")" : text(b)) + " = " + text(a - b);
}
std::string DifferenceResult(double minuend, double subtrahend) {
    return FloatToStrF((std::llround(minuend * 100) - std::llround(subtrahend * 100)) / 100.0, 9,
                       2);
}

// The admittance a lossless line shows `waves` from the load z.
TComplex AdmittanceAt(TComplex z, double waves) {
    return 1.0 / theory::ImpedanceOf(theory::MoveReflection(theory::ReflectionOf(z), waves, 0));
}

// A and the forbidden region: where the first stub stands as typed, if it lies there.
void RegionSteps(chart::TConstructionSteps& steps, const TDoubleStubConstruction& p, TComplex z) {
    const TComplex y = 1.0 / z;
    const std::string largest = chart::GridReading(p.Largest);
    steps.push_back(Step("Шлейфы включаются параллельно, и проводимости складываются: переходим "
                         "к проводимости нагрузки y = 1/z — точка A напротив точки нагрузки через "
                         "центр (серый луч), в ней читаем y = " +
                             Admittance(p.AtA) + ".",
                         PrintsAlike({p.AtA.R, p.AtA.X}, y, 4, 2), "y = 1/z = " + ExactComplex(y)));

    std::string region =
        "Между шлейфами s = " + ShortNumber(p.Spacing) +
        " λ: согласовать можно, только если проводимость у первого шлейфа g не больше "
        "1/sin²(2πs) = " +
        largest + "; внутри окружности g = " + largest +
        " — запретная область (заштрихована): оттуда никакой первый шлейф не выведет точку на "
        "окружность, которую отрезок s приводит на g = 1.";
    const double typedG = AdmittanceAt(z, p.TypedFirstStub).real();
    if (p.Forbidden())
        region +=
            " Первый шлейф стоит " +
            (p.TypedFirstStub == 0 ? std::string("у самой нагрузки")
                                   : "в " + ShortNumber(p.TypedFirstStub) + " λ от нагрузки") +
            ", а там g = " + chart::GridReading(p.AtTyped.R) + ": это запретная область.";
    steps.push_back(Step(region, !p.Forbidden() || PrintsAlike(p.AtTyped.R, typedG, 4, 2),
                         "1/sin²(2πs) = " + ExactNumber(p.Largest) +
                             (p.Forbidden() ? ", g = " + ExactNumber(typedG) : "")));
}

// Where the first stub stands, as typed or the remedy's place, and A turned there.
void PlaceStep(chart::TConstructionSteps& steps, const TDoubleStubConstruction& p, TComplex y1) {
    std::string place;
    const double reduced = theory::Wrap(p.FirstStub(), 0.5);
    if (p.Forbidden())
        place = "Поэтому первый шлейф переносим из неё так далеко, чтобы окружность его g "
                "пересекла повёрнутую окружность g = 1 на диаграмме с запасом в " +
                ShortNumber(kRemedyMarginPx) +
                " пикселя (точно ближайшее к нагрузке место вне "
                "области — d1 = " +
                ExactNumber(p.Exact.Shortest) + " λ" +
                (p.Exact.ShortestTangent ? ", на её границе" : "") +
                "), с точностью до тысячной λ: " +
                (p.FirstStub() == 0 ? std::string("к самой нагрузке, d1 = 0. ")
                                    : "d1 = " + ShortNumber(p.FirstStub()) + " λ" +
                                          InUnitText(p.FirstStub(), p.Wavelength) + ". ");
    else if (p.FirstStub() != 0)
        place = "Первый шлейф стоит в d1 = " + ShortNumber(p.FirstStub()) + " λ от нагрузки. ";
    else
        place = "Первый шлейф стоит у самой нагрузки, d1 = 0. ";
    if (p.Turn1 == 0)
        place += std::string(p.FirstStub() == 0 ? "Его место"
                                                : "Это целое число полуволн, полный оборот: его "
                                                  "место") +
                 " A1 = A, y1 = " + Admittance(p.AtA1) + ".";
    else
        place += "Поворачиваем A по окружности |Г| к генератору, по часовой стрелке, на " +
                 ShortNumber(reduced) + " λ" +
                 (reduced != p.FirstStub() ? " (полволны — полный оборот)" : "") + " от " +
                 chart::ScaleText((p.PhiA - chart::Pi) * chart::WavesPerRadian(), 3) +
                 " λ на шкале длин волн (серая дуга) — в точку A1, где читаем y1 = " +
                 Admittance(p.AtA1) + ".";
    steps.push_back(
        Step(place, PrintsAlike({p.AtA1.R, p.AtA1.X}, y1, 4, 2), "y1 = " + ExactComplex(y1)));

    steps.push_back(
        Step("Окружность g = 1 поворачиваем к нагрузке, против часовой стрелки, на s = " +
                 ShortNumber(p.Spacing) + " λ, то есть на " +
                 ShortNumber(720 * theory::Wrap(p.Spacing, 0.5)) +
                 "° (коричневая): точка на ней, пройдя к генератору отрезок s, ляжет "
                 "на g = 1.",
             true, ""));
}

// The constant-g circle through A1 and where it meets the turned circle: twice, or on the
// boundary once.
void CrossingStep(chart::TConstructionSteps& steps, const TDoubleStubConstruction& p, TComplex y1) {
    std::array<TComplex, 2> atB{};
    atB[0] = {y1.real(), y1.imag() + p.Exact.First.B1};
    atB[1] = {y1.real(), y1.imag() + p.Exact.Second.B1};
    const TDoubleStubOnChart &b1 = p.Solutions[0], &b2 = p.Solutions[1];
    std::string crossing = "Первый шлейф добавляет только реактивную проводимость: точка A1 идёт "
                           "по своей окружности постоянной проводимости g = " +
                           chart::GridReading(p.AtA1.R) + " (серая) и ";
    if (p.Count() == 1)
        crossing += "лишь касается повёрнутой окружности, на границе запретной области, — в "
                    "одной точке B, y = " +
                    Admittance(b1.AtB) + ": решение одно.";
    else if (p.Touching)
        crossing += "на диаграмме лишь касается повёрнутой окружности — в точке B1 = B2, y = " +
                    Admittance(b1.AtB) + ": два решения сливаются в одно.";
    else
        crossing += "пересекает повёрнутую окружность в двух точках — это два решения: B1, y = " +
                    Admittance(b1.AtB) + ", и B2, y = " + Admittance(b2.AtB) + " (у B1 b' больше).";
    steps.push_back(Step(crossing,
                         PrintsAlike({b1.AtB.R, b1.AtB.X}, atB[0], 4, 2) &&
                             PrintsAlike({b2.AtB.R, b2.AtB.X}, atB[1], 4, 2),
                         p.Count() == 1 ? "B: y = " + ExactComplex(atB[0])
                                        : "B1: y = " + ExactComplex(atB[0]) +
                                              ", B2: y = " + ExactComplex(atB[1])));
}

// One solution: the first stub to B, the spacing to C and the second stub, the lengths.
void SolutionSteps(chart::TConstructionSteps& steps, const TDoubleStubConstruction& p,
                   std::size_t i) {
    const TDoubleStubOnChart& c = p.Solutions[i];
    const theory::TDoubleStubSolution& e = i == 0 ? p.Exact.First : p.Exact.Second;
    const std::string k = p.Count() == 1 ? "" : std::to_string(i + 1), colour = kArcColours[i];
    const std::string s = ShortNumber(p.Spacing);

    steps.push_back(
        Step((k.empty() ? std::string("Решение") : "Решение " + k) +
                 ": первый шлейф переводит A1 по окружности g = " + chart::GridReading(p.AtA1.R) +
                 " в B" + k + " (" + colour +
                 " дуга) и добавляет b1 = b' - b = " + Difference(c.AtB.X, p.AtA1.X) + ".",
             DifferenceResult(c.AtB.X, p.AtA1.X) == FloatToStrF(e.B1, 9, 2),
             "b1 = " + ExactNumber(e.B1)));

    const TComplex atC{1, -e.B2};
    steps.push_back(Step("Отрезок s между шлейфами поворачивает B" + k +
                             " по окружности |Г| к генератору, по часовой стрелке, на " + s +
                             " λ — в точку C" + k +
                             " на окружности g = 1, где читаем y = " + Admittance(c.AtC) +
                             "; второй шлейф добавляет b2 = " + chart::GridReading(c.B2) +
                             " и по окружности g = 1 приводит её в центр, y = 1.",
                         PrintsAlike({c.AtC.R, c.AtC.X}, atC, 4, 2),
                         "y = " + ExactComplex(atC) + ", b2 = " + ExactNumber(e.B2)));

    const bool shortStub = p.Kind == theory::TStubKind::Short;
    steps.push_back(Step(
        std::string("Длины шлейфов читаем по краю диаграммы по часовой стрелке от точки ") +
            (shortStub ? "короткого замыкания (справа, y = ∞)" : "холостого хода (слева, y = 0)") +
            " до точек, где окружности их проводимостей встречают край: l1 = " +
            LengthText(PrintedLength(c.Stub1()), p.Wavelength) + " (сплошная " + colour +
            " дуга), l2 = " + LengthText(PrintedLength(c.Stub2()), p.Wavelength) + " (штриховая).",
        PrintsAlike(c.Stub1(), e.Stub1, 6, 3) && PrintsAlike(c.Stub2(), e.Stub2, 6, 3),
        "l1 = " + ExactNumber(e.Stub1) + " λ, l2 = " + ExactNumber(e.Stub2) + " λ"));
}

// What the line sees beyond the second stub: a match by the chart's readings; each answer
// built as printed gives the КСВ line theory gives, and one above kMatchedVswr is said with
// the exact lengths to build instead, as the single stub's junction says it.
void JunctionStep(chart::TConstructionSteps& steps, const TDoubleStubConstruction& p,
                  const chart::TLoadPoint& load, const std::array<double, 2>& builtVswr) {
    const std::size_t n = p.Count();
    std::string junction = "У второго шлейфа проводимости линии и шлейфа складываются в y = 1: к "
                           "генератору линия видит согласованную нагрузку, Zвх = Zв = " +
                           ShortComplex(load.Typed.Exact.Line) + " Ом";
    std::string exactBuilt = n == 1 ? "ответ, построенный по этим длинам: КСВ = "
                                    : "ответы, построенные по этим длинам: КСВ = ";
    bool allMatch = true;
    for (std::size_t i = 0; i < n; ++i) {
        exactBuilt += (i ? " и " : "") + ExactNumber(builtVswr[i]);
        allMatch = allMatch && builtVswr[i] <= kMatchedVswr;
    }
    if (allMatch && n == 1) {
        junction += ", Г = 0; ответ диаграммы, построенный по этим длинам, даёт КСВ " +
                    FloatToStrF(builtVswr[0], 5, 3) + ".";
    } else if (allMatch) {
        junction += ", Г = 0; ответы диаграммы, построенные по этим длинам, дают КСВ " +
                    FloatToStrF(builtVswr[0], 5, 3) + " и " + FloatToStrF(builtVswr[1], 5, 3) + ".";
    } else {
        junction += " — так по диаграмме; но " +
                    (n == 1 ? "ответ, построенный по этим длинам, даёт КСВ = " +
                                  ExactNumber(builtVswr[0], 2)
                            : "ответы, построенные по этим длинам, дают КСВ = " +
                                  ExactNumber(builtVswr[0], 2) + " (ответ 1) и " +
                                  ExactNumber(builtVswr[1], 2) + " (ответ 2)") +
                    ": у края диаграммы предел точности — её пиксель. Стройте точное решение: ";
        std::string exact;
        for (std::size_t i = 0; i < n; ++i) {
            if (builtVswr[i] <= kMatchedVswr) continue;
            const theory::TDoubleStubSolution& e = i == 0 ? p.Exact.First : p.Exact.Second;
            exact += (exact.empty() ? "" : "; ") +
                     (n == 1 ? std::string() : "ответ " + std::to_string(i + 1) + " — ") +
                     "l1 = " + ExactNumber(e.Stub1) + " λ, l2 = " + ExactNumber(e.Stub2) + " λ";
        }
        junction += exact + ".";
        if (n == 2)
            junction += " Лучше строится ответ " +
                        std::to_string(builtVswr[1] < builtVswr[0] ? 2 : 1) + ".";
    }
    steps.push_back(Step(junction, false, exactBuilt));
}

} // namespace

chart::TConstructionSteps DoubleStubSteps(const TDoubleStubConstruction& p,
                                          const chart::TLoadPoint& load,
                                          const std::array<double, 2>& builtVswr) {
    const TComplex z = load.Typed.Exact.ZNorm();
    const TComplex y1 = AdmittanceAt(z, p.FirstStub());
    chart::TConstructionSteps steps;
    RegionSteps(steps, p, z);
    PlaceStep(steps, p, y1);
    CrossingStep(steps, p, y1);
    for (std::size_t i = 0; i < p.Count(); ++i)
        SolutionSteps(steps, p, i);
    JunctionStep(steps, p, load, builtVswr);
    return steps;
}

} // namespace zmatch::methods
