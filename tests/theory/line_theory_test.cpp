// The exact line theory checked against an independent model: every line section, stub
// and termination as its ABCD matrix (voltage and current in, voltage and current out),
// cascaded, and Г read at the input.
#include "theory/LineTheory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using theory::TComplex;
using theory::TStubKind;
constexpr double kPi = 3.141592653589793;
const TComplex j(0, 1);

struct Abcd {
    TComplex a, b, c, d;
    Abcd operator*(const Abcd& o) const {
        return {a * o.a + b * o.c, a * o.b + b * o.d, c * o.a + d * o.c, c * o.b + d * o.d};
    }
    TComplex InputImpedance(TComplex z) const { return (a * z + b) / (c * z + d); }
};

// A normalised line of `waves` wavelengths losing `db` dB per wavelength one way.
Abcd Line(double waves, double db = 0) {
    const TComplex gl = (db * std::log(10.0) / 20 + j * 2.0 * kPi) * waves;
    return {std::cosh(gl), std::sinh(gl), std::sinh(gl), std::cosh(gl)};
}

Abcd Shunt(TComplex y) {
    return {1, 0, y, 1};
}

TComplex StubAdmittance(double waves, TStubKind kind) {
    const Abcd s = Line(waves);
    return kind == TStubKind::Short ? s.d / s.b : s.c / s.a; // load 0, or no load at all
}

double InputReflection(TComplex zIn) {
    return std::abs((zIn - 1.0) / (zIn + 1.0));
}

// Loads from near-short to near-open, inductive and capacitive, on several lines.
std::vector<TComplex> Loads() {
    std::vector<TComplex> loads;
    for (double z0 : {50.0, 75.0, 300.0})
        for (double r : {1.0, 10.0, 25.0, 50.0, 100.0, 1000.0})
            for (double x : {-500.0, -50.0, -1.0, 0.0, 1.0, 50.0, 500.0})
                if (!(r == z0 && x == 0)) loads.push_back(TComplex(r, x) / z0);
    loads.push_back(TComplex(100, 50) / TComplex(50, -10)); // a line typed as complex
    return loads;
}

TEST(ExactStubMatch, BothSolutionsMatchEveryLoadWithEitherStub) {
    for (TComplex z : Loads())
        for (TStubKind kind : {TStubKind::Short, TStubKind::Open}) {
            const theory::TStubSolutions s = theory::SolveStubMatch(z, kind);
            ASSERT_EQ(s.Case, theory::TMatchCase::Solved) << z;
            EXPECT_GE(s.First.B, 0) << z;
            EXPECT_LT(s.Second.B, 0) << z;
            for (const theory::TStubMatch& m : {s.First, s.Second}) {
                const Abcd built = Shunt(StubAdmittance(m.Stub, kind)) * Line(m.Distance);
                EXPECT_LT(InputReflection(built.InputImpedance(z)), 1e-9) << z << " b " << m.B;
                EXPECT_GE(m.Distance, 0);
                EXPECT_LT(m.Distance, 0.5);
            }
        }
}

// A matched load needs nothing; a load on or beyond the rim cannot be matched.
TEST(ExactStubMatch, MatchedAndUnmatchableLoads) {
    EXPECT_EQ(theory::SolveStubMatch(1.0, TStubKind::Short).Case, theory::TMatchCase::Matched);
    for (TComplex z :
         {TComplex(0, 1), TComplex(0, -3), TComplex(0, 0), TComplex(-0.5, 1), TComplex(-1, 0)})
        EXPECT_EQ(theory::SolveStubMatch(z, TStubKind::Open).Case, theory::TMatchCase::Impossible)
            << z;
}

// The check of a printed answer is what building it gives, rounded lengths and all.
TEST(ExactStubMatch, JunctionReflectionOfRoundedLengthsIsTheCascades) {
    for (TComplex z : Loads())
        for (TStubKind kind : {TStubKind::Short, TStubKind::Open}) {
            const theory::TStubMatch m = theory::SolveStubMatch(z, kind).First;
            const double d = std::round(m.Distance * 1000) / 1000;
            const double l = std::round(m.Stub * 1000) / 1000;
            const Abcd built = Shunt(StubAdmittance(l, kind)) * Line(d);
            EXPECT_NEAR(std::abs(theory::JunctionReflection(z, d, l, kind)),
                        InputReflection(built.InputImpedance(z)), 1e-9)
                << z;
        }
}

// The decimals an answer is printed with: enough for its construction to leave |Г| below
// 0,01, and not one more. Five do for 2 + j1; near the rim (0,4 + j304,85 on 50 ohms, b about
// 69) five leave 0,06 and 0,11.
TEST(ExactStubMatch, BuildableDecimals) {
    const struct {
        TComplex z;
        int decimals; // of both solutions, with either stub
    } rows[] = {
        {{2, 1}, 5},
        {{0.008, 6.097}, 6},
    };
    for (const auto& r : rows)
        for (TStubKind kind : {TStubKind::Short, TStubKind::Open}) {
            const theory::TStubSolutions s = theory::SolveStubMatch(r.z, kind);
            for (const theory::TStubMatch& m : {s.First, s.Second}) {
                SCOPED_TRACE(testing::Message() << r.z << " b = " << m.B);
                const int n = theory::BuildableDecimals(r.z, m, kind, 5);
                EXPECT_EQ(n, r.decimals);
                const auto built = [&](int decimals) {
                    const double scale = std::pow(10.0, decimals);
                    return std::abs(
                        theory::JunctionReflection(r.z, std::round(m.Distance * scale) / scale,
                                                   std::round(m.Stub * scale) / scale, kind));
                };
                EXPECT_LT(built(n), 0.01);
                if (n > 5) {
                    EXPECT_GE(built(n - 1), 0.01);
                }
            }
        }
}

TEST(ExactLineMove, AgreesWithTheLossyLineCascade) {
    for (TComplex z : Loads())
        for (double waves : {0.0, 0.1, 0.3, 0.5, 1.37})
            for (double db : {0.0, 2.0, 10.0}) {
                const TComplex zIn = Line(waves, db).InputImpedance(z);
                const TComplex moved = theory::MoveReflection(theory::ReflectionOf(z), waves, db);
                EXPECT_LT(std::abs(moved - (zIn - 1.0) / (zIn + 1.0)), 1e-9) << z << waves;
            }
}

// A lossless half wavelength returns the load; there and back returns the start; the
// loss scales |Г| by 10^(-A·l/10), whichever way round.
TEST(ExactLineMove, Properties) {
    for (TComplex z : Loads()) {
        const TComplex g = theory::ReflectionOf(z);
        EXPECT_LT(std::abs(theory::ImpedanceOf(theory::MoveReflection(g, 0.5, 0)) - z),
                  1e-9 * std::abs(z) + 1e-9);
        EXPECT_LT(std::abs(theory::MoveReflection(theory::MoveReflection(g, 0.3, 2), -0.3, 2) - g),
                  1e-12);
        EXPECT_NEAR(std::abs(theory::MoveReflection(g, 0.3, 2)), std::abs(g) * 0.870963589956,
                    1e-12);
    }
    EXPECT_NEAR(theory::WavePosition(theory::ReflectionOf({1, 1})), 0.161896, 1e-6);
}

} // namespace
