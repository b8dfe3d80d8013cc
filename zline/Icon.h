#pragma once

#include "toolkit/IconArt.h"

namespace zline {

// zline's part of its icon, over the chart's: the load (lime) on its circle of constant
// |Г|, the red turn toward the generator, the new point (yellow) drawn inward by the
// losses onto its dashed circle, and the green ray to the rim where its place in
// wavelengths is read.
// clang-format off
inline constexpr tk::TIconShape kIconConstruction[] = {
    tk::IconRing(32, 32, 7, tk::clBlue, 1, true),
    tk::IconLine(32, 32, 57.8f, 44.9f, tk::clGreen, 1.5f),
    tk::IconArc(32, 32, 14, 70, -85, tk::clRed, 2),
    tk::IconDisc(36.8f, 22.4f, 3.2f, tk::clLime, tk::clGreen, 1.5f),
    tk::IconDisc(38.3f, 35.1f, 2.6f, tk::clYellow, tk::clGreen, 1),
};
// clang-format on

} // namespace zline
