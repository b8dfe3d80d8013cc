// The L-section's construction: the plan (circles, crossings, readings) and the solutions.
// The elements as written are in LSectionElements.cpp. Its drawing is in LSectionDrawing.cpp, its
// sentences in LSectionSteps.cpp.
#include "zmatch/methods/LSection.h"

#include "zmatch/StubMatch.h"
#include "zmatch/methods/Palette.h"
#include "zmatch/methods/Printed.h"

#include "chart/CircleIntersect.h"
#include "chart/Circles.h"
#include "chart/ExactText.h"
#include "chart/ReadingText.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Single.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace zmatch::methods {

const char* const kLSectionLineMessage =
    "Г-образное звено согласует нагрузку с линией без потерь: его элементы X = x·Zв и "
    "B = b/Zв чисто реактивны только при вещественном Zв. Задайте реактивную часть Zв равной "
    "нулю.";
const char* const kLSectionFrequencyMessage =
    "L и C звена считаются для частот от 1 Гц до 1000 ГГц: введите частоту в этих пределах "
    "или оставьте поле пустым, чтобы получить реактивные сопротивления и проводимости.";

using chart::ChartCenterX;
using chart::ChartCenterY;
using chart::TPixel;
using theory::TNearLoad;
using tk::ToSingle;
using tk::Trunc;

namespace {

// Where L and C are written: within these frequencies the elements of any line the chart
// takes (Zв a float) stay finite and above zero in nH and pF.
constexpr double kLowestHz = 1, kHighestHz = 1e12;

// The g circle of a value: the resistance circle of that value turned about the centre, as
// the admittance grid draws it.
TAxisCircle ConductanceCirclePixels(float g) {
    const chart::TRCirclePixels px =
        chart::RCirclePixels(ToSingle(g / (1.0 + g)), ToSingle(1 / (1.0 + g)));
    return {2 * ChartCenterX - px.PixX, px.PixR};
}

// Where the circles a and b cross, the crossing above the axis or the one below, truncated.
// Circles that the truncation of their pixels leaves apart (they touch at the centre, where
// g or r is 1 to a float's precision) meet where a reaches toward b.
TPixel Crossing(TAxisCircle a, TAxisCircle b, bool above) {
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    float x1 = nan, y1 = nan, x2 = nan, y2 = nan;
    if (!chart::CircleIntersect(float(a.X), float(ChartCenterY), float(a.R), float(b.X),
                                float(ChartCenterY), float(b.R), &x1, &y1, &x2, &y2))
        return {a.X + (b.X > a.X ? a.R : -a.R), ChartCenterY};
    const bool firstAbove = y1 < y2;
    return above == firstAbove ? TPixel{Trunc(x1), Trunc(y1)} : TPixel{Trunc(x2), Trunc(y2)};
}

// An element read as the difference of two readings; one that reads 0,00 is not needed.
double Element(double v) {
    return std::fabs(v) < 0.005 ? 0 : v;
}

// The JSON's object of an element: {"kind": "L", "value": 3.898e-8}.
TReportedValue LumpedValue(const char* key, const theory::TLumped& e) {
    return Object(key, {Word("kind", e.Kind == theory::TLumped::TKind::L ? "L" : "C"),
                        Number("value", e.Value)});
}

// A section's values: near_load, x in ohms and b in siemens, and at a frequency the elements
// there are (one the section does without is left out).
TReportedValues SectionValues(TNearLoad near, double x, double b, double zv, double hz) {
    TReportedValues v{Word("near_load", near == TNearLoad::Shunt ? "shunt" : "series"),
                      Number("x", x * zv), Number("b", b / zv)};
    if (hz > 0) {
        if (x != 0) v.push_back(LumpedValue("series_element", theory::OfReactance(x * zv, hz)));
        if (b != 0) v.push_back(LumpedValue("shunt_element", theory::OfSusceptance(b / zv, hz)));
    }
    return v;
}

// The same of the elements as written: the very values printed and built.
TReportedValues SectionValues(TNearLoad near, const TWrittenElement& series,
                              const TWrittenElement& across, double hz) {
    TReportedValues v{Word("near_load", near == TNearLoad::Shunt ? "shunt" : "series"),
                      Number("x", series.Reported), Number("b", across.Reported)};
    if (hz > 0) {
        if (*series.Kind != 0) v.push_back(LumpedValue("series_element", series.Lumped));
        if (*across.Kind != 0) v.push_back(LumpedValue("shunt_element", across.Lumped));
    }
    return v;
}

// The legend's name: the elements from the load, «C параллельно, L последовательно».
std::string SectionName(bool shuntFirst, const TWrittenElement& across,
                        const TWrittenElement& series) {
    const std::string a = across.Kind + std::string(" параллельно"),
                      s = series.Kind + std::string(" последовательно");
    const bool hasA = *across.Kind != 0, hasS = *series.Kind != 0;
    if (hasA && hasS) return shuntFirst ? a + ", " + s : s + ", " + a;
    if (hasA || hasS) return "только " + (hasA ? a : s);
    return "без элементов";
}

// The elements from the load, the one next to it said so, and none that is not needed:
// "B = 2,90 мСм у нагрузки, X = 122 Ом".
std::string SectionText(bool shuntFirst, const TWrittenElement& across,
                        const TWrittenElement& series) {
    const TWrittenElement& near = shuntFirst ? across : series;
    const TWrittenElement& far = shuntFirst ? series : across;
    const bool hasNear = *near.Kind != 0, hasFar = *far.Kind != 0;
    if (hasNear && hasFar) return near.Text + " у нагрузки, " + far.Text;
    if (hasNear || hasFar) return (hasNear ? near : far).Text;
    return "элементы не нужны";
}

// Line theory's value that is zero but for rounding: where g or r is 1, x' = ±√(r - r²)
// and x cancel to within 1e-16 (0,8 + j0,4 leaves x = -1,1e-16, no capacitor of 1e13 F).
double Cleaned(double v) {
    return std::fabs(v) < 1e-12 ? 0 : v;
}

// A network of one element is the same network whichever element theory put next to the
// load: at r = 1 the section «series first» is x = -x alone, and one of those «across
// first» is the same x with b = 0 (50 + j30 ohms on 50). It is given once, as the section
// of its own element's kind, whose circle the load already stands on.
bool SameAlone(const theory::TLSectionSolution& a, const theory::TLSectionSolution& b) {
    const auto near = [](double u, double v) { return std::fabs(u - v) <= 1e-9 * std::fabs(v); };
    return (a.B == 0 && b.B == 0 && near(a.X, b.X)) || (a.X == 0 && b.X == 0 && near(a.B, b.B));
}

bool OfItsOwnKind(const theory::TLSectionSolution& s) {
    return s.NearLoad == TNearLoad::Shunt ? s.X == 0 : s.B == 0;
}

} // namespace

std::vector<theory::TLSectionSolution> DistinctSections(theory::TComplex z) {
    std::vector<theory::TLSectionSolution> all;
    for (const theory::TLSectionSolution& e : theory::SolveLSection(z))
        all.push_back({e.NearLoad, Cleaned(e.X), Cleaned(e.B)});
    std::vector<theory::TLSectionSolution> out;
    for (const theory::TLSectionSolution& e : all) {
        const bool replaced = std::any_of(all.begin(), all.end(), [&](const auto& other) {
            return &other != &e && OfItsOwnKind(other) && !OfItsOwnKind(e) && SameAlone(e, other);
        });
        if (!replaced) out.push_back(e);
    }
    return out;
}

bool LSectionFrequencyInRange(double hz) {
    return hz >= kLowestHz && hz <= kHighestHz;
}

std::vector<std::string> LSectionExact(const TMethodInput& in) {
    const theory::TComplex line = in.Load.Typed.Exact.Line;
    if (line.imag() != 0) throw tk::Exception(kLSectionLineMessage);
    const double zv = line.real(), hz = in.Options.Hz;
    std::vector<std::string> out;
    for (const theory::TLSectionSolution& e : DistinctSections(in.Load.Typed.Exact.ZNorm())) {
        const bool shuntFirst = e.NearLoad == TNearLoad::Shunt;
        const TWrittenElement across = WriteShunt(e.B, zv, hz, true),
                              series = WriteSeries(e.X, zv, hz, true);
        out.push_back(SectionName(shuntFirst, across, series) + ": " +
                      SectionText(shuntFirst, across, series));
    }
    return out;
}

double ChartReading(double v) {
    if (v == 0 || !std::isfinite(v)) return v;
    const int decimals = std::min(2, 3 - int(std::floor(std::log10(std::fabs(v)))));
    const double unit = std::pow(10.0, decimals);
    return std::round(v * unit) / unit;
}

std::string AboveOneText(const char* name, double v) {
    const std::string read = chart::GridReading(v);
    return std::string(name) + " = " +
           (read == chart::GridReading(1) ? chart::ExactNumber(v) : read) + " > 1";
}

const char* ColorName(std::size_t i) {
    static const char* const kNames[] = {"зелёное", "пурпурное", "коричневое", "голубое"};
    return kNames[i % std::size(kNames)];
}

bool TLSectionPlan::HasShuntFirst() const {
    return std::any_of(Sections.begin(), Sections.end(), [](const TLSectionOnChart& s) {
        return s.Exact.NearLoad == TNearLoad::Shunt;
    });
}

bool TLSectionPlan::HasSeriesFirst() const {
    return std::any_of(Sections.begin(), Sections.end(), [](const TLSectionOnChart& s) {
        return s.Exact.NearLoad == TNearLoad::Series;
    });
}

TLSectionPlan PlanLSection(const TMethodInput& in) {
    const theory::TComplex line = in.Load.Typed.Exact.Line;
    if (line.imag() != 0) throw tk::Exception(kLSectionLineMessage);
    const double hz = in.Options.Hz;
    if (hz != 0 && !LSectionFrequencyInRange(hz)) throw tk::Exception(kLSectionFrequencyMessage);
    TLSectionPlan p;
    p.Load = in.Load;
    p.Zv = line.real();
    p.Hz = hz;
    p.LoadZ = chart::ImpedanceAt(in.Load.Point);
    p.LoadY = chart::ImpedanceAt(chart::Opposite(in.Load.Point));
    p.G = ToSingle((1.0 / in.Load.ZNorm).real());
    p.GCircle = ConductanceCirclePixels(p.G);
    p.RCircle = {in.Load.RCircle.PixX, in.Load.RCircle.PixR};
    for (const theory::TLSectionSolution& e : DistinctSections(in.Load.Typed.Exact.ZNorm())) {
        TLSectionOnChart s;
        s.Exact = e;
        const bool shuntFirst = e.NearLoad == TNearLoad::Shunt;
        // Element across first: z = 1 - jx' on r = 1 is cancelled by x = x' > 0, below the
        // axis. Series first: y = 1 - jb' on g = 1 by b = b' > 0, z = r + jx' above it.
        s.Crossing = shuntFirst ? Crossing(p.GCircle, kUnitResistanceCircle, e.X < 0)
                                : Crossing(p.RCircle, kUnitConductanceCircle, e.B > 0);
        s.Z = chart::ImpedanceAt(s.Crossing);
        s.Y = chart::ImpedanceAt(chart::Opposite(s.Crossing));
        if (!s.Z.Defined || !s.Y.Defined || !p.LoadZ.Defined || !p.LoadY.Defined)
            throw tk::Exception(kConstructionMessage);
        if (shuntFirst) {
            s.B = Element(ChartReading(s.Y.X) - ChartReading(p.LoadY.X));
            s.X = Element(-ChartReading(s.Z.X));
        } else {
            s.X = Element(ChartReading(s.Z.X) - ChartReading(p.LoadZ.X));
            s.B = Element(-ChartReading(s.Y.X));
        }
        p.Sections.push_back(s);
    }
    if (p.Sections.empty()) throw tk::Exception(kConstructionMessage);
    return p;
}

TMethodOutcome SolveLSection(const TMethodInput& in) {
    const TLSectionPlan plan = PlanLSection(in);
    const theory::TComplex z = in.Load.Typed.Exact.ZNorm();
    const double zv = plan.Zv, hz = plan.Hz;
    TMethodOutcome out;
    for (std::size_t i = 0; i < plan.Sections.size(); ++i) {
        const TLSectionOnChart& s = plan.Sections[i];
        const theory::TLSectionSolution& e = s.Exact;
        const bool shuntFirst = e.NearLoad == TNearLoad::Shunt;
        const TWrittenElement series = WriteSeries(s.X, zv, hz), across = WriteShunt(s.B, zv, hz);
        TSolution sol;
        sol.Name = SectionName(shuntFirst, across, series);
        sol.Color = SolutionColor(i);
        sol.Reading = SectionText(shuntFirst, across, series);
        sol.Exact =
            SectionText(shuntFirst, WriteShunt(e.B, zv, hz, true), WriteSeries(e.X, zv, hz, true));
        if (hz > 0)
            sol.Exact += " (" +
                         SectionText(shuntFirst, WriteShunt(e.B, zv, 0, true),
                                     WriteSeries(e.X, zv, 0, true)) +
                         ")";
        sol.ChartValues = SectionValues(e.NearLoad, series, across, hz);
        sol.ExactValues = SectionValues(e.NearLoad, e.X, e.B, zv, hz);
        // What is built: the elements as printed, three significant digits.
        sol.Printed = theory::LSectionNetwork({e.NearLoad, series.Built, across.Built});
        sol.ExactNetwork = theory::LSectionNetwork(e);
        sol.BuiltVswr = theory::InputVswr(sol.Printed, z, 1);
        out.Solutions.push_back(std::move(sol));
    }
    if (!plan.HasShuntFirst())
        out.Notes.push_back("Параллельный элемент у нагрузки не годится: " +
                            AboveOneText("g", (1.0 / z).real()) + ".");
    if (!plan.HasSeriesFirst())
        out.Notes.push_back(
            "Последовательный элемент у нагрузки не годится: " + AboveOneText("r", z.real()) + ".");
    out.Steps = LSectionSteps(plan, out.Solutions);
    out.Draw = [plan](tk::TCanvas& c, chart::TStepMarks& marks) { DrawLSection(plan, c, marks); };
    return out;
}

} // namespace zmatch::methods
