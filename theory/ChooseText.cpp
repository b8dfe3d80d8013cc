// The chosen networks as people read them: the table (tabs between columns, for a
// spreadsheet) and why the first is first, in Russian with the decimal comma.
#include "theory/Choose.h"

#include "measured/Frequency.h"
#include "theory/ChooseTopologies.h"
#include "toolkit/Conversions.h"

#include <algorithm>
#include <cmath>

namespace theory {

namespace {

constexpr double kLightMetresPerSecond = 299792458;

std::string Vswr(double v) {
    return std::isfinite(v) ? tk::FloatToStrF(v, 9, 3) : "∞";
}
std::string Fixed(double v, int digits) {
    return tk::FloatToStrF(v, 15, digits);
}

// Four significant digits, the comma kept: 12,35; 0,4702; 1235.
std::string Significant(double v) {
    const int digits = std::clamp(3 - int(std::floor(std::log10(std::fabs(v)))), 0, 12);
    return ShortDecimal(v, digits);
}

// A length in λ and in millimetres at the ask's velocity factor.
std::string Length(double waves, const TChooseAsk& ask) {
    const double mm = waves * kLightMetresPerSecond / ask.Load.F0Hz * ask.Vf * 1000;
    return Significant(waves) + "λ (" + Significant(mm) + " мм)";
}

std::string Place(TPlace p) {
    return p == TPlace::Series ? "посл." : "парал.";
}

std::string ElementText(const TChainElement& e, const TChooseAsk& ask) {
    switch (e.Kind) {
    case TChainKind::L:
        return "L " + Significant(e.Value * 1e9) + " нГн " + Place(e.Place);
    case TChainKind::C:
        return "C " + Significant(e.Value * 1e12) + " пФ " + Place(e.Place);
    case TChainKind::Line:
        return "линия " + Length(e.Value, ask) +
               (e.Z0 > 0 ? " Zт " + Significant(e.Z0) + " Ом" : "");
    case TChainKind::Stub:
        return std::string("шлейф ") + (e.End == TStubKind::Short ? "КЗ " : "ХХ ") +
               Place(e.Place) + " " + Length(e.Value, ask) +
               (e.Z0 > 0 ? " Zв " + Significant(e.Z0) + " Ом" : "");
    case TChainKind::R:
        return "R " + Significant(e.Value) + " Ом";
    case TChainKind::Transformer:
        return "трансформатор " + Significant(e.Value);
    }
    return "";
}

std::string ValuesText(const TChain& chain, const TChooseAsk& ask) {
    if (chain.Elements.empty()) return "—";
    std::string text;
    for (const TChainElement& e : chain.Elements)
        text += (text.empty() ? "" : "; ") + ElementText(e, ask);
    return text;
}

std::string PerCent(double fraction) {
    return ShortDecimal(fraction * 100, 1) + " %";
}

} // namespace

std::string ChoiceTableText(const std::vector<TChoice>& ranked, const TChooseAsk& ask) {
    std::string text = "№\tСхема\tЗначения (от нагрузки)\tКСВ в полосе не более\t"
                       "КСВ ≤ " +
                       ShortDecimal(ask.MaxVswr, 3) +
                       " в доле полосы\tПотери при f0, дБ\tДеталей\n";
    int n = 0;
    for (const TChoice& c : ranked)
        text += std::to_string(++n) + "\t" + c.Topology + "\t" + ValuesText(c.Chain, ask) + "\t" +
                Vswr(c.WorstVswr) + "\t" + PerCent(c.Width) + "\t" + Fixed(c.LossDb, 2) + "\t" +
                std::to_string(c.Parts) + "\n";
    return text;
}

std::vector<std::string> ChoiceReasons(const std::vector<TChoice>& ranked, const TChooseAsk& ask) {
    const double f0 = ask.Load.F0Hz;
    const std::string band =
        measured::FrequencyText(ask.Low * f0) + " – " + measured::FrequencyText(ask.High * f0);
    if (ranked.empty()) return {"Ни одной схемы согласования для этой нагрузки не найдено."};
    const TChoice& first = ranked.front();
    std::vector<std::string> out;
    std::string why = "Первой стоит схема «" + first.Topology + "»: в полосе " + band +
                      " её КСВ не больше " + Vswr(first.WorstVswr);
    if (ranked.size() > 1) {
        const TChoice& next = ranked[1];
        why += ", у следующей («" + next.Topology + "») — " + Vswr(next.WorstVswr);
        if (std::fabs(next.WorstVswr - first.WorstVswr) <= 1e-9)
            why += next.Parts != first.Parts
                       ? "; КСВ тот же, но деталей меньше: " + std::to_string(first.Parts) +
                             " против " + std::to_string(next.Parts)
                       : "; КСВ и число деталей те же, но потери меньше";
    }
    out.push_back(why + ".");
    out.push_back("КСВ ≤ " + ShortDecimal(ask.MaxVswr, 3) + " держится в " + PerCent(first.Width) +
                  " полосы около f0.");
    out.push_back("Деталей: " + std::to_string(first.Parts) + " (" + ValuesText(first.Chain, ask) +
                  "); добротность деталей стоит при f0 " + Fixed(first.LossDb, 2) +
                  " дБ: мощность, поглощённая в деталях, к мощности "
                  "в нагрузке.");
    out.push_back("Точное решение при f0 до настройки давало в полосе КСВ до " +
                  Vswr(first.ExactWorstVswr) + "; после настройки под полосу" +
                  (ask.Parts == TPartsSeries::Ideal ? "" : " и подбора стандартных номиналов") +
                  " — " + Vswr(first.WorstVswr) + ".");
    return out;
}

} // namespace theory
