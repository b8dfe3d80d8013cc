#include "chart/ChainSteps.h"

#include "chart/ChainForm.h"
#include "chart/ChainRows.h"
#include "chart/ChartActions.h"
#include "chart/ExactText.h"

#include "toolkit/Exceptions.h"

#include <cmath>

namespace chart {

const char* const kNoChainForStepsMessage =
    "В цепи нет элементов: добавьте элемент, и шаги покажут его дугу на диаграмме.";

namespace {

using theory::TChainKind;
using theory::TPlace;

// Six digits, a rounding's trace taken as the zero it stands for, an open node as ∞.
std::string Point(theory::TComplex v) {
    if (!std::isfinite(v.real()) || !std::isfinite(v.imag())) return "∞";
    const auto clean = [](double x) { return std::fabs(x) < 1e-9 ? 0.0 : x; };
    return ShortComplex({clean(v.real()), clean(v.imag())});
}

std::string Circle(const char* what, double value) {
    return std::string("по окружности постоянного ") + what + " = " + Point(value);
}

// A lossy L or C leaves its circle: its loss resistance adds to r (or its conductance to g).
std::string Lossy(const theory::TChainElement& e, std::string arc) {
    const char* grows = e.Place == TPlace::Series ? "r" : "g";
    if (e.Q > 0)
        arc += std::string(", сходя с неё: ") + grows +
               " растёт от потерь (Q = " + ShortNumber(e.Q) + ")";
    return arc;
}

// The arc from the node before (`from`, normalised, with its Г) as the element's value grows.
std::string ArcOf(const theory::TChainElement& e, const theory::TChain& chain,
                  const theory::TNodeReading& from) {
    const bool series = e.Place == TPlace::Series;
    switch (e.Kind) {
    case TChainKind::L:
    case TChainKind::C:
        return Lossy(e, series ? Circle("r", from.Z.real()) : Circle("g", from.Y.real()));
    case TChainKind::Stub:
        return series ? Circle("r", from.Z.real()) : Circle("g", from.Y.real());
    case TChainKind::R:
        return series ? Circle("x", from.Z.imag()) : Circle("b", from.Y.imag());
    case TChainKind::Line: {
        if (e.Z0 > 0 && e.Z0 != chain.LineOhms)
            return "по окружности, которую на этой диаграмме описывает |Г| линии с Zв = " +
                   ShortNumber(e.Z0) + " Ом";
        if (e.Loss > 0)
            return "по спирали к центру от |Г| = " + Point(from.GammaAbs) + " (потери " +
                   ShortNumber(e.Loss) + " дБ/λ)";
        return Circle("|Г|", from.GammaAbs) + " к генератору";
    }
    case TChainKind::Transformer:
        return "по дуге окружности через точки КЗ и ХХ: Z умножается на n² = " +
               ShortNumber(e.Value * e.Value);
    }
    return {};
}

} // namespace

TConstructionSteps ChainStepTexts(const theory::TChain& chain, theory::TComplex loadOhms) {
    const std::vector<theory::TComplex> nodes = theory::NodeOhms(chain, loadOhms, 1);
    TConstructionSteps steps;
    for (std::size_t i = 0; i < chain.Elements.size() && i + 1 < nodes.size(); ++i) {
        const theory::TChainElement& e = chain.Elements[i];
        const theory::TNodeReading from = theory::ReadingOf(nodes[i], chain.LineOhms);
        const theory::TNodeReading to = theory::ReadingOf(nodes[i + 1], chain.LineOhms);
        TConstructionStep step;
        step.Text = ElementName(e) + " " + ValueText(e, chain.F0Hz) + ": " + ArcOf(e, chain, from) +
                    " из узла " + std::to_string(i) + " в узел " + std::to_string(i + 1) +
                    ": z = " + Point(to.Z) + ", Г = " + Point(to.Gamma) + ".";
        steps.push_back(std::move(step));
    }
    return steps;
}

void OpenChainStepsWindow(tk::TForm& chainForm) {
    const auto& chain = dynamic_cast<const TChainForm&>(chainForm);
    if (chain.Chain().Elements.empty()) throw tk::Exception(kNoChainForStepsMessage);
    OpenStepsWindow(chainForm);
}

} // namespace chart
