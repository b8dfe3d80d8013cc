#include "exercises/Solve.h"

#include "theory/DoubleStub.h"
#include "theory/LSection.h"
#include "theory/QuarterWave.h"
#include "theory/SeriesStub.h"

namespace exercises {

namespace {

constexpr double kWaveStep = 0.001; // the result labels' lengths: "0,198"

TSolvedValue Length(const char* name, const char* meaning, double waves) {
    return {name, meaning, "λ", waves, kWaveStep, true};
}

std::vector<TSolvedValue> ShuntStub(theory::TComplex z, theory::TStubKind kind) {
    const theory::TStubSolutions s = theory::SolveStubMatch(z, kind);
    if (s.Case != theory::TMatchCase::Solved) return {};
    return {Length("d", "расстояние от нагрузки до шлейфа", s.First.Distance),
            Length("l", "длина шлейфа", s.First.Stub)};
}

std::vector<TSolvedValue> SeriesStub(theory::TComplex z) {
    const theory::TSeriesStubSolutions s = theory::SolveSeriesStub(z, theory::TStubKind::Short);
    if (s.Case != theory::TMatchCase::Solved) return {};
    return {Length("d", "расстояние от нагрузки до шлейфа", s.First.Distance),
            Length("l", "длина шлейфа", s.First.Stub)};
}

std::vector<TSolvedValue> DoubleStub(theory::TComplex z, double spacing) {
    const theory::TDoubleStubSolutions s =
        theory::SolveDoubleStub(z, theory::TStubKind::Short, 0, spacing);
    if (s.Case != theory::TMatchCase::Solved || s.Forbidden || s.Tangent) return {};
    return {Length("l1", "длина первого шлейфа (у нагрузки)", s.First.Stub1),
            Length("l2", "длина второго шлейфа", s.First.Stub2)};
}

std::vector<TSolvedValue> QuarterWave(theory::TComplex z, double lineOhms) {
    const theory::TQuarterWaveSolutions s = theory::SolveQuarterWave(z);
    if (s.Case != theory::TMatchCase::Solved) return {};
    return {Length("d", "расстояние от нагрузки до трансформатора", s.Maximum.Distance),
            {"zt", "волновое сопротивление трансформатора", "Ом", s.Maximum.Zt * lineOhms,
             0.01 * lineOhms, false}};
}

// The section with the shunt element at the load and an inductor in series (x > 0).
std::vector<TSolvedValue> LSection(theory::TComplex z, double lineOhms, double hz) {
    for (const theory::TLSectionSolution& s : theory::SolveLSection(z)) {
        if (s.NearLoad != theory::TNearLoad::Shunt || s.X <= 0 || s.B == 0) continue;
        const theory::TLumped shunt = theory::OfSusceptance(s.B / lineOhms, hz);
        const theory::TLumped series = theory::OfReactance(s.X * lineOhms, hz);
        const bool c = shunt.Kind == theory::TLumped::TKind::C;
        return {{c ? "C1" : "L1",
                 c ? "ёмкость параллельного элемента" : "индуктивность параллельного элемента",
                 c ? "пФ" : "нГн", shunt.Value * (c ? 1e12 : 1e9), 0, false},
                {"L2", "индуктивность последовательного элемента", "нГн", series.Value * 1e9, 0,
                 false}};
    }
    return {};
}

std::vector<TSolvedValue> LineMove(const TProblem& p, theory::TComplex z) {
    const double waves = p.Distance / p.Wavelength;
    const theory::TComplex gamma =
        theory::MoveReflection(theory::ReflectionOf(z), waves, p.Attenuation);
    const theory::TComplex in = theory::ImpedanceOf(gamma);
    const double vswr = theory::WaveRatios(z, theory::LossFactor(waves, p.Attenuation)).Vswr;
    return {{"R", "активное сопротивление на входе", "Ом", in.real() * p.LineOhms,
             0.01 * p.LineOhms, false},
            {"X", "реактивное сопротивление на входе", "Ом", in.imag() * p.LineOhms,
             0.01 * p.LineOhms, false},
            {"S", "КСВ на входе", "", vswr, 0.01, false}};
}

std::vector<TSolvedValue> Reading(theory::TComplex z) {
    const theory::TWaveRatios r = theory::WaveRatios(z);
    return {{"G", "модуль коэффициента отражения |Г|", "", r.Gamma, 0.001, false},
            {"S", "КСВ", "", r.Vswr, 0.01, false},
            {"K", "КБВ", "", 1 / r.Vswr, 0.001, false}};
}

} // namespace

std::vector<TSolvedValue> SolveProblem(const TProblem& p, theory::TComplex z) {
    if (!theory::Matchable(z, std::abs(theory::ReflectionOf(z)))) return {};
    switch (p.Kind) {
    case TKind::StubShort:
        return ShuntStub(z, theory::TStubKind::Short);
    case TKind::StubOpen:
        return ShuntStub(z, theory::TStubKind::Open);
    case TKind::SeriesStub:
        return SeriesStub(z);
    case TKind::DoubleStub:
        return DoubleStub(z, p.Spacing);
    case TKind::QuarterWave:
        return QuarterWave(z, p.LineOhms);
    case TKind::LSection:
        return LSection(z, p.LineOhms, p.Hz);
    case TKind::LineMove:
        return LineMove(p, z);
    case TKind::Reading:
        return Reading(z);
    }
    return {};
}

theory::TChain ConstructionOf(const TProblem& p) {
    using theory::ChainLine;
    using theory::ChainStub;
    using theory::TPlace;
    using theory::TStubKind;
    const theory::TComplex z = NormalisedLoad(p);
    theory::TChain chain{{}, p.LineOhms, 0};
    const auto stubKind = p.Kind == TKind::StubOpen ? TStubKind::Open : TStubKind::Short;
    switch (p.Kind) {
    case TKind::StubShort:
    case TKind::StubOpen: {
        const theory::TStubMatch m = theory::SolveStubMatch(z, stubKind).First;
        chain.Elements = {ChainLine(m.Distance), ChainStub(TPlace::Shunt, stubKind, m.Stub)};
        break;
    }
    case TKind::SeriesStub: {
        const auto m = theory::SolveSeriesStub(z, TStubKind::Short).First;
        chain.Elements = {ChainLine(m.Distance),
                          ChainStub(TPlace::Series, TStubKind::Short, m.Stub)};
        break;
    }
    case TKind::DoubleStub: {
        const auto m = theory::SolveDoubleStub(z, TStubKind::Short, 0, p.Spacing).First;
        chain.Elements = {ChainStub(TPlace::Shunt, TStubKind::Short, m.Stub1), ChainLine(p.Spacing),
                          ChainStub(TPlace::Shunt, TStubKind::Short, m.Stub2)};
        break;
    }
    case TKind::QuarterWave: {
        const auto m = theory::SolveQuarterWave(z).Maximum;
        chain.Elements = {ChainLine(m.Distance), ChainLine(0.25, m.Zt * p.LineOhms)};
        break;
    }
    case TKind::LSection:
        for (const theory::TLSectionSolution& s : theory::SolveLSection(z))
            if (s.NearLoad == theory::TNearLoad::Shunt && s.X > 0 && s.B != 0) {
                // L and C held by their reactances, as the chain window holds them, and
                // written in nH and pF at the section's frequency.
                chain = theory::ChainOf(theory::LSectionNetwork(s), p.LineOhms);
                chain.F0Hz = p.Hz;
                return chain;
            }
        break;
    case TKind::LineMove:
        chain.Elements = {ChainLine(p.Distance / p.Wavelength, 0, p.Attenuation)};
        break;
    case TKind::Reading:
        break;
    }
    return chain;
}

} // namespace exercises
