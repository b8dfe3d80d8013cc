#include "chart/Frame.h"

#include "toolkit/Single.h"

namespace chart {

// u = (X - 400)/300 divided, not multiplied by 1/300: the two give the same float at every
// pixel within thousands of pixels of the chart, and only the move along a lossy line reads
// pixels farther out. The squares of floats are exact in double, and D is (1 - u)^2 + v^2.
TImpedanceAt ImpedanceAt(TPixel p) {
    const float u = tk::ToSingle((p.X - ChartCenterX) / double(ChartRadius));
    const float v = tk::ToSingle(-(p.Y - ChartCenterY) / double(ChartRadius));
    const double D = std::pow(u, 2) + std::pow(v, 2) - 2.0 * u + 1;
    if (D == 0) return {};
    return {true, tk::ToSingle((1 - std::pow(u, 2) - std::pow(v, 2)) / D),
            tk::ToSingle(2.0 * v / D)};
}

} // namespace chart
