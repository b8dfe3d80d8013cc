// What the readout says at a pixel: its values, their digits, and the places where only
// part of them, or nothing, can be said.
#include "chart/Readout.h"

#include "tests/common/ScopedDecimalSeparator.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <optional>
#include <string>

namespace {

using testing_common::ScopedDecimalSeparator;
using theory::TComplex;

std::string Text(int x, int y, std::optional<TComplex> line = std::nullopt) {
    return chart::ReadoutText(chart::ReadPixel({x, y}, line));
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

// The whole text at the pixel of z = 1 + j1, with and without the line of a load shown,
// and at the special points: the centre, the open circuit, beyond the rim and far off.
TEST(Readout, WholeTexts) {
    const ScopedDecimalSeparator comma(',');
    struct Row {
        int x, y;
        std::optional<TComplex> line;
        const char* text;
    };
    // clang-format off
    const Row rows[] = {
        {460, 230, std::nullopt,
         "z = 1,00 + j1,00\ny = 0,50 - j0,50\n|Г| = 0,447, arg Г = 63°\nКСВ = 2,62, КБВ = 0,382\n"
         "0,162 λ к генератору, 0,338 λ к нагрузке"},
        {460, 230, TComplex(50, 0),
         "z = 1,00 + j1,00\nZ = 50 + j50 Ом\ny = 0,50 - j0,50\n|Г| = 0,447, arg Г = 63°\n"
         "КСВ = 2,62, КБВ = 0,382\n0,162 λ к генератору, 0,338 λ к нагрузке"},
        {400, 350, TComplex(50, 0),
         "z = 1,00 + j0,00\nZ = 50 + j0 Ом\ny = 1,00 + j0,00\n|Г| = 0,000, arg Г не определён\n"
         "КСВ = 1,00, КБВ = 1,00\nположение на шкале длин волн не определено"},
        {700, 350, TComplex(50, 0),
         "z → ∞ (холостой ход)\nZ → ∞ (холостой ход)\ny = 0,000 + j0,000\n|Г| = 1,000, arg Г = 0,0°\n"
         "КСВ = ∞, КБВ = 0,000\n0,2500 λ к генератору, 0,2500 λ к нагрузке"},
        {701, 350, TComplex(50, 0), "За окружностью |Г| = 1"},
        {400, 350 + chart::ReadoutReach, std::nullopt, "За окружностью |Г| = 1"},
        {400, 351 + chart::ReadoutReach, std::nullopt, ""},
        {INT_MAX, INT_MIN, TComplex(50, 0), ""},
    };
    // clang-format on
    for (const Row& r : rows)
        EXPECT_EQ(Text(r.x, r.y, r.line), r.text) << r.x << ", " << r.y;
}

// Digits as one pixel supports them: more where the chart is fine (by the short circuit),
// fewer toward the open circuit, and a span where r and x run away by the rim.
TEST(Readout, DigitsFollowThePixel) {
    const ScopedDecimalSeparator comma(',');
    struct Row {
        int x, y;
        std::optional<TComplex> line;
        const char* line1; // the first line, or the second with a line
    };
    // clang-format off
    const Row rows[] = {
        {130, 350, std::nullopt,       "z = 0,053 + j0,000"},
        {550, 350, std::nullopt,       "z = 3,00 + j0,00"},     // x = 0 on the axis is sure
        {690, 350, std::nullopt,       "r ≈ 56,1…62,2, x ≈ -3,0…3,0"},
        {699, 350, std::nullopt,       "r ≈ 400…1200, x ≈ -240…240"},
        {699, 340, std::nullopt,       "r ≈ 2,0…7,8, x = 60"},
        {699, 340, TComplex(50, 0),    "R ≈ 100…390, X = 3000 Ом"},
        {100, 350, TComplex(50, 0),    "Z = 0,0 + j0,0 Ом"},
    };
    // clang-format on
    for (const Row& r : rows) {
        const std::string text = Text(r.x, r.y, r.line);
        const std::string line =
            r.line ? FirstLine(text.substr(text.find('\n') + 1)) : FirstLine(text);
        EXPECT_EQ(line, r.line1) << r.x << ", " << r.y;
    }
}

// Wherever r is written as a number, its last digit moves by about one from one pixel to
// the next: the step written is within a factor of four of the change a pixel makes.
TEST(Readout, LastDigitMovesByAboutOnePerPixel) {
    int checked = 0;
    for (int y = 60; y <= 640; y += 29)
        for (int x = 110; x <= 690; x += 29) {
            const chart::TReadout r = chart::ReadPixel({x, y});
            const chart::TReadout right = chart::ReadPixel({x + 1, y}),
                                  below = chart::ReadPixel({x, y + 1});
            if (r.Place != chart::TReadPlace::Disc || below.Place != chart::TReadPlace::Disc ||
                right.Place != chart::TReadPlace::Disc ||
                chart::ReadoutText(r).rfind("z =", 0) != 0)
                continue;
            const double move = std::max(std::fabs(right.Z.Re.Value - r.Z.Re.Value),
                                         std::fabs(below.Z.Re.Value - r.Z.Re.Value));
            const double step = std::pow(10.0, -r.Z.Decimals);
            EXPECT_GT(move, step / 4) << x << ", " << y;
            EXPECT_LT(move, step * 4) << x << ", " << y;
            ++checked;
        }
    EXPECT_GT(checked, 300);
}

// The places on the wavelength scale: 0 at the short circuit and along the axis to it
// (0,4996 rounds to 0, not to 0,500), an eighth of a wave at G = j, three at G = -j.
TEST(Readout, WavelengthPlaces) {
    const ScopedDecimalSeparator comma(',');
    struct Row {
        int x, y;
        const char* places;
    };
    // clang-format off
    const Row rows[] = {
        {100, 350, "0,0000 λ к генератору, 0,0000 λ к нагрузке"},
        {200, 351, "0,000 λ к генератору, 0,000 λ к нагрузке"},
        {400,  50, "0,1250 λ к генератору, 0,3750 λ к нагрузке"},
        {400, 650, "0,3750 λ к генератору, 0,1250 λ к нагрузке"},
        {550, 350, "0,250 λ к генератору, 0,250 λ к нагрузке"},
    };
    // clang-format on
    for (const Row& r : rows) {
        const std::string text = Text(r.x, r.y);
        EXPECT_EQ(text.substr(text.rfind('\n') + 1), r.places) << r.x << ", " << r.y;
    }
}

TEST(Readout, WritesTheUsersDecimalSeparator) {
    const ScopedDecimalSeparator point('.');
    EXPECT_EQ(FirstLine(Text(460, 230)), "z = 1.00 + j1.00");
}

} // namespace
