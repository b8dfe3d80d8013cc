#pragma once

#include "toolkit/IconArt.h"

namespace zmatch {

// zmatch's part of its icon, over the chart's: the load (lime) and the admittance point
// opposite it (red) on their circle of constant |Г|, and round the rim the green distance
// to the stub and the fuchsia stub length.
// clang-format off
inline constexpr tk::TIconShape kIconConstruction[] = {
    tk::IconLine(22.4f, 36.8f, 41.6f, 27.2f, tk::clBlue, 1),
    tk::IconArc(32, 32, 28.5f, 180, -90, tk::clGreen, 3),
    tk::IconArc(32, 32, 28.5f,   0, -90, tk::clFuchsia, 3),
    tk::IconDisc(22.4f, 36.8f, 3,    tk::clRed,  tk::RGB(128, 0, 0), 1),
    tk::IconDisc(41.6f, 27.2f, 3.2f, tk::clLime, tk::clGreen, 1.5f),
};
// clang-format on

} // namespace zmatch
