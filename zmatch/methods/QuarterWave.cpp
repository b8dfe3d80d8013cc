#include "zmatch/methods/QuarterWave.h"

#include "zmatch/methods/ChartTurns.h"
#include "zmatch/methods/LoadLimits.h"
#include "zmatch/methods/Palette.h"
#include "zmatch/methods/Printed.h"

#include "chart/ExactText.h"
#include "chart/LoadSteps.h"
#include "chart/Marks.h"
#include "theory/QuarterWave.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace zmatch::methods {

const char* const kQuarterWaveLineMessage =
    "Четвертьволновый трансформатор — отрезок линии без потерь, и его Zт = √(Zв·R) "
    "вещественно только при вещественном Zв: задайте реактивную часть Zв равной нулю.";

namespace {

using tk::FloatToStrF;

// One place where the impedance is real, as the chart finds it: where the load's |Г| circle
// crosses the real axis, right (the voltage maximum) or left (the minimum).
struct TRealPlace {
    const char* Name;
    float Target = 0; // its screen angle
    float Sweep = 0;  // from the load's angle, clockwise
    chart::TPixel Point;
    chart::TImpedanceAt At; // read at that pixel
};

std::string Ohms(double v) {
    return FloatToStrF(v, 6, 2);
}

// The section itself: a quarter of a wavelength.
constexpr double kSection = 0.25;

// The place's reading, r = КСВ or 1/КСВ, to four significant digits, and what it is read
// from: the pixel where the |Г| circle meets the axis. «r = 2,593 (это КСВ: окружность |Г|
// встречает ось в 133 пикселях от центра)»; 1/КСВ = 0,008403 keeps its digits, so that
// R = r·Zв = 0,42 Ом comes out of it.
std::string PlaceReading(const TRealPlace& p, int rho, bool maximum) {
    const double r = p.At.R;
    const int decimals = std::max(2, 3 - int(std::floor(std::log10(std::fabs(r)))));
    return "r = " + FloatToStrF(r, 4, decimals) + (maximum ? " (это КСВ" : " (это 1/КСВ") +
           ": окружность |Г| встречает ось в " + std::to_string(rho) + " пикселях от центра)";
}

std::array<TRealPlace, 2> RealPlaces(const chart::TLoadPoint& load, float from) {
    std::array<TRealPlace, 2> places{{{"максимум напряжения", 0.0f, 0, {}, {}},
                                      {"минимум напряжения", float(chart::Pi), 0, {}, {}}}};
    for (TRealPlace& p : places) {
        p.Sweep = Sweep(from, p.Target);
        p.Point = {chart::ChartCenterX + (p.Target == 0 ? load.Rho : -load.Rho),
                   chart::ChartCenterY};
        p.At = chart::ImpedanceAt(p.Point);
    }
    return places;
}

std::string ExactText(const theory::TQuarterWaveSolution& e, double zv, double lambda) {
    std::string text = "d = " + ExactLengthText(e.Distance, lambda) +
                       ", R = " + chart::ExactNumber(e.R * zv) +
                       " Ом, Zт = " + chart::ExactNumber(e.Zt * zv) + " Ом";
    if (lambda != 1) text += ", отрезок " + ExactLengthText(kSection, lambda);
    return text;
}

// The chart's answers as printed: d to a thousandth of λ, Zт to a hundredth of an ohm.
TPrinted PrintedDistance(const TRealPlace& p) {
    return PrintedLength(Waves(p.Sweep));
}
TPrinted PrintedImpedance(const TRealPlace& p, double zv) {
    return Printed(zv * std::sqrt(double(p.At.R)), 6, 2);
}

double LineImpedance(const TMethodInput& in) {
    const theory::TComplex line = in.Load.Typed.Exact.Line;
    if (line.imag() != 0) throw tk::Exception(kQuarterWaveLineMessage);
    return line.real();
}

// One place's solution: as read at its pixel and exactly, and what is built from the print.
TSolution PlaceSolution(const TRealPlace& p, const theory::TQuarterWaveSolution& e, double zv,
                        theory::TComplex z, double lambda, std::size_t i) {
    const TPrinted d = PrintedDistance(p), zt = PrintedImpedance(p, zv);
    TSolution s;
    s.Name = std::string("через ") + p.Name;
    s.Color = SolutionColor(i);
    s.Reading = "d = " + LengthText(d, lambda) + ", Zт = " + zt.Text + " Ом";
    s.Exact = ExactText(e, zv, lambda);
    s.ChartValues = {Number("d", d.Value), Number("zt", zt.Value), Number("section", kSection)};
    s.ExactValues = {Number("d", e.Distance), Number("zt", e.Zt * zv), Number("section", kSection)};
    AddInUnit(s.ChartValues, {"d", "section"}, lambda);
    AddInUnit(s.ExactValues, {"d", "section"}, lambda);
    s.Printed = theory::QuarterWaveNetwork({d.Value, 0, zt.Value / zv});
    s.ExactNetwork = theory::QuarterWaveNetwork(e);
    s.BuiltVswr = theory::InputVswr(s.Printed, z, 1);
    return s;
}

chart::TConstructionStep PlaceStep(const TRealPlace& p, const theory::TQuarterWaveSolution& e,
                                   double zv, int rho, double lambda, std::size_t i) {
    const TPrinted d = PrintedDistance(p);
    const double r = p.At.R;
    return chart::Step(
        "Поворачиваем по окружности |Г| к генератору, по часовой стрелке, до вещественной "
        "оси " +
            std::string(i == 0 ? "справа" : "слева") + ", где сопротивление линии вещественно — " +
            p.Name + ": " + PlaceReading(p, rho, i == 0) + ", R = r·Zв = " + Ohms(r * zv) +
            " Ом; от нагрузки d = " + LengthText(d, lambda) + " (дуга " +
            (i == 0 ? "зелёная" : "пурпурная") + ").",
        chart::PrintsAlike(d.Value, e.Distance, 6, 3) && chart::PrintsAlike(r, e.R, 4, 2),
        "d = " + chart::ExactNumber(e.Distance) + " λ, r = " + chart::ExactNumber(e.R));
}

} // namespace

std::vector<std::string> QuarterWaveExact(const TMethodInput& in) {
    const double zv = LineImpedance(in);
    const theory::TQuarterWaveSolutions exact =
        theory::SolveQuarterWave(in.Load.Typed.Exact.ZNorm());
    if (exact.Case != theory::TMatchCase::Solved) return {};
    return {"через максимум напряжения: " + ExactText(exact.Maximum, zv, in.Options.Wavelength),
            "через минимум напряжения: " + ExactText(exact.Minimum, zv, in.Options.Wavelength)};
}

TMethodOutcome SolveQuarterWave(const TMethodInput& in) {
    const chart::TLoadPoint& load = in.Load;
    const double zv = LineImpedance(in);
    const theory::TComplex z = load.Typed.Exact.ZNorm();
    const theory::TQuarterWaveSolutions exact = theory::SolveQuarterWave(z);
    const float from = ScreenAngle(load.Ux, load.Uy);
    const std::array<TRealPlace, 2> places = RealPlaces(load, from);

    TMethodOutcome out;
    const double lambda = in.Options.Wavelength;
    const std::array<const theory::TQuarterWaveSolution*, 2> exacts{&exact.Maximum, &exact.Minimum};
    std::string sections, built;
    for (std::size_t i = 0; i < places.size(); ++i) {
        out.Solutions.push_back(PlaceSolution(places[i], *exacts[i], zv, z, lambda, i));
        out.Steps.push_back(PlaceStep(places[i], *exacts[i], zv, load.Rho, lambda, i));
        sections += std::string(i ? " или " : "") + PrintedImpedance(places[i], zv).Text +
                    " Ом (" + places[i].Name + ")";
        built += std::string(i ? ", " : "") +
                 chart::ExactRatios(std::abs(
                     theory::ReflectionOf(theory::InputImpedance(out.Solutions[i].Printed, z, 1))));
    }
    out.Steps.push_back(chart::Step(
        "Отрезок линии в четверть волны" + InUnitText(kSection, lambda) +
            " с волновым сопротивлением Zт = √(Zв·R) = " + sections +
            " превращает R в Zт²/R = Zв" + BuiltVerdict(out.Solutions, load.Typed.Exact),
        false, "отрезки, построенные по этим d и Zт: " + built));
    if (places[0].Sweep == 0 || places[1].Sweep == 0)
        out.Notes.push_back("Нагрузка на оси: до трансформатора линия не нужна, d = 0.");

    out.Draw = [places, from](tk::TCanvas& c, chart::TStepMarks& marks) {
        for (std::size_t i = 0; i < places.size(); ++i) {
            const TRealPlace& p = places[i];
            marks.Begin();
            // The turn on the wavelength scale, each solution a ring of its own, and the place.
            c.Pen.Color = SolutionColor(i);
            c.Pen.Width = 1;
            const int radius = kTurnArcRadius - 5 * int(i);
            const chart::TPixel tick = OnCircle(chart::WaveRingRadius, from);
            c.MoveTo(tick.X, tick.Y);
            const chart::TPixel start = OnCircle(radius, from);
            c.LineTo(start.X, start.Y);
            DrawArc(c, radius, from, p.Sweep);
            c.Pen.Width = 2;
            chart::DrawMarker(c, p.Point, SolutionColor(i));
            marks.End();
        }
        marks.Begin(); // the quarter-wave sections: read, not drawn
        marks.End();
    };
    return out;
}

} // namespace zmatch::methods
