// Double-double arithmetic (Dekker, Knuth): a value is hi + lo with |lo| <= half an ulp of
// hi, about 106 bits. Error-free sums and products by splitting, never by a fused
// multiply-add, so this file is compiled with -ffp-contract=off (theory/CMakeLists.txt).
// The constants are the binary expansions of π, ln 2, log2 10 and atan(j/8), to 106 bits
// or more.
#include "theory/PortableMath.h"

#include <cmath>
#include <limits>

namespace theory::portable {

namespace {

struct TDd {
    double Hi = 0, Lo = 0;
};

// a + b exactly, when |a| >= |b| or a == 0.
TDd QuickTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a + b exactly.
TDd TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a split into two halves of 26 bits each, whose products are exact.
TDd Split(double a) {
    const double t = 134217729.0 * a; // 2^27 + 1
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// a·b exactly.
TDd TwoProduct(double a, double b) {
    const double p = a * b;
    const TDd x = Split(a), y = Split(b);
    return {p, ((x.Hi * y.Hi - p) + x.Hi * y.Lo + x.Lo * y.Hi) + x.Lo * y.Lo};
}

TDd operator+(TDd a, TDd b) {
    TDd s = TwoSum(a.Hi, b.Hi);
    const TDd t = TwoSum(a.Lo, b.Lo);
    s = QuickTwoSum(s.Hi, s.Lo + t.Hi);
    return QuickTwoSum(s.Hi, s.Lo + t.Lo);
}

TDd operator-(TDd a) {
    return {-a.Hi, -a.Lo};
}

TDd operator-(TDd a, TDd b) {
    return a + -b;
}

TDd operator*(TDd a, TDd b) {
    const TDd p = TwoProduct(a.Hi, b.Hi);
    return QuickTwoSum(p.Hi, p.Lo + (a.Hi * b.Lo + a.Lo * b.Hi));
}

TDd operator/(TDd a, TDd b) {
    const double q1 = a.Hi / b.Hi;
    const TDd r1 = a - b * TDd{q1};
    const double q2 = r1.Hi / b.Hi;
    const TDd r2 = r1 - b * TDd{q2};
    return QuickTwoSum(q1, q2) + TDd{r2.Hi / b.Hi};
}

TDd Dd(double a) {
    return {a};
}

constexpr TDd kPi{0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53};
constexpr TDd kHalfPi{0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
constexpr TDd kLn2{0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};

// 1/n! for n up to 29, and 1/n for n up to 29.
struct TCoefficients {
    TDd InverseFactorial[30], Inverse[30];
};

const TCoefficients& Coefficients() {
    static const TCoefficients table = [] {
        TCoefficients t;
        t.InverseFactorial[0] = Dd(1);
        for (int n = 1; n < 30; ++n) {
            t.InverseFactorial[n] = t.InverseFactorial[n - 1] / Dd(n);
            t.Inverse[n] = Dd(1) / Dd(n);
        }
        return t;
    }();
    return table;
}

// Σ (-1)^k·c[first + step·k]·x^k for k = 0..last, by Horner's rule.
TDd AlternatingSeries(TDd x, const TDd* c, int first, int step, int last) {
    TDd sum = c[first + step * last];
    for (int k = last - 1; k >= 0; --k)
        sum = c[first + step * k] - x * sum;
    return sum;
}

// sin r and cos r for |r| <= π/4 (a little beyond is harmless), by their Taylor series to
// r^29 and r^28, whose next terms are below 2^-110.
TDd SinOfReduced(TDd r) {
    return r * AlternatingSeries(r * r, Coefficients().InverseFactorial, 1, 2, 14);
}

TDd CosOfReduced(TDd r) {
    return AlternatingSeries(r * r, Coefficients().InverseFactorial, 0, 2, 14);
}

// x = k·π/2 + r with |r| <= π/4: r, and k modulo 4. π/2 is split into three parts of 33 bits
// and a fourth of 53; k below 2^20 times a part is exact, and k is split there when larger.
struct TReduced {
    TDd R;
    int Quarter = 0;
};

TReduced ReduceByHalfPi(double x) {
    // Beyond 2^40 (where k has more than 40 bits) x is first brought down by a whole number of
    // 2π rounded to double: the same bits everywhere, but no longer the true remainder.
    if (std::fabs(x) > 0x1p40) x = std::fmod(x, 2 * kPi.Hi);
    constexpr double kParts[] = {0x1.921fb544p+0, 0x1.0b4611a6p-34, 0x1.3198a2ep-69};
    constexpr double kLast = 0x1.b839a252049c1p-104;
    constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
    const double k = std::nearbyint(x * kTwoOverPi);
    const double kHigh = std::nearbyint(k * 0x1p-20) * 0x1p20;
    const double kLow = k - kHigh;
    TDd r = TwoSum(x, -kHigh * kParts[0]);
    r = r + Dd(-kLow * kParts[0]);
    for (int i = 1; i < 3; ++i)
        r = r + Dd(-kHigh * kParts[i]) + Dd(-kLow * kParts[i]);
    r = r - TwoProduct(k, kLast);
    return {r, int(std::fmod(k, 4.0) + 4) % 4};
}

// atan t for 0 <= t <= 1: atan(j/8) + atan u, u = (t - j/8)/(1 + t·j/8), |u| <= 1/16, whose
// series to u^29 leaves less than 2^-115.
TDd AtanOfUnit(TDd t) {
    constexpr TDd kAtanEighths[] = {
        {0, 0},
        {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59},
        {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},
        {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56},
        {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},
        {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58},
        {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},
        {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56},
        {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55},
    };
    const int j = int(std::nearbyint(t.Hi * 8));
    const double c = j / 8.0;
    const TDd u = j == 0 ? t : (t - Dd(c)) / (Dd(1) + t * Dd(c));
    const TDd sum = u * AlternatingSeries(u * u, Coefficients().Inverse, 1, 2, 14);
    return kAtanEighths[j] + sum;
}

// e^g - 1 for |g| <= 0,35, by the Taylor series of e^g to g^24; its relative error stays
// near 2^-106 as g goes to 0, where e^g's own would be relative to 1.
TDd Expm1OfReduced(TDd g) {
    const TDd* c = Coefficients().InverseFactorial;
    TDd e = c[24];
    for (int n = 23; n >= 1; --n)
        e = c[n] + g * e;
    return g * e;
}

TDd ExpOfReduced(TDd g) {
    return Dd(1) + Expm1OfReduced(g);
}

} // namespace

double Sin(double x) {
    if (x == 0 || !std::isfinite(x)) return x == 0 ? x : x - x;
    const TReduced a = ReduceByHalfPi(x);
    const TDd v = a.Quarter % 2 ? CosOfReduced(a.R) : SinOfReduced(a.R);
    return a.Quarter >= 2 ? -v.Hi : v.Hi;
}

double Cos(double x) {
    if (!std::isfinite(x)) return x - x;
    const TReduced a = ReduceByHalfPi(x);
    const TDd v = a.Quarter % 2 ? SinOfReduced(a.R) : CosOfReduced(a.R);
    return a.Quarter == 1 || a.Quarter == 2 ? -v.Hi : v.Hi;
}

double Tan(double x) {
    if (x == 0 || !std::isfinite(x)) return x == 0 ? x : x - x;
    const TReduced a = ReduceByHalfPi(x);
    const TDd s = SinOfReduced(a.R), c = CosOfReduced(a.R);
    return (a.Quarter % 2 ? -(c / s) : s / c).Hi;
}

double Atan(double x) {
    return Atan2(x, 1);
}

double Atan2(double y, double x) {
    if (std::isnan(x) || std::isnan(y)) return x + y;
    const double sign = std::signbit(y) ? -1 : 1;
    if (y == 0) return std::signbit(x) ? sign * kPi.Hi : y;
    if (x == 0) return sign * kHalfPi.Hi;
    if (std::isinf(x) || std::isinf(y)) {
        const double quarters =
            std::isinf(y) ? (std::isinf(x) ? (x > 0 ? 1 : 3) : 2) : (x > 0 ? 0 : 4);
        return sign * (Dd(quarters * 0.25) * kPi).Hi;
    }
    // Both scaled by one power of two, so that the quotient's parts neither overflow nor
    // underflow while they can matter.
    int exponent = 0;
    std::frexp(std::fmax(std::fabs(x), std::fabs(y)), &exponent);
    const double ax = std::ldexp(std::fabs(x), -exponent), ay = std::ldexp(std::fabs(y), -exponent);
    TDd a = ay <= ax ? AtanOfUnit(Dd(ay) / Dd(ax)) : kHalfPi - AtanOfUnit(Dd(ax) / Dd(ay));
    if (x < 0) a = kPi - a;
    return sign * a.Hi;
}

double Pow10(double x) {
    if (std::isnan(x)) return x;
    // Beyond these 10^x is infinite or zero in double; the clamp keeps k below an int's range.
    x = std::fmax(-400, std::fmin(400, x));
    // 10^x = 2^k·e^(f·ln 2), with x·log2 10 = k + f and |f| <= 1/2; log2 10 to 159 bits.
    constexpr double kLog2Of10[] = {0x1.a934f0979a371p+1, 0x1.7f2495fb7fa6dp-53,
                                    0x1.fb699b2d8abfcp-107};
    const TDd t = TwoProduct(x, kLog2Of10[0]) + TwoProduct(x, kLog2Of10[1]) + Dd(x * kLog2Of10[2]);
    const double k = std::nearbyint(t.Hi);
    const TDd f = Dd(t.Hi - k) + Dd(t.Lo);
    return std::ldexp(ExpOfReduced(f * kLn2).Hi, int(k));
}

double Exp(double x) {
    if (std::isnan(x)) return x;
    // Beyond these e^x is infinite or zero in double; the clamp keeps k below an int's range.
    x = std::fmax(-800, std::fmin(800, x));
    // e^x = 2^k·e^r, r = x - k·ln 2 with |r| <= ln 2 / 2.
    const double k = std::nearbyint(x / kLn2.Hi);
    const TDd r = Dd(x) - TwoProduct(k, kLn2.Hi) - TwoProduct(k, kLn2.Lo);
    return std::ldexp(ExpOfReduced(r).Hi, int(k));
}

double Log(double x) {
    if (std::isnan(x) || x < 0) return std::numeric_limits<double>::quiet_NaN();
    if (x == 0) return -std::numeric_limits<double>::infinity();
    if (std::isinf(x)) return x;
    // x = 2^e·m with √½ <= m < √2, and ln m = 2 atanh s, s = (m - 1)/(m + 1), |s| < 0,18:
    // its series in double to s^23 is y0, and one Newton step of e^y = m in double-double,
    // y0 + m·e^-y0 - 1 = y0 + (m - 1) + m·(e^-y0 - 1), doubles its 53 bits (m - 1 is exact).
    int e = 0;
    double m = std::frexp(x, &e);
    if (m < 0x1.6a09e667f3bcdp-1) {
        m *= 2;
        --e;
    }
    const double s = (m - 1) / (m + 1), s2 = s * s;
    double series = 1.0 / 23;
    for (int n = 21; n >= 1; n -= 2)
        series = 1.0 / n + s2 * series;
    const double y0 = 2 * s * series;
    const TDd y = Dd(y0) + (Dd(m - 1) + Dd(m) * Expm1OfReduced(Dd(-y0)));
    return (Dd(e) * kLn2 + y).Hi;
}

} // namespace theory::portable
