#include "zmatch/ChoiceRows.h"

#include "chart/ChainFields.h"
#include "chart/ChainFiles.h"
#include "chart/ChainRows.h"
#include "chart/ExactText.h"

#include "toolkit/Conversions.h"

namespace zmatch {

std::string ChoiceValuesText(const theory::TChain& built, double vf) {
    const theory::TChain chain = chart::HeldChain(built).Chain; // L and C by reactance at f0
    std::string text;
    for (const theory::TChainElement& e : chain.Elements) {
        theory::TChainElement bare = e; // the part's Q shows in the loss column
        bare.Q = 0;
        bare.Loss = 0;
        if (!text.empty()) text += "; ";
        text += chart::ElementName(bare) + " " + chart::ValueText(bare, chain.F0Hz);
        const std::string mm = chart::FieldTexts(e, chain.F0Hz, vf).Millimetres;
        if (!mm.empty()) text += " (" + mm + " мм)";
    }
    return text.empty() ? "нет элементов" : text;
}

tk::TRowList::TRow ChoiceRow(int number, const theory::TChoice& choice, double vf) {
    return {std::to_string(number),
            choice.Topology,
            ChoiceValuesText(choice.Chain, vf),
            tk::FloatToStrF(choice.WorstVswr, 15, 2),
            tk::FloatToStrF(choice.Width * 100, 15, 0) + " %",
            tk::FloatToStrF(choice.LossDb, 15, 2),
            std::to_string(choice.Parts)};
}

} // namespace zmatch
