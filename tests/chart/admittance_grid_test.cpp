// The admittance grid read back: its arcs lie where line theory puts the admittance they
// are labelled with, it stays inside the rim, and it is drawn along those arcs.
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/AdmittanceGrid.h"
#include "chart/Frame.h"
#include "chart/Grid.h"
#include "theory/LineTheory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

namespace {

// The grid's circle of about g = 1: the resistance circles' values are float sums, and
// the one labelled 1,0 is drawn where its sum puts it.
float UnitConductance() {
    const std::vector<float> values = chart::ResistanceCircleValues();
    return *std::ranges::min_element(values, {}, [](float g) { return std::fabs(g - 1); });
}

// The admittance at a pixel's centre, exactly.
theory::TComplex AdmittanceAt(chart::TPixel p) {
    const theory::TComplex gamma((p.X + 0.5 - chart::ChartCenterX) / chart::ChartRadius,
                                 -(p.Y + 0.5 - chart::ChartCenterY) / chart::ChartRadius);
    return 1.0 / theory::ImpedanceOf(gamma);
}

// g = 1 and b = ±1 on the grid read g = 1 and b = ±1 from line theory, and the impedance
// grid reads r = 1 and x = ±1 at the pixel opposite, wherever a pixel is narrow enough in y
// to say so (150 pixels and more from the short-circuit end, where one pixel spans 0,03).
TEST(AdmittanceGrid, ArcsReadTheirValues) {
    struct Row {
        const char* arc;
        std::vector<chart::TPixel> corners;
        bool conductance; // else susceptance
        float value;
    };
    const Row rows[] = {
        {"g = 1", chart::ConductanceCircle(UnitConductance()), true, 1},
        {"b = 1", chart::SusceptanceArc(1), false, 1},
        {"b = -1", chart::SusceptanceArc(-1), false, -1},
        {"g = 0,4", chart::ConductanceCircle(0.4f), true, 0.4f},
        {"b = 0,35", chart::SusceptanceArc(0.35f), false, 0.35f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arc);
        int read = 0;
        for (const chart::TPixel p : row.corners) {
            SCOPED_TRACE(testing::Message() << p.X << "," << p.Y);
            EXPECT_LE(std::hypot(p.X + 0.5 - 400, p.Y + 0.5 - 350), 300.0) << "beyond the rim";
            if (std::hypot(p.X - chart::ShortCircuitX, p.Y - chart::ChartCenterY) < 150) continue;
            const theory::TComplex y = AdmittanceAt(p);
            const chart::TImpedanceAt z = chart::ImpedanceAt(chart::Opposite(p));
            ASSERT_TRUE(z.Defined);
            EXPECT_NEAR(row.conductance ? y.real() : y.imag(), row.value, 0.05);
            EXPECT_NEAR(row.conductance ? z.R : z.X, row.value, 0.05);
            ++read;
        }
        EXPECT_GT(read, 20);
    }
}

// Each corner of the g = 1 circle and the b = ±1 arcs is inked on the drawn grid, in black
// (its ink is the image's to give), and nothing is drawn beyond the rim.
TEST(AdmittanceGrid, DrawnAlongItsArcsInsideTheRim) {
    testing_common::ScopedDecimalSeparator comma(',');
    tk::TCanvas canvas(807, 689);
    chart::DrawAdmittanceGrid(canvas);
    for (const auto& corners : {chart::ConductanceCircle(UnitConductance()),
                                chart::SusceptanceArc(1), chart::SusceptanceArc(-1)})
        for (std::size_t i = 0; i + 1 < corners.size(); ++i)
            EXPECT_EQ(canvas.Pixel(corners[i].X, corners[i].Y), tk::clBlack)
                << corners[i].X << "," << corners[i].Y;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (std::hypot(x + 0.5 - 400, y + 0.5 - 350) > 300) {
                ASSERT_EQ(canvas.Pixel(x, y), tk::clWhite) << x << "," << y;
            }
}

} // namespace
