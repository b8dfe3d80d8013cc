// a / b for complex numbers by Smith's method (R. L. Smith, "Algorithm 116: Complex
// division", CACM 5(8), 1962): the larger of b's parts divides the smaller, so that nothing
// squares and overflows, with the order of operations GCC's runtime (__divdc3) keeps for
// numbers of ordinary size, and its other order where that ratio underflows. The same bits
// everywhere: libc++ (the page's) scales by powers of two instead and rounds otherwise, and
// its logb and scalbn cost more than the division in a sweep.
//
// By 0 it gives what the library's division does.
//
//     Quotient({1, 2}, {3, 4}) == {0.44, 0.08}
#pragma once

#include <cmath>
#include <complex>

namespace theory {

inline std::complex<double> Quotient(std::complex<double> a, std::complex<double> b) {
    constexpr double kTiny = 2.2250738585072014e-308; // the least normal double
    const double p = a.real(), q = a.imag(), c = b.real(), d = b.imag();
    if (c == 0 && d == 0) return a / b;
    if (std::fabs(c) < std::fabs(d)) {
        const double ratio = c / d, under = c * ratio + d;
        if (std::fabs(ratio) > kTiny) return {(p * ratio + q) / under, (q * ratio - p) / under};
        return {(c * (p / d) + q) / under, (c * (q / d) - p) / under};
    }
    const double ratio = d / c, under = d * ratio + c;
    if (std::fabs(ratio) > kTiny) return {(q * ratio + p) / under, (q - p * ratio) / under};
    return {(d * (q / c) + p) / under, (q - d * (p / c)) / under};
}

} // namespace theory
