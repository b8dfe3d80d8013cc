// The methods' solutions each in a colour of its own, on the chart, in the legend and in the
// band: apart from the load's red and blue, the grid's black and the admittance grid's teal.
#pragma once

#include "toolkit/Color.h"

#include <array>
#include <cstddef>

namespace zmatch::methods {

inline constexpr std::array<tk::TColor, 4> kSolutionColors = {
    (tk::RGB)(0, 140, 0),   // green
    (tk::RGB)(200, 0, 160), // purple
    (tk::RGB)(180, 110, 0), // amber
    (tk::RGB)(0, 100, 230), // azure
};

inline tk::TColor SolutionColor(std::size_t i) {
    return kSolutionColors[i % kSolutionColors.size()];
}

} // namespace zmatch::methods
