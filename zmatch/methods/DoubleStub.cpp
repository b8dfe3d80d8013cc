// The double stub's outcome as the methods window shows it: each solution's lengths as the
// chart reads them and exactly, the answer built from the printed lengths, the forbidden
// region's notes with the exact shortest distance out of it, the steps and the drawing; and
// where the chart cannot construct, the refusal with the exact answer.
#include "zmatch/methods/DoubleStub.h"

#include "zmatch/methods/Palette.h"
#include "zmatch/methods/Printed.h"

#include "chart/ExactText.h"
#include "chart/ReadingText.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <array>
#include <cmath>
#include <string>

namespace zmatch::methods {

namespace {

std::string ExactLengths(const theory::TDoubleStubSolution& e, double lambda) {
    return "l1 = " + ExactLengthText(e.Stub1, lambda) +
           ", l2 = " + ExactLengthText(e.Stub2, lambda);
}

// "l1 = …, l2 = … λ или l1 = …, l2 = … λ", or the one solution on the boundary.
std::string ExactAnswers(const std::array<theory::TDoubleStubSolution, 2>& at, bool tangent,
                         double lambda) {
    return tangent ? "одно решение (касание), " + ExactLengths(at[0], lambda)
                   : ExactLengths(at[0], lambda) + " или " + ExactLengths(at[1], lambda);
}

std::string Place(double firstStub) {
    return firstStub == 0 ? std::string("у самой нагрузки")
                          : "в " + chart::ShortNumber(firstStub) + " λ от нагрузки";
}

// Where the chart's remedy is not the exact shortest distance out of the region: that
// distance and its solutions.
std::string ShortestNote(const theory::TDoubleStubSolutions& e, double lambda) {
    return "Точно ближайшее к нагрузке место вне области — d1 = " + chart::ExactNumber(e.Shortest) +
           " λ" + (e.ShortestTangent ? ", на её границе: " : ": ") +
           ExactAnswers(e.AtShortest, e.ShortestTangent, lambda) + ".";
}

void AddForbiddenNotes(TMethodOutcome& out, const TDoubleStubConstruction& p, double lambda) {
    out.Extra.push_back(Number("first_stub", p.FirstStub()));
    AddInUnit(out.Extra, {"first_stub"}, lambda);
    out.Extra.push_back(Number("exact_first_stub", p.Exact.Shortest));
    AddInUnit(out.Extra, {"exact_first_stub"}, lambda);
    out.Notes.push_back("Запретная область: у первого шлейфа g > 1/sin²(2πs) = " +
                        chart::GridReading(p.Largest) + ".");
    out.Notes.push_back("Первый шлейф перенесён " +
                        (p.FirstStub() == 0
                             ? std::string("к самой нагрузке")
                             : "на " + chart::ShortNumber(p.FirstStub()) + " λ" +
                                   InUnitText(p.FirstStub(), lambda) + " от нагрузки") +
                        // The note's row is the window's column wide: with the length in the
                        // wavelength's unit too, what follows from the row above is left out.
                        (lambda == 1 ? ", решено там." : "."));
    if (p.Exact.Shortest != p.FirstStub()) out.Notes.push_back(ShortestNote(p.Exact, lambda));
}

} // namespace

std::string DoubleStubRefusal(const chart::TLoadPoint& load, const TMethodOptions& o) {
    const theory::TDoubleStubSolutions e =
        theory::SolveDoubleStub(load.Typed.Exact.ZNorm(), o.Stub, o.FirstStub, o.Spacing);
    std::string text = kDoubleStubChartMessage;
    if (e.Case != theory::TMatchCase::Solved || !ResolvableSpacing(o.Spacing)) return text;
    text += " Точно (линия без потерь): ";
    if (e.Forbidden)
        text += "первый шлейф " + Place(o.FirstStub) + " — в запретной области. " +
                ShortestNote(e, o.Wavelength) + " Первый шлейф " + Place(e.FirstStub) + ": ";
    else
        text += "первый шлейф " + Place(e.FirstStub) + ": ";
    return text + ExactAnswers({e.First, e.Second}, e.Tangent, o.Wavelength) + ".";
}

TMethodOutcome SolveDoubleStub(const TMethodInput& in) {
    TDoubleStubConstruction p = [&] {
        try {
            return PlanDoubleStub(in.Load, in.Options);
        } catch (const tk::Exception& e) {
            if (e.Message != kDoubleStubChartMessage) throw;
            throw tk::Exception(DoubleStubRefusal(in.Load, in.Options));
        }
    }();
    const double lambda = p.Wavelength = in.Options.Wavelength;
    const theory::TComplex z = in.Load.Typed.Exact.ZNorm();
    const std::array<const theory::TDoubleStubSolution*, 2> exacts{&p.Exact.First, &p.Exact.Second};
    TMethodOutcome out;
    std::array<double, 2> built{};
    for (std::size_t i = 0; i < p.Count(); ++i) {
        const TDoubleStubOnChart& c = p.Solutions[i];
        const theory::TDoubleStubSolution& e = *exacts[i];
        TSolution s;
        s.Name = p.Count() == 1 ? "через точку B" : "через точку B" + std::to_string(i + 1);
        s.Color = SolutionColor(i);
        // The chart's answer as printed: the lengths to a thousandth of λ.
        const TPrinted l1 = PrintedLength(c.Stub1()), l2 = PrintedLength(c.Stub2());
        s.Reading = "l1 = " + LengthText(l1, lambda) + ", l2 = " + LengthText(l2, lambda);
        s.Exact = ExactLengths(e, lambda) + "; шлейфы добавляют b1 = " + chart::ExactNumber(e.B1) +
                  ", b2 = " + chart::ExactNumber(e.B2);
        if (p.Forbidden())
            s.Exact += p.FirstStub() == 0
                           ? std::string("; первый у самой нагрузки")
                           : "; первый в " + chart::ShortNumber(p.FirstStub()) + " λ" +
                                 InUnitText(p.FirstStub(), lambda) + " от нагрузки";
        s.ChartValues = {Number("l1", l1.Value), Number("l2", l2.Value)};
        s.ExactValues = {Number("l1", e.Stub1), Number("l2", e.Stub2)};
        AddInUnit(s.ChartValues, {"l1", "l2"}, lambda);
        AddInUnit(s.ExactValues, {"l1", "l2"}, lambda);
        // What is built: the lengths as printed, the distances as typed (or the remedy's).
        s.Printed =
            theory::DoubleStubNetwork({0, 0, l1.Value, l2.Value}, p.Kind, p.FirstStub(), p.Spacing);
        s.ExactNetwork = theory::DoubleStubNetwork(e, p.Kind, p.FirstStub(), p.Spacing);
        s.BuiltVswr = theory::InputVswr(s.Printed, z, 1);
        built[i] = s.BuiltVswr;
        out.Solutions.push_back(std::move(s));
    }
    out.Extra = {Flag("forbidden", p.Forbidden())};
    if (p.Forbidden()) AddForbiddenNotes(out, p, lambda);
    out.Steps = DoubleStubSteps(p, in.Load, built);
    out.Draw = [p](tk::TCanvas& c, chart::TStepMarks& marks) { DrawDoubleStub(c, p, marks); };
    return out;
}

} // namespace zmatch::methods
