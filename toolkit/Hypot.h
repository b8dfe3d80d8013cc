// The length of a vector (x, y), sqrt(x² + y²), without overflow or underflow on the way,
// and with the same bits on every platform: |Г| = Hypot(Г.re, Г.im) feeds the chart's
// circles, the КСВ and the answers' 17 digits, which must read alike on Linux and Windows.
//
// The corrected square root of Borges, "An improved algorithm for hypot(a, b)" (2019): the
// rounded sqrt(x² + y²) corrected by the rounding errors of its square and sum, in plain
// double arithmetic (no fused multiply-add). glibc's hypot is this algorithm, so on Linux
// Hypot(x, y) == std::hypot(x, y) bit for bit; Windows' C runtime has another one (its
// last bit differs for about one vector in eight), and the Windows build puts this one in its
// place (HypotForWindows.cpp).
//
//     Hypot(3, 4) == 5;  Hypot(1e300, 1e300) == 1.4142135623730951e300
#pragma once

namespace tk {

double Hypot(double x, double y);

} // namespace tk
