#include "chart/PictureTitle.h"

#include "chart/ChartForm.h"
#include "chart/ExactText.h"

namespace chart {

std::string PictureTitle(const tk::TForm& form) {
    const auto* chart = dynamic_cast<const TChartForm*>(&form);
    if (!chart || !chart->State().LoadShown()) return "";
    const TChartState& s = chart->State();
    return "Zн = " + ShortComplex(s.ZNorm * s.ZLine) + " Ом, Zв = " + ShortComplex(s.ZLine) + " Ом";
}

} // namespace chart
