// The double stub's outcome as the methods window shows it: each solution's lengths as the
// chart reads them and exactly, the answer built from the printed lengths, the forbidden
// region's notes with the exact shortest distance out of it, the steps and the drawing; and
// where the chart cannot construct, the refusal with the exact answer.
#include "zmatch/methods/DoubleStub.h"

#include "zmatch/methods/Palette.h"

#include "chart/ExactText.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <array>
#include <cmath>
#include <string>

namespace zmatch::methods {

namespace {

std::string Length(double v) {
    return tk::FloatToStrF(v, 6, 3);
}

double Rounded(double v) {
    return std::round(v * 1e3) / 1e3;
}

std::string ExactLengths(const theory::TDoubleStubSolution& e) {
    return "l1 = " + chart::ExactNumber(e.Stub1) + " λ, l2 = " + chart::ExactNumber(e.Stub2) + " λ";
}

// "l1 = …, l2 = … λ или l1 = …, l2 = … λ", or the one solution on the boundary.
std::string ExactAnswers(const std::array<theory::TDoubleStubSolution, 2>& at, bool tangent) {
    return tangent ? "одно решение (касание), " + ExactLengths(at[0])
                   : ExactLengths(at[0]) + " или " + ExactLengths(at[1]);
}

std::string Place(double firstStub) {
    return firstStub == 0 ? std::string("у самой нагрузки")
                          : "в " + chart::ShortNumber(firstStub) + " λ от нагрузки";
}

// Where the chart's remedy is not the exact shortest distance out of the region: that
// distance and its solutions.
std::string ShortestNote(const theory::TDoubleStubSolutions& e) {
    return "Точно ближайшее к нагрузке место вне области — d1 = " + chart::ExactNumber(e.Shortest) +
           " λ" + (e.ShortestTangent ? ", на её границе: " : ": ") +
           ExactAnswers(e.AtShortest, e.ShortestTangent) + ".";
}

void AddForbiddenNotes(TMethodOutcome& out, const TDoubleStubConstruction& p) {
    out.Extra.push_back(Number("first_stub", p.FirstStub()));
    out.Extra.push_back(Number("exact_first_stub", p.Exact.Shortest));
    out.Notes.push_back("Запретная область: у первого шлейфа g > 1/sin²(2πs) = " +
                        tk::FloatToStrF(p.Largest, 4, 2) + ".");
    out.Notes.push_back("Первый шлейф перенесён " +
                        (p.FirstStub() == 0
                             ? std::string("к самой нагрузке")
                             : "на " + chart::ShortNumber(p.FirstStub()) + " λ от нагрузки") +
                        ", решено там.");
    if (p.Exact.Shortest != p.FirstStub()) out.Notes.push_back(ShortestNote(p.Exact));
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
                ShortestNote(e) + " Первый шлейф " + Place(e.FirstStub) + ": ";
    else
        text += "первый шлейф " + Place(e.FirstStub) + ": ";
    return text + ExactAnswers({e.First, e.Second}, e.Tangent) + ".";
}

TMethodOutcome SolveDoubleStub(const TMethodInput& in) {
    const TDoubleStubConstruction p = [&] {
        try {
            return PlanDoubleStub(in.Load, in.Options);
        } catch (const tk::Exception& e) {
            if (e.Message != kDoubleStubChartMessage) throw;
            throw tk::Exception(DoubleStubRefusal(in.Load, in.Options));
        }
    }();
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
        s.Reading = "l1 = " + Length(c.Stub1()) + " λ, l2 = " + Length(c.Stub2()) + " λ";
        s.Exact = ExactLengths(e) + "; шлейфы добавляют b1 = " + chart::ExactNumber(e.B1) +
                  ", b2 = " + chart::ExactNumber(e.B2);
        if (p.Forbidden())
            s.Exact += p.FirstStub() == 0
                           ? std::string("; первый у самой нагрузки")
                           : "; первый в " + chart::ShortNumber(p.FirstStub()) + " λ от нагрузки";
        s.ChartValues = {Number("l1", c.Stub1()), Number("l2", c.Stub2())};
        s.ExactValues = {Number("l1", e.Stub1), Number("l2", e.Stub2)};
        // What is built: the lengths as printed, the distances as typed (or the remedy's).
        s.Printed = theory::DoubleStubNetwork({0, 0, Rounded(c.Stub1()), Rounded(c.Stub2())},
                                              p.Kind, p.FirstStub(), p.Spacing);
        s.ExactNetwork = theory::DoubleStubNetwork(e, p.Kind, p.FirstStub(), p.Spacing);
        s.BuiltVswr = theory::InputVswr(s.Printed, z, 1);
        built[i] = s.BuiltVswr;
        out.Solutions.push_back(std::move(s));
    }
    out.Extra = {Flag("forbidden", p.Forbidden())};
    if (p.Forbidden()) AddForbiddenNotes(out, p);
    out.Steps = DoubleStubSteps(p, in.Load, built);
    out.Draw = [p](tk::TCanvas& c, chart::TStepMarks& marks) { DrawDoubleStub(c, p, marks); };
    return out;
}

} // namespace zmatch::methods
