// The pixel frame of the chart: the reflection coefficient G = u + jv stands at pixel
// (400 + 300u, 350 - 300v); y grows downward, so inductive loads lie above the axis.
#pragma once

namespace chart {

constexpr int ChartCenterX = 400;
constexpr int ChartCenterY = 350;
constexpr int ChartRadius = 300;

// The 64-bit constants the construction is written with.
constexpr double Pi = 3.141592653589793;
constexpr double TwoPi = 6.283185307179586;
constexpr double QuarterPi = 0.7853981633974483;
constexpr double SevenQuarterPi = 5.497787143782138;

} // namespace chart
