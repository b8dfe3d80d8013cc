#include "zmatch/methods/QuarterWave.h"

#include "zmatch/methods/ChartTurns.h"
#include "zmatch/methods/Palette.h"
#include "zmatch/methods/Printed.h"

#include "chart/ExactText.h"
#include "chart/LoadSteps.h"
#include "chart/Marks.h"
#include "theory/QuarterWave.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <array>
#include <cmath>
#include <string>

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

} // namespace

TMethodOutcome SolveQuarterWave(const TMethodInput& in) {
    const chart::TLoadPoint& load = in.Load;
    const theory::TComplex line = load.Typed.Exact.Line, z = load.Typed.Exact.ZNorm();
    if (line.imag() != 0) throw tk::Exception(kQuarterWaveLineMessage);
    const double zv = line.real();
    const theory::TQuarterWaveSolutions exact = theory::SolveQuarterWave(z);

    const float from = ScreenAngle(load.Ux, load.Uy);
    std::array<TRealPlace, 2> places{{{"максимум напряжения", 0.0f, 0, {}, {}},
                                      {"минимум напряжения", float(chart::Pi), 0, {}, {}}}};
    for (TRealPlace& p : places) {
        p.Sweep = Sweep(from, p.Target);
        p.Point = {chart::ChartCenterX + (p.Target == 0 ? load.Rho : -load.Rho),
                   chart::ChartCenterY};
        p.At = chart::ImpedanceAt(p.Point);
    }

    TMethodOutcome out;
    const double lambda = in.Options.Wavelength;
    const std::array<const theory::TQuarterWaveSolution*, 2> exacts{&exact.Maximum, &exact.Minimum};
    std::string sections, built;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const TRealPlace& p = places[i];
        const theory::TQuarterWaveSolution& e = *exacts[i];
        const double r = p.At.R;
        // The chart's answer as printed: d to a thousandth of λ, Zт to a hundredth of an ohm.
        const TPrinted d = PrintedLength(Waves(p.Sweep)),
                       zt = Printed(zv * std::sqrt(double(r)), 6, 2);
        TSolution s;
        s.Name = std::string("через ") + p.Name;
        s.Color = SolutionColor(i);
        s.Reading = "d = " + LengthText(d, lambda) + ", Zт = " + zt.Text + " Ом";
        s.Exact = "d = " + ExactLengthText(e.Distance, lambda) +
                  ", R = " + chart::ExactNumber(e.R * zv) +
                  " Ом, Zт = " + chart::ExactNumber(e.Zt * zv) + " Ом";
        if (lambda != 1) s.Exact += ", отрезок " + ExactLengthText(kSection, lambda);
        s.ChartValues = {Number("d", d.Value), Number("zt", zt.Value), Number("section", kSection)};
        s.ExactValues = {Number("d", e.Distance), Number("zt", e.Zt * zv),
                         Number("section", kSection)};
        AddInUnit(s.ChartValues, {"d", "section"}, lambda);
        AddInUnit(s.ExactValues, {"d", "section"}, lambda);
        s.Printed = theory::QuarterWaveNetwork({d.Value, 0, zt.Value / zv});
        s.ExactNetwork = theory::QuarterWaveNetwork(e);
        s.BuiltVswr = theory::InputVswr(s.Printed, z, 1);
        out.Steps.push_back(chart::Step(
            "Поворачиваем по окружности |Г| к генератору, по часовой стрелке, до вещественной "
            "оси " +
                std::string(i == 0 ? "справа" : "слева") +
                ", где сопротивление линии "
                "вещественно — " +
                p.Name + ": r = " + FloatToStrF(r, 4, 2) +
                (i == 0 ? " (это КСВ)" : " (это 1/КСВ)") + ", R = r·Zв = " + Ohms(r * zv) +
                " Ом; от нагрузки d = " + LengthText(d, lambda) + " (дуга " +
                (i == 0 ? "зелёная" : "пурпурная") + ").",
            chart::PrintsAlike(d.Value, e.Distance, 6, 3) && chart::PrintsAlike(r, e.R, 4, 2),
            "d = " + chart::ExactNumber(e.Distance) + " λ, r = " + chart::ExactNumber(e.R)));
        sections += std::string(i ? " или " : "") + zt.Text + " Ом (" + p.Name + ")";
        built += std::string(i ? ", " : "") + chart::ExactRatios(std::abs(theory::ReflectionOf(
                                                  theory::InputImpedance(s.Printed, z, 1))));
        out.Solutions.push_back(std::move(s));
    }
    out.Steps.push_back(chart::Step(
        "Отрезок линии в четверть волны" + InUnitText(kSection, lambda) +
            " с волновым сопротивлением Zт = √(Zв·R) = " + sections +
            " превращает R в Zт²/R = Zв: к генератору линия видит согласованную нагрузку.",
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
