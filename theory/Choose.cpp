// The search: a topology a step (ChooseTopologies.cpp gives them, each its exact f0
// solution), tuned for the band on a coarse grid of its frequencies (ChooseTuning.cpp), put
// on standard parts (ChooseParts.cpp), then measured on the whole band by the chain's own
// band code (ChainBandOver), as the chain window and `--chain` measure it.
#include "theory/Choose.h"

#include "measured/Frequency.h"
#include "theory/ChainBand.h"
#include "theory/ChooseBand.h"
#include "theory/ChooseParts.h"
#include "theory/ChooseTopologies.h"
#include "toolkit/Exceptions.h"

#include <algorithm>
#include <cmath>

namespace theory {

namespace {

// Frequencies the tuning measures a network at: the worst of them comes within a few per
// cent of the worst of 201 for the smooth responses of a few parts, at a fifth of the cost.
constexpr int kTuningPoints = 41;
constexpr int kEvaluations = 400; // per topology

void Refuse(const std::string& why) {
    throw tk::Exception(why);
}

// A refusal for every ask that cannot be searched, in Russian; the load at f0 when it can.
TComplex Checked(const TChooseAsk& a) {
    if (!(a.Load.F0Hz > 0) || !std::isfinite(a.Load.F0Hz)) Refuse("не задана частота f0");
    if (!(a.Load.Line.real() > 0) || a.Load.Line.imag() != 0)
        Refuse("Zв линии должно быть вещественным и больше нуля");
    if (!(a.Low < a.High) || !std::isfinite(a.Low) || !std::isfinite(a.High) || !(a.Low > 0))
        Refuse("полоса пуста: нижняя частота должна быть меньше верхней и больше нуля");
    if (!(a.Low <= 1 && 1 <= a.High)) Refuse("частота f0 должна лежать в полосе");
    if (a.Points < 2 || a.Points > 100001) Refuse("в полосе нужно от 2 до 100001 частот");
    if (!(a.MaxVswr > 1)) Refuse("допустимый КСВ должен быть больше 1");
    if (!(a.QInductor >= 0) || !(a.QCapacitor >= 0))
        Refuse("добротность катушек и конденсаторов должна быть больше нуля");
    if (!(a.LoadedQ > 0) || !std::isfinite(a.LoadedQ))
        Refuse("нагруженная добротность П- и Т-звеньев должна быть больше нуля");
    if (!(a.StubMax >= 0) || !std::isfinite(a.StubMax))
        Refuse("наибольшая длина шлейфа не может быть меньше нуля");
    if (!(a.StubOhms >= 0) || !(a.Vf > 0) || !(a.Vf <= 1))
        Refuse("Zв шлейфов должно быть не меньше нуля, коэффициент укорочения — от 0 до 1");
    for (double z : a.SectionOhms)
        if (!(z > 0) || !std::isfinite(z))
            Refuse("Zт четвертьволновых отрезков должны быть больше нуля");
    for (double s : a.Spacings)
        if (!(s > 0) || !(s < 0.5)) Refuse("расстояние между шлейфами должно быть от 0 до 0,5λ");
    if (a.Load.Model == TLoadModel::Measured) {
        if (!a.Load.Measured) Refuse("нет измеренной нагрузки");
        const auto edges = measured::LoadedBandAbout(*a.Load.Measured, a.Load.F0Hz);
        if (!edges || a.Low * a.Load.F0Hz < edges->FromHz * (1 - 1e-12) ||
            a.High * a.Load.F0Hz > edges->ToHz * (1 + 1e-12))
            Refuse("полоса " + measured::FrequencyText(a.Low * a.Load.F0Hz) + " – " +
                   measured::FrequencyText(a.High * a.Load.F0Hz) +
                   " выходит за частоты файла, на которых известна нагрузка" +
                   (edges ? " (" + measured::FrequencyText(edges->FromHz) + " – " +
                                measured::FrequencyText(edges->ToHz) + ")"
                          : std::string()));
    }
    const TComplex z = BandLoadOhms(a.Load, 1);
    if (!(z.real() > 0) || !std::isfinite(z.real()) || !std::isfinite(z.imag()))
        Refuse("у нагрузки при f0 нет положительного сопротивления: согласовать нечего");
    return z;
}

std::optional<TSeries> SeriesOf(TPartsSeries p) {
    switch (p) {
    case TPartsSeries::E12:
        return TSeries::E12;
    case TPartsSeries::E24:
        return TSeries::E24;
    case TPartsSeries::E96:
        return TSeries::E96;
    case TPartsSeries::Ideal:
        break;
    }
    return std::nullopt;
}

double WorstOf(const std::vector<double>& vswr) {
    double worst = 1;
    for (double v : vswr)
        worst = std::isnan(v) ? INFINITY : std::fmax(worst, v);
    return worst;
}

} // namespace

struct TChooser::TState {
    TChooseAsk Ask;
    TComplex LoadAtF0;
    TChooseBand Coarse, Full;
    std::vector<TCandidate> Candidates;
    std::size_t Next = 0;
    std::vector<TChoice> Found;

    TChoice Solve(const TCandidate& c) const;
    void Measure(const TChain& chain, double& worst, double& width) const;
};

void TChooser::TState::Measure(const TChain& chain, double& worst, double& width) const {
    const TChainBand b = ChainBandOver(chain, Ask.Load, Ask.Low, Ask.High, Ask.MaxVswr, Ask.Points);
    worst = WorstOf(b.Curve.Vswr);
    width = std::fmin(1, b.Curve.Vswr2Fraction / (Ask.High - Ask.Low));
}

TChoice TChooser::TState::Solve(const TCandidate& c) const {
    const std::optional<TSeries> series = SeriesOf(Ask.Parts);
    const TChain exact = series ? OnStandardValues(c.Chain, *series) : c.Chain;
    TChain tuned = Tuned(
        c.Chain, c.Free, [&](const TChain& t) { return SmoothWorstGamma(t, Coarse); },
        kEvaluations);
    if (series) tuned = OnBestStandard(tuned, *series, Full);
    // Never worse across the band than the exact f0 solution: the better of the two.
    const TChain& chosen = WorstGamma(tuned, Full) <= WorstGamma(exact, Full) ? tuned : exact;
    TChoice choice;
    choice.Topology = c.Topology;
    choice.Chain = WithoutEmptyLines(chosen);
    Measure(choice.Chain, choice.WorstVswr, choice.Width);
    double exactWidth = 0;
    Measure(exact, choice.ExactWorstVswr, exactWidth);
    choice.LossDb = LossDbAtF0(choice.Chain, LoadAtF0);
    choice.Parts = PartsOf(choice.Chain);
    return choice;
}

TChooser::TChooser(const TChooseAsk& ask) : State(std::make_unique<TState>()) {
    TState& s = *State;
    s.Ask = ask;
    s.LoadAtF0 = Checked(ask);
    const double line = ask.Load.Line.real();
    s.Coarse = ChooseBandOf(ask.Load, line, ask.Low, ask.High, std::min(ask.Points, kTuningPoints));
    s.Full = ChooseBandOf(ask.Load, line, ask.Low, ask.High, ask.Points);
    s.Candidates = Candidates(ask, s.LoadAtF0);
}
TChooser::~TChooser() = default;

bool TChooser::Step() {
    TState& s = *State;
    if (s.Next >= s.Candidates.size()) return false;
    s.Found.push_back(s.Solve(s.Candidates[s.Next++]));
    return true;
}
int TChooser::Done() const {
    return int(State->Next);
}
int TChooser::Total() const {
    return int(State->Candidates.size());
}

std::vector<TChoice> TChooser::Ranked() const {
    std::vector<TChoice> ranked = State->Found;
    std::stable_sort(ranked.begin(), ranked.end(), RanksBefore);
    return ranked;
}

bool RanksBefore(const TChoice& a, const TChoice& b) {
    if (a.WorstVswr < b.WorstVswr - 1e-9 || a.WorstVswr > b.WorstVswr + 1e-9)
        return a.WorstVswr < b.WorstVswr;
    if (a.Parts != b.Parts) return a.Parts < b.Parts;
    return a.LossDb < b.LossDb;
}

std::vector<TChoice> Choose(const TChooseAsk& ask) {
    TChooser chooser(ask);
    while (chooser.Step()) {
    }
    return chooser.Ranked();
}

} // namespace theory
