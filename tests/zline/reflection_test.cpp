#include "tests/zline/ZlineTesting.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

using testing_zline::Window;
using Op = tk::TCanvasCall::TOp;

namespace {

// Position, |G| and the wave ratios, all from the plotted pixel.
TEST(Button1Click, ReflectionFigures) {
    struct Row {
        const char *rn, *xn;
        const char *label7, *label8, *label9, *label10;
    };
    const Row rows[] = {
        {"50", "50", "раст./длин.волн. = 0,1619", "|Г| = 0,4472", "КСВ = 2,6180", "КБВ = 0,3820"},
        {"50", "0", "раст./длин.волн. = 0,3750", "|Г| = 0,0000", "КСВ = 1,0000", "КБВ = 1,0000"},
        {"25", "0", "раст./длин.волн. = 0,5000", "|Г| = 0,3333", "КСВ = 2,0000", "КБВ = 0,5000"},
        // Plotted just inside the rim at (580, 111): the ratio shows its five-digit cap.
        {"0", "100", "раст./длин.волн. = 0,1764", "|Г| = 0,9973", "КСВ = 749,5600", "КБВ = 0,0013"},
        // On the rim: no finite standing-wave ratio.
        {"0", "50", "раст./длин.волн. = 0,1250", "|Г| = 1,0000", "КСВ = ∞", "КБВ = 0,0000"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.rn) + " + j" + r.xn);
        Window w;
        w.ShowLoad(r.rn, r.xn);
        EXPECT_EQ(w.form.Label7->Caption, r.label7);
        EXPECT_EQ(w.form.Label8->Caption, r.label8);
        EXPECT_EQ(w.form.Label9->Caption, r.label9);
        EXPECT_EQ(w.form.Label10->Caption, r.label10);
    }
}

// The exact answers from the typed numbers in double, not from the chart's floats, and a
// purely reactive load exactly on the rim: |Г| = 1 and КСВ ∞ however large its reactance,
// also after a lossless move.
TEST(Hints, ExactAtTheirEdges) {
    struct Row {
        const char *rn, *xn, *attenuation, *load, *moved;
    };
    // clang-format off
    const Row rows[] = {
        {"0",      "3",      "0", "|Г| = 1,00000, КСВ = ∞, КБВ = 0,00000",   "|Г| = 1,00000, КСВ = ∞"},
        {"0",      "10000",  "0", "|Г| = 1,00000, КСВ = ∞, КБВ = 0,00000",   "|Г| = 1,00000, КСВ = ∞"},
        {"0",      "-10",    "0", "|Г| = 1,00000, КСВ = ∞, КБВ = 0,00000",   "|Г| = 1,00000, КСВ = ∞"},
        {"0,000001", "3",    "0", "КСВ = 10000000,00000",                     "КСВ = 10000000,00000"},
        {"0",      "3",      "2", "КСВ = ∞",                                  "|Г| = 0,87096, КСВ = 14,49950"},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.rn) + " + j" + r.xn + " on 1, A = " + r.attenuation);
        Window w;
        w.TypeLoad(r.rn, r.xn, "1", "0");
        w.form.Button1Click(w.form.Button1);
        EXPECT_NE(w.form.Label8->Hint.find(r.load), std::string::npos) << w.form.Label8->Hint;
        w.Move(true, "0,3", "1", r.attenuation);
        EXPECT_NE(w.form.Label6->Hint.find(r.moved), std::string::npos) << w.form.Label6->Hint;
    }
}

// With the box ticked: a dashed rectangle through the load's mirror images and a marker on
// each of the three.
TEST(Button1Click, MirrorPoints) {
    struct Row {
        const char *rn, *xn;
        int rect[4];
        int markers[3][2];
    };
    const Row rows[] = {
        {"50", "50", {460, 230, 340, 470}, {{460, 470}, {340, 230}, {340, 470}}},
        {"50", "0", {400, 350, 400, 350}, {{400, 350}, {400, 350}, {400, 350}}},
        {"25", "0", {300, 350, 500, 350}, {{300, 350}, {500, 350}, {500, 350}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.rn) + " + j" + r.xn);
        Window w;
        w.ShowLoad(r.rn, r.xn, true);
        std::vector<tk::TCanvasCall> rects, markers;
        for (const auto& c : w.log) {
            if (c.Op == Op::Rectangle) rects.push_back(c);
            if (c.Op == Op::Ellipse && c.Brush.Color == tk::clLime) markers.push_back(c);
        }
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_EQ((std::array{rects[0].X1, rects[0].Y1, rects[0].X2, rects[0].Y2}),
                  (std::array{r.rect[0], r.rect[1], r.rect[2], r.rect[3]}));
        EXPECT_EQ(rects[0].Pen.Style, tk::TPenStyle::psDash);
        EXPECT_EQ(rects[0].Brush.Style, tk::TBrushStyle::bsClear);
        ASSERT_EQ(markers.size(), 4u); // the load's own, then the three mirrors
        for (int k = 0; k < 3; ++k) {
            const auto& m = markers[1 + k];
            EXPECT_EQ((std::min(m.X1, m.X2) + 4), r.markers[k][0]);
            EXPECT_EQ((std::min(m.Y1, m.Y2) + 4), r.markers[k][1]);
            EXPECT_EQ(m.Pen.Width, 1);
            EXPECT_EQ(m.Pen.Style, tk::TPenStyle::psSolid);
        }
        EXPECT_EQ(w.form.Image1->Canvas.Brush.Color, tk::clWhite);
    }
}

// A load on a diameter has its mirror images on it too: the dashed box between them is
// flat, and shows as a dashed line along the diameter from the load to its opposite.
TEST(Button1Click, MirrorBoxOnADiameterIsADashedLine) {
    const struct {
        const char *rn, *xn;
        int x1, y1, x2, y2; // the line, ends included
    } rows[] = {{"25", "0", 300, 350, 500, 350}, {"0", "50", 400, 50, 400, 650}};
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.rn) + " + j" + r.xn);
        Window plain, mirrored;
        plain.ShowLoad(r.rn, r.xn, false);
        mirrored.ShowLoad(r.rn, r.xn, true);
        const auto before = plain.Picture(), after = mirrored.Picture();
        const auto nearMarker = [&](int x, int y) {
            for (const auto& [mx, my] : {std::pair{r.x1, r.y1}, std::pair{r.x2, r.y2}})
                if (std::abs(x - mx) <= 5 && std::abs(y - my) <= 5) return true;
            return false;
        };
        int onLine = 0;
        for (int y = 0; y < 689; ++y)
            for (int x = 0; x < 740; ++x) { // the ruler beyond takes the pen the points leave
                const std::size_t i = std::size_t(y) * 811 + x;
                if (before[i] == after[i] || nearMarker(x, y)) continue;
                const bool alongLine = x >= r.x1 && x <= r.x2 && y >= r.y1 && y <= r.y2;
                EXPECT_TRUE(alongLine) << x << ", " << y;
                EXPECT_EQ(after[i], tk::clGreen) << x << ", " << y;
                onLine += alongLine;
            }
        EXPECT_GT(onLine, 100); // dashes: most of the 200 px between the images
    }
}

// A field that does not parse: no label of the click is written and nothing is drawn.
TEST(Button1Click, BadFieldChangesNothing) {
    Window w;
    w.ShowLoad("50", "50");
    const auto picture = w.Picture();
    EXPECT_THROW(w.ShowLoad("50", "5O"), tk::EConvertError);
    EXPECT_TRUE(w.log.empty());
    EXPECT_EQ(w.Picture(), picture);
    EXPECT_EQ(w.form.Label8->Caption, "|Г| = 0,4472");
}

} // namespace
