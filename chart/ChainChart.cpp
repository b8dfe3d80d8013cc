#include "chart/ChainChart.h"

#include "chart/ChainBandPath.h"
#include "chart/ChainPath.h"
#include "chart/ChainRows.h"
#include "chart/ExactText.h"
#include "theory/ChainPath.h"

#include <string>

namespace chart {

namespace {

// "2. C парал. 2,2 пФ"; the chart's font has no λ, so a length spells its unit out.
std::string LegendRow(std::size_t i, const theory::TChainElement& e, double f0Hz) {
    std::string value = ValueText(e, f0Hz);
    for (std::size_t at = value.find("λ"); at != std::string::npos; at = value.find("λ"))
        value.replace(at, std::string("λ").size(), "дл. волны");
    return std::to_string(i + 1) + ". " + ElementName(e) + " " + value;
}

} // namespace

std::string ChainLoadCaption(theory::TComplex loadOhms, double lineOhms) {
    return "Zн = " + ShortComplex(loadOhms) + " Ом, Zв = " + ShortNumber(lineOhms) + " Ом";
}

std::string ChainChartTitle(theory::TComplex loadOhms, double lineOhms) {
    return "Цепь — " + ChainLoadCaption(loadOhms, lineOhms);
}

void DrawChainChart(TDrawnGrid& grid, tk::TCanvas& c, const theory::TChain& chain,
                    theory::TComplex loadOhms, const theory::TChainBand* band,
                    TStepMarks* marks) {
    TChainPicture picture;
    for (const theory::TComplex& z : theory::NodeOhms(chain, loadOhms, 1))
        picture.Nodes.push_back(theory::ReadingOf(z, chain.LineOhms).Gamma);
    picture.Paths = theory::ChainPaths(chain, loadOhms);
    for (std::size_t i = 0; i < chain.Elements.size(); ++i)
        picture.Names.push_back(LegendRow(i, chain.Elements[i], chain.F0Hz));
    grid.LayOn(c);
    if (band) DrawBandPath(c, *band, chain.F0Hz);
    DrawChainPath(c, picture, marks);
}

} // namespace chart
