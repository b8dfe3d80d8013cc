#include "chart/Marks.h"
#include "toolkit/Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The two rings of WipeBeyond paint what the rings one pixel apart did, at each caller's
// first radius and pen width: the grid's surround, a load point's, zmatch's beyond the
// susceptance arcs. The canvas reaches past the picture's reach below and right of the
// centre, where the band is whole.
TEST(WipeBeyond, PaintsWhatRingsOnePixelApartPaint) {
    struct Case {
        int first, width;
    };
    constexpr int kWidth = 1300, kHeight = 1200;
    for (const Case k : {Case{303, 3}, Case{303, 1}, Case{340, 2}}) {
        SCOPED_TRACE(k.first);
        tk::TCanvas rings(kWidth, kHeight), wiped(kWidth, kHeight);
        for (tk::TCanvas* c : {&rings, &wiped}) {
            std::fill(c->Bits(), c->Bits() + kWidth * kHeight, tk::clBlack);
            c->Pen.Width = k.width;
        }
        rings.Pen.Color = tk::clWhite;
        for (int r = k.first; r <= chart::PictureReach; ++r)
            rings.Ellipse(chart::ChartCenterX + r, chart::ChartCenterY + r, chart::ChartCenterX - r,
                          chart::ChartCenterY - r);
        chart::WipeBeyond(wiped, k.first);
        EXPECT_TRUE(std::equal(rings.Bits(), rings.Bits() + kWidth * kHeight, wiped.Bits()));
        EXPECT_EQ(wiped.Pen.Width, k.width);
        EXPECT_EQ(wiped.Pen.Color, tk::clWhite);
    }
}

} // namespace
