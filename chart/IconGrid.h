#pragma once

#include "toolkit/IconArt.h"

namespace chart {

// The impedance chart as the programs' icons show it: the white disc with the resistance
// circles r = 1/3, 1 and 3 and the reactance arcs x = ±1/3, ±1 and ±3 in grey, all through
// the rim's point at the right, the horizontal diameter and the rim in black. Each program
// draws its construction over it.
// clang-format off
inline constexpr tk::TIconShape kIconGrid[] = {
    tk::IconDisc(32, 32, 24, tk::clWhite),
    tk::IconClip(32, 32, 24),
    tk::IconRing(38, 32, 18, tk::RGB(77, 77, 77), 1),
    tk::IconRing(44, 32, 12, tk::RGB(77, 77, 77), 1),
    tk::IconRing(50, 32,  6, tk::RGB(77, 77, 77), 1),
    tk::IconRing(56, -40, 72, tk::RGB(77, 77, 77), 1),
    tk::IconRing(56, 104, 72, tk::RGB(77, 77, 77), 1),
    tk::IconRing(56,   8, 24, tk::RGB(77, 77, 77), 1),
    tk::IconRing(56,  56, 24, tk::RGB(77, 77, 77), 1),
    tk::IconRing(56,  24,  8, tk::RGB(77, 77, 77), 1),
    tk::IconRing(56,  40,  8, tk::RGB(77, 77, 77), 1),
    tk::IconNoClip(),
    tk::IconLine(8, 32, 56, 32, tk::clBlack, 1.5f),
    tk::IconRing(32, 32, 24, tk::clBlack, 2.5f),
    tk::IconRing(32, 32, 10.7f, tk::clBlue, 1.5f),
};
// clang-format on

} // namespace chart
