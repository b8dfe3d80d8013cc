#include "zmatch/methods/LoadLimits.h"

#include "zmatch/StubMatch.h"

#include "chart/ExactText.h"
#include "chart/Frame.h"
#include "chart/LoadSteps.h"
#include "theory/DoubleStub.h"
#include "theory/LineTheory.h"

#include <cmath>
#include <string>

namespace zmatch::methods {

namespace {

constexpr double kRadius = chart::ChartRadius;

double ExactGamma(const chart::TTypedLoad& load) {
    return theory::WaveRatios(load.ZNorm()).Gamma;
}

// At least a pixel out from the centre, exactly and as plotted.
bool ResolvedFromCentre(const chart::TLoadPoint& load) {
    return kRadius * ExactGamma(load.Typed.Exact) >= 1 && load.DistPx >= 1;
}

std::string CentreText(const chart::TTypedLoad& load) {
    return "Точка нагрузки легла ближе пикселя к центру диаграммы: " +
           chart::ExactRatios(theory::WaveRatios(load.ZNorm())) +
           ". Нагрузка не согласована (|Г| не меньше 10^-6), но построить согласование на "
           "этой диаграмме можно, только если точка лежит хотя бы в пикселе (1/300 радиуса) "
           "от центра и нанесена не в сам центр: здесь её точности не хватает.";
}

std::string WithExact(std::string text, const TMethod& method, const TMethodInput& in) {
    const std::vector<std::string> exact = method.ExactAnswers(in);
    if (exact.empty()) return text;
    text += " Точно (линия без потерь):";
    for (std::size_t i = 0; i < exact.size(); ++i)
        text += (i ? "; " : " ") + std::to_string(i + 1) + ") " + exact[i];
    return text + ".";
}

} // namespace

std::vector<std::string> DoubleStubExact(const TMethodInput& in) {
    const TMethodOptions& o = in.Options;
    const theory::TDoubleStubSolutions exact =
        theory::SolveDoubleStub(in.Load.Typed.Exact.ZNorm(), o.Stub, o.FirstStub, o.Spacing);
    if (exact.Case != theory::TMatchCase::Solved) return {};
    const std::string where =
        exact.FirstStub == o.FirstStub
            ? ""
            : "; первый в " + chart::ExactNumber(exact.FirstStub) + " λ от нагрузки";
    std::vector<std::string> out;
    for (const theory::TDoubleStubSolution* e : {&exact.First, &exact.Second})
        out.push_back("через точку B" + std::to_string(out.size() + 1) +
                      ": l1 = " + chart::ExactNumber(e->Stub1) +
                      " λ, l2 = " + chart::ExactNumber(e->Stub2) + " λ" + where);
    return out;
}

bool IsMatched(const chart::TTypedLoad& load) {
    return ExactGamma(load) < kMatchedGamma;
}

chart::TLoadPoint BuiltLoadPoint(chart::TLoadPoint load) {
    const theory::TComplex gamma = theory::ReflectionOf(load.Typed.Exact.ZNorm());
    const bool inside = kRadius * (1 - std::abs(gamma)) >= 1;
    if (inside && !ResolvedFromRim(load.DistPx, load.Typed.Exact))
        chart::PlaceLoadPoint(load, chart::PixelOfGamma(gamma.real(), gamma.imag()));
    return load;
}

std::string UnbuiltMessage(const TMethod& method, const TMethodInput& in) {
    const chart::TLoadPoint& load = in.Load;
    if (!ResolvedFromRim(load.DistPx, load.Typed.Exact))
        return WithExact(OnRimText(load.Typed.Exact), method, in);
    if (!ResolvedFromCentre(load)) return WithExact(CentreText(load.Typed.Exact), method, in);
    return {};
}

chart::TConstructionSteps MatchedSteps(const chart::TTypedLoad& load) {
    const theory::TComplex z = load.ZNorm();
    const std::string line = chart::ShortComplex(load.Line);
    return {
        chart::Step("Сопротивление нагрузки делим на волновое сопротивление линии: z = Zн/Zв = (" +
                        chart::ShortComplex(load.Load) + " Ом)/(" + line +
                        " Ом) = " + chart::ExactComplex(z) + ".",
                    true, ""),
        chart::Step("Её |Г| = |z - 1|/|z + 1| меньше 10^-6 (" +
                        chart::ExactRatios(theory::WaveRatios(z)) +
                        "): точка нагрузки — центр диаграммы, z = 1. Нагрузка согласована с "
                        "линией, согласующая цепь не нужна: к генератору линия видит Zвх = Zв = " +
                        line + " Ом.",
                    true, ""),
    };
}

std::string BuiltVerdict(const std::vector<TSolution>& solutions, const chart::TTypedLoad& load) {
    std::string off;
    for (std::size_t i = 0; i < solutions.size(); ++i) {
        const TSolution& s = solutions[i];
        if (s.BuiltVswr <= kMatchedVswr) continue;
        off += std::string(off.empty() ? "" : "; ") + std::to_string(i + 1) +
               "-й ответ даёт КСВ = " + chart::ExactNumber(s.BuiltVswr, 3) +
               " — стройте точное: " + s.Exact;
    }
    if (off.empty())
        return ": к генератору линия видит согласованную нагрузку, Zвх = Zв = " +
               chart::ShortComplex(load.Line) + " Ом, Г = 0.";
    return ". Так по диаграмме; но предел её точности — пиксель, и ответ, построенный по "
           "напечатанным значениям, согласует хуже: " +
           off + ".";
}

} // namespace zmatch::methods
