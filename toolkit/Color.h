// Colours as 0x00RRGGBB, the layout of one pixel of the canvas bitmap.
#pragma once

#include <cstdint>

namespace tk {

using TColor = std::uint32_t;

constexpr TColor RGB(unsigned r, unsigned g, unsigned b) {
    return (r << 16) | (g << 8) | b;
}

constexpr TColor clBlack = RGB(0, 0, 0);
constexpr TColor clWhite = RGB(255, 255, 255);
constexpr TColor clRed = RGB(255, 0, 0);
constexpr TColor clBlue = RGB(0, 0, 255);
constexpr TColor clGreen = RGB(0, 128, 0);
constexpr TColor clLime = RGB(0, 255, 0);
constexpr TColor clYellow = RGB(255, 255, 0);
constexpr TColor clPurple = RGB(128, 0, 128);
constexpr TColor clFuchsia = RGB(255, 0, 255);

} // namespace tk
