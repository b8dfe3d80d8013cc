#include "theory/ChooseTopologies.h"

#include "theory/DoubleStub.h"
#include "theory/LSection.h"
#include "theory/PiTee.h"
#include "theory/PortableMath.h"
#include "theory/QuarterWave.h"
#include "theory/SeriesStub.h"
#include "theory/StandardValues.h"
#include "toolkit/Conversions.h"

#include <cmath>
#include <set>

namespace theory {

namespace {

constexpr double kLongestLine = 0.5;   // a line to a stub or a section, λ: half a wave repeats
constexpr double kDecade = 10;         // an L or C tuned a decade either way
constexpr double kShortestStub = 1e-3; // λ: a stub of no length is no stub (or a short)

const char* EndName(TStubKind kind) {
    return kind == TStubKind::Short ? "КЗ" : "ХХ";
}
std::string Solution(int i) {
    return ", решение " + std::to_string(i);
}

// A stub's length on a line of its own Zв, giving the same reactance or susceptance as
// `waves` on the main line: k = Zs/Zв; a short stub's tan(βl) is divided by k, an open
// one's multiplied, wherever it stands.
double OnOwnLine(double waves, TStubKind end, double k) {
    const double turn = 2 * Pi * waves, s = portable::Sin(turn), c = portable::Cos(turn);
    const double angle = end == TStubKind::Short ? portable::Atan2(s, c * k)
                                                 : portable::Atan2(s * k, c);
    return (angle < 0 ? angle + 2 * Pi : angle) / (2 * Pi);
}

class TBuilder {
  public:
    TBuilder(const TChooseAsk& ask, TComplex loadOhms)
        : Ask(ask), Line(ask.Load.Line.real()), Z(loadOhms / Line),
          StubOhms(ask.StubOhms > 0 ? ask.StubOhms : Line) {}

    // The network, normalised, as a candidate; the elements in `fixed` stay as they are (a
    // zero L or C, which the chain leaves out, only in networks without them).
    // False (nothing added) where a stub comes out longer than allowed.
    bool Add(const std::string& topology, const TNetwork& network,
             const std::set<std::size_t>& fixed = {}) {
        TCandidate c{topology, ChainOf(network, Line, Ask.Load.F0Hz), {}};
        for (std::size_t i = 0; i < c.Chain.Elements.size(); ++i) {
            TChainElement& e = c.Chain.Elements[i];
            if (e.Kind == TChainKind::Stub && StubOhms != Line) {
                e.Value = OnOwnLine(e.Value, e.End, StubOhms / Line);
                e.Z0 = StubOhms;
            }
            if (e.Kind == TChainKind::L) e.Q = Ask.QInductor;
            if (e.Kind == TChainKind::C) e.Q = Ask.QCapacitor;
            if (e.Kind == TChainKind::Stub && !(e.Value >= kShortestStub && e.Value <= Ask.StubMax))
                return false;
            if (fixed.count(i)) continue;
            if (e.Kind == TChainKind::Stub)
                c.Free.push_back({i, false, kShortestStub, Ask.StubMax});
            if (e.Kind == TChainKind::Line) c.Free.push_back({i, false, 0, kLongestLine});
            if (e.Kind == TChainKind::L || e.Kind == TChainKind::C)
                c.Free.push_back({i, true, e.Value / kDecade, e.Value * kDecade});
        }
        Out.push_back(std::move(c));
        return true;
    }

    void SingleStubs() {
        for (TStubKind kind : {TStubKind::Short, TStubKind::Open}) {
            const TStubSolutions s = SolveStubMatch(Z, kind);
            if (s.Case != TMatchCase::Solved) continue;
            const std::string name = std::string("Параллельный шлейф ") + EndName(kind);
            int i = 0;
            for (const TStubMatch& m : {s.First, s.Second})
                Add(name + Solution(++i), {theory::Line(m.Distance), ShuntStub(m.Stub, kind)});
        }
    }

    void SeriesStubs() {
        for (TStubKind kind : {TStubKind::Short, TStubKind::Open}) {
            const TSeriesStubSolutions s = SolveSeriesStub(Z, kind);
            if (s.Case != TMatchCase::Solved) continue;
            const std::string name = std::string("Последовательный шлейф ") + EndName(kind);
            int i = 0;
            for (const TSeriesStubSolution& m : {s.First, s.Second})
                Add(name + Solution(++i), SeriesStubNetwork(m, kind));
        }
    }

    void DoubleStubs() {
        for (double spacing : Ask.Spacings)
            for (TStubKind kind : {TStubKind::Short, TStubKind::Open}) {
                const TDoubleStubSolutions s = SolveDoubleStub(Z, kind, 0, spacing);
                if (s.Case != TMatchCase::Solved) continue;
                const std::string name = std::string("Два шлейфа ") + EndName(kind) + " через " +
                                         ShortDecimal(spacing, 4) + "λ";
                const int count = s.Tangent ? 1 : 2;
                for (int i = 0; i < count; ++i)
                    Add(name + Solution(i + 1),
                        DoubleStubNetwork(i ? s.Second : s.First, kind, s.FirstStub, spacing),
                        {2}); // the spacing is the ask's
            }
    }

    void QuarterWaves() {
        const TQuarterWaveSolutions s = SolveQuarterWave(Z);
        if (s.Case != TMatchCase::Solved) return;
        for (int i = 0; i < 2; ++i) {
            TQuarterWaveSolution q = i ? s.Minimum : s.Maximum;
            if (!Ask.IdealSection) {
                if (Ask.SectionOhms.empty()) return;
                double best = Ask.SectionOhms.front();
                for (double zt : Ask.SectionOhms)
                    if (RatioApart(zt, q.Zt * Line) < RatioApart(best, q.Zt * Line)) best = zt;
                q.Zt = best / Line;
            }
            if (q.Zt == 1) continue; // a section of the line's own Zв changes nothing
            Add("Четвертьволновый трансформатор " + ShortDecimal(q.Zt * Line, 1) + " Ом " +
                    (i ? "в минимуме" : "в максимуме"),
                QuarterWaveNetwork(q));
        }
    }

    void LSections() {
        for (const TLSectionSolution& s : SolveLSection(Z)) {
            const TNetwork n = LSectionNetwork(s);
            const bool shuntFirst = s.NearLoad == TNearLoad::Shunt;
            const char* across = s.B > 0 ? "C" : "L";
            const char* series = s.X > 0 ? "L" : "C";
            Add(std::string("Г-звено: ") + (shuntFirst ? across : series) +
                    (shuntFirst ? " параллельно" : " последовательно") + " у нагрузки, " +
                    (shuntFirst ? series : across) +
                    (shuntFirst ? " последовательно" : " параллельно"),
                n);
        }
    }

    void PiTees(TComplex loadOhms) {
        for (TPiTee kind : {TPiTee::Pi, TPiTee::Tee})
            for (const TPiTeeSolution& s : SolvePiTee(loadOhms, Line, Ask.LoadedQ, kind)) {
                const bool pi = kind == TPiTee::Pi;
                // Normalised: a reactance over Zв, a susceptance times Zв.
                const TElement first =
                    pi ? ShuntSusceptance(s.First * Line) : SeriesReactance(s.First / Line);
                const TElement middle =
                    pi ? SeriesReactance(s.Middle / Line) : ShuntSusceptance(s.Middle * Line);
                const TElement last =
                    pi ? ShuntSusceptance(s.Last * Line) : SeriesReactance(s.Last / Line);
                const auto part = [&](const TElement& e) {
                    const bool l =
                        e.Kind == TElementKind::SeriesReactance ? e.Value > 0 : e.Value < 0;
                    return l ? "L" : "C";
                };
                Add(std::string(pi ? "П-звено" : "Т-звено") +
                        " (Q = " + ShortDecimal(Ask.LoadedQ, 2) + "): " + part(first) + ", " +
                        part(middle) + ", " + part(last),
                    {first, middle, last});
            }
    }

    const TChooseAsk& Ask;
    const double Line;
    const TComplex Z;
    const double StubOhms;
    std::vector<TCandidate> Out;
};

} // namespace

std::string ShortDecimal(double v, int digits) {
    std::string text = tk::FloatToStrF(v, 15, digits);
    const std::size_t comma = text.find_first_of(",.");
    if (comma == std::string::npos) return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.size() == comma + 1) text.pop_back();
    return text;
}

std::vector<TCandidate> Candidates(const TChooseAsk& ask, TComplex loadOhms) {
    TBuilder b(ask, loadOhms);
    b.Out.push_back({"Без согласования", TChain{{}, b.Line, ask.Load.F0Hz}, {}});
    b.SingleStubs();
    b.SeriesStubs();
    b.DoubleStubs();
    b.QuarterWaves();
    b.LSections();
    b.PiTees(loadOhms);
    return std::move(b.Out);
}

} // namespace theory
