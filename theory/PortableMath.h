// The elementary functions the exact answers need, with the same bits on every platform and
// compiler: built from + - * / and sqrt alone (which IEEE 754 rounds alike everywhere), in
// double-double arithmetic, and rounded once to double at the end. The C library's own differ
// between platforms in the last digits (glibc, mingw-w64's library, msvcrt.dll, Wine's), and
// the answers print 17 of them.
//
// Each result is the correctly rounded value except where the exact one lies within about
// 2^-100 of a half-way point between two doubles, too close for the working precision to
// decide. Sin, Cos and Tan reduce their argument by π/2 in three 33-bit parts and a fourth
// (Cody and Waite), k·π/2 taken exactly for |k| < 2^40 (|x| < 1,7·10^12 rad, a line of 10^11
// wavelengths); beyond 2^40 x is first reduced by 2π rounded to double: still the same bits
// everywhere, but not the true sine.
//
//     portable::Atan2(1, 1) == 0.7853981633974483;  portable::Pow10(-0.06) == 0.8709635899560806
//     portable::Log(10) == 2.302585092994046
#pragma once

namespace theory::portable {

double Sin(double x);
double Cos(double x);
double Tan(double x);
double Atan(double x);
double Atan2(double y, double x);
// 10^x.
double Pow10(double x);
// e^x.
double Exp(double x);
// The natural logarithm: -inf at 0, NaN below.
double Log(double x);

} // namespace theory::portable
