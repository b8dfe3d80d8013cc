// The L-section told step by step, as LSection.cpp draws it: for each kind of section the
// circle it moves along or must reach, then each section from the load to the centre with
// the readings it is made of, then what the line sees. The readings are written as the labels
// write them, and each sum is written from the very readings it adds, so that it adds up:
// «b = 0,49 - (-0,20) = 0,69».
#include "zmatch/methods/LSection.h"
#include "zmatch/methods/LoadLimits.h"

#include "chart/ExactText.h"
#include "chart/LoadSteps.h"
#include "chart/ReadingText.h"
#include "measured/Frequency.h"
#include "toolkit/Conversions.h"

#include <string>

namespace zmatch::methods {

namespace {

using chart::ExactComplex;
using chart::ExactNumber;
using chart::GridReading;
using chart::PrintsAlike;
using theory::TComplex;
using theory::TNearLoad;

// A point read on the grid as r + jx, as the other readings are written.
std::string GridReading(const chart::TImpedanceAt& at) {
    return chart::ComplexText(at.R, at.X, 4, 2);
}

TComplex Complex(const chart::TImpedanceAt& at) {
    return {at.R, at.X};
}

// "0,49 - (-0,20)": the readings as read, a negative one in brackets.
std::string Difference(double a, double b) {
    const std::string right = GridReading(ChartReading(b));
    return GridReading(ChartReading(a)) + " - " + (b < 0 ? "(" + right + ")" : right);
}

// What an element is: an inductor or a capacitor, by the sign of its x in series or its b
// across.
std::string SeriesKind(double x) {
    return x > 0 ? "катушка" : "конденсатор";
}
std::string ShuntKind(double b) {
    return b > 0 ? "конденсатор" : "катушка";
}

// Both elements at the frequency, when one was typed: « На 500 МГц: C = 0,923 пФ,
// L = 38,8 нГн.»
std::string AtFrequency(const TLSectionPlan& p, const TLSectionOnChart& s) {
    if (p.Hz == 0 || (s.X == 0 && s.B == 0)) return "";
    const bool shuntFirst = s.Exact.NearLoad == TNearLoad::Shunt;
    std::string across = s.B != 0 ? WriteShunt(s.B, p.Zv, p.Hz).Text : "",
                series = s.X != 0 ? WriteSeries(s.X, p.Zv, p.Hz).Text : "";
    const std::string& near = shuntFirst ? across : series;
    const std::string& far = shuntFirst ? series : across;
    return " На " + measured::FrequencyText(p.Hz) + ": " + near +
           (!near.empty() && !far.empty() ? ", " : "") + far + ".";
}

// The exact crossing and elements beside a section's sentence.
std::string ExactSection(const TLSectionPlan& p, const TLSectionOnChart& s, TComplex zAt,
                         TComplex yAt) {
    std::string text = "z = " + ExactComplex(zAt) + ", y = " + ExactComplex(yAt) +
                       "; b = " + ExactNumber(s.Exact.B) + ", x = " + ExactNumber(s.Exact.X);
    if (p.Hz > 0) {
        // In the order the sentence names them, from the load: each beside its own reading.
        const std::string across = WriteShunt(s.Exact.B, p.Zv, p.Hz, true).Text,
                          series = WriteSeries(s.Exact.X, p.Zv, p.Hz, true).Text;
        text += "; " + (s.Exact.NearLoad == TNearLoad::Shunt ? across + ", " + series
                                                             : series + ", " + across);
    }
    return text;
}

// Whether the sentence's readings and elements print as the exact values do.
bool SectionAlike(const TLSectionPlan& p, const TLSectionOnChart& s, TComplex zAt, TComplex yAt) {
    const auto sameText = [&](double hz) {
        return WriteShunt(s.B, p.Zv, hz).Text == WriteShunt(s.Exact.B, p.Zv, hz).Text &&
               WriteSeries(s.X, p.Zv, hz).Text == WriteSeries(s.Exact.X, p.Zv, hz).Text;
    };
    return PrintsAlike(Complex(s.Z), zAt, 4, 2) && PrintsAlike(Complex(s.Y), yAt, 4, 2) &&
           PrintsAlike(s.B, s.Exact.B, 4, 2) && PrintsAlike(s.X, s.Exact.X, 4, 2) && sameText(0) &&
           (p.Hz == 0 || sameText(p.Hz));
}

// "катушка, X = 122 Ом", "конденсатор, B = 2,90 мСм".
std::string SeriesElement(const TLSectionPlan& p, double x) {
    return SeriesKind(x) + ", " + WriteSeries(x, p.Zv, 0).Text;
}
std::string ShuntElement(const TLSectionPlan& p, double b) {
    return ShuntKind(b) + ", " + WriteShunt(b, p.Zv, 0).Text;
}

// Whether the load's own circle of this kind is the unit one: its section needs the one
// element next to the load (g = 1 across first, r = 1 series first). A count of sections
// does not tell: 50 + j30 ohms on 50 keeps one section across first, as the other is the
// series element alone.
bool OnUnitCircle(const TLSectionPlan& p, TNearLoad kind) {
    for (const TLSectionOnChart& s : p.Sections)
        if (s.Exact.NearLoad == kind && (kind == TNearLoad::Shunt ? s.Exact.X : s.Exact.B) == 0)
            return true;
    return false;
}

chart::TConstructionStep ShuntFirstIntro(const TLSectionPlan& p, TComplex z) {
    const TComplex y = 1.0 / z;
    std::string text =
        "Элемент, включённый параллельно, складывается с нагрузкой проводимостями: меняет b и "
        "не трогает g. Проводимость нагрузки читаем напротив её точки через центр: y = " +
        GridReading(p.LoadY) +
        "; g ≤ 1, и окружность постоянной проводимости g = " + GridReading(p.G) +
        " через точку нагрузки (бирюзовая) ";
    text += OnUnitCircle(p, TNearLoad::Shunt)
                ? "— это окружность g = 1: она касается окружности r = 1 в центре диаграммы, и "
                  "параллельный элемент один доводит точку до центра."
                : "пересекает окружность r = 1, с которой последовательный элемент доведёт "
                  "точку до центра.";
    if (!p.HasSeriesFirst())
        text += " Последовательный элемент у нагрузки не подходит: " + AboveOneText("r", z.real()) +
                ", и окружность r нагрузки окружности g = 1 не достигает.";
    return chart::Step(text,
                       PrintsAlike(Complex(p.LoadY), y, 4, 2) && PrintsAlike(p.G, y.real(), 4, 2),
                       "y = 1/z = " + ExactComplex(y));
}

chart::TConstructionStep SeriesFirstIntro(const TLSectionPlan& p, TComplex z) {
    const double r = p.Load.ZNorm.real();
    std::string text =
        "Элемент, включённый последовательно, складывается с нагрузкой сопротивлениями: меняет "
        "x и не трогает r. У нагрузки r = " +
        GridReading(r) + " ≤ 1, и её окружность r (красная) ";
    text += OnUnitCircle(p, TNearLoad::Series)
                ? "— это окружность r = 1: она касается окружности единичной проводимости g = 1 "
                  "(бирюзовая) в центре диаграммы, и последовательный элемент один доводит "
                  "точку до центра."
                : "пересекает окружность единичной проводимости g = 1 (бирюзовая), с которой "
                  "параллельный элемент доведёт точку до центра.";
    if (!p.HasShuntFirst())
        text +=
            " Параллельный элемент у нагрузки не подходит: " + AboveOneText("g", (1.0 / z).real()) +
            ", и окружность g нагрузки окружности r = 1 не достигает.";
    return chart::Step(text, PrintsAlike(r, z.real(), 4, 2), "r = " + ExactNumber(z.real()));
}

// How a kind of section is told: the circle it moves along, the one it reaches, its two
// elements and their symbols.
struct TWords {
    std::string Along;
    const char *Target, *First, *FirstLower, *FirstSymbol, *Second, *SecondSymbol;
};

chart::TConstructionStep Section(const TLSectionPlan& p, const TLSectionOnChart& s, std::size_t i,
                                 TComplex z) {
    const bool shuntFirst = s.Exact.NearLoad == TNearLoad::Shunt;
    const TWords w = shuntFirst ? TWords{"g = " + GridReading(p.G),
                                         "r = 1",
                                         "Параллельный элемент",
                                         "параллельный элемент",
                                         "b",
                                         "последовательный элемент",
                                         "x"}
                                : TWords{"r = " + GridReading(p.Load.ZNorm.real()),
                                         "g = 1",
                                         "Последовательный элемент",
                                         "последовательный элемент",
                                         "x",
                                         "параллельный элемент",
                                         "b"};
    const double first = shuntFirst ? s.B : s.X, second = shuntFirst ? s.X : s.B;
    const std::string difference =
        shuntFirst ? Difference(s.Y.X, p.LoadY.X) : Difference(s.Z.X, p.LoadZ.X);
    const std::string firstElement = shuntFirst ? ShuntElement(p, s.B) : SeriesElement(p, s.X),
                      secondElement = shuntFirst ? SeriesElement(p, s.X) : ShuntElement(p, s.B);
    const double cancelled = ChartReading(shuntFirst ? s.Z.X : s.Y.X);
    const std::string readings = "z = " + GridReading(s.Z) + ", y = " + GridReading(s.Y);
    const std::string place = s.Crossing == chart::TPixel{chart::ChartCenterX, chart::ChartCenterY}
                                  ? "в центр диаграммы"
                              : s.Crossing.Y < chart::ChartCenterY ? "в точку над осью"
                                                                   : "в точку под осью";

    std::string text = "Решение " + std::to_string(i + 1) + ", " + ColorName(i) +
                       ": по окружности " + w.Along + " идём до окружности " + w.Target;
    const double exactFirst = shuntFirst ? s.Exact.B : s.Exact.X,
                 exactSecond = shuntFirst ? s.Exact.X : s.Exact.B;
    if (first == 0 && exactFirst == 0)
        text += " — точка нагрузки уже на ней: " + readings + ", и " + w.FirstLower +
                " не нужен (" + w.FirstSymbol + " = " + difference + " = " + GridReading(0) + ").";
    else if (first == 0)
        text += ": отсчёты у её пикселя те же, что у нагрузки, " + readings + ", " + w.FirstSymbol +
                " = " + difference + " = " + GridReading(0) + ", и по диаграмме " + w.FirstLower +
                " не нужен; точно же " + w.FirstSymbol + " = " + ExactNumber(exactFirst) +
                ": здесь пиксель диаграммы его не различает.";
    else
        text += ", " + place + ": там " + readings + ". " + w.First + " добавляет " +
                w.FirstSymbol + " = " + difference + " = " + GridReading(first) + ": " +
                firstElement + ".";
    if (second == 0 && exactSecond == 0)
        text += " Точка уже в центре: " + std::string(w.Second) + " не нужен.";
    else if (second == 0)
        text += " По диаграмме точка уже в центре (" + std::string(w.SecondSymbol) + " = " +
                GridReading(cancelled) + "), и " + w.Second + " не нужен; точно же " +
                w.SecondSymbol + " = " + ExactNumber(exactSecond) +
                ": здесь пиксель диаграммы его не различает.";
    else
        text += " Дальше по окружности " + std::string(w.Target) + " к центру: " + w.Second +
                " гасит " + w.SecondSymbol + " = " + GridReading(cancelled) + ", ему нужно " +
                w.SecondSymbol + " = " + GridReading(second) + ": " + secondElement + ".";
    text += AtFrequency(p, s);

    const TComplex zAt = shuntFirst ? 1.0 / TComplex((1.0 / z).real(), (1.0 / z).imag() + s.Exact.B)
                                    : z + TComplex(0, s.Exact.X);
    const TComplex yAt = 1.0 / zAt;
    return chart::Step(text, SectionAlike(p, s, zAt, yAt), ExactSection(p, s, zAt, yAt));
}

} // namespace

chart::TConstructionSteps LSectionSteps(const TLSectionPlan& p,
                                        const std::vector<TSolution>& solutions) {
    const TComplex z = p.Load.Typed.Exact.ZNorm();
    chart::TConstructionSteps steps;
    std::size_t i = 0;
    for (const bool shuntFirst : {true, false}) {
        if (!(shuntFirst ? p.HasShuntFirst() : p.HasSeriesFirst())) continue;
        steps.push_back(shuntFirst ? ShuntFirstIntro(p, z) : SeriesFirstIntro(p, z));
        for (const TLSectionOnChart& s : p.Sections)
            if ((s.Exact.NearLoad == TNearLoad::Shunt) == shuntFirst)
                steps.push_back(Section(p, s, i++, z));
    }
    std::string vswr;
    for (std::size_t k = 0; k < solutions.size(); ++k)
        vswr += (k ? "; " : "") + ExactNumber(solutions[k].BuiltVswr);
    steps.push_back(
        chart::Step("Все звенья приводят точку в центр диаграммы, z = 1 (красный кружок)" +
                        BuiltVerdict(solutions, p.Load.Typed.Exact),
                    false, "КСВ звеньев, построенных по напечатанным значениям: " + vswr));
    return steps;
}

} // namespace zmatch::methods
