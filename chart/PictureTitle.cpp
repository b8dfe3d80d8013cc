#include "chart/PictureTitle.h"

#include "chart/ChartForm.h"
#include "chart/ExactText.h"

namespace chart {

std::string PictureTitle(const tk::TForm& form) {
    const auto* chart = dynamic_cast<const TChartForm*>(&form);
    if (!chart || chart->ShownLoad().Line == theory::TComplex()) return "";
    const TTypedLoad& shown = chart->ShownLoad();
    return "Zн = " + ShortComplex(shown.Load) + " Ом, Zв = " + ShortComplex(shown.Line) + " Ом";
}

} // namespace chart
