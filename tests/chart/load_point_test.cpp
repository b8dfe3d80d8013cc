#include "tests/chart/ChartTesting.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/Grid.h"
#include "chart/LoadPoint.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <string>

using namespace testing_chart;

namespace {

// How far the plotted load lies from G = (z - 1)/(z + 1) of its normalised value, in pixels.
double DistanceFromExact(const chart::TChartState& s) {
    const std::complex<double> g = (s.ZNorm - 1.0) / (s.ZNorm + 1.0);
    return std::hypot(s.PointX - (400 + 300 * g.real()), s.PointY - (350 - 300 * g.imag()));
}

// A number as typed under a comma locale.
std::string Text(double v) {
    std::string t = std::to_string(v);
    std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

struct LoadRun {
    LoadRun() {
        canvas.Log = &log;
        chart::DrawGrid(state, canvas);
    }
    void Show(const char* rn, const char* xn, const char* rv = "50", const char* xv = "0") {
        edit1.Text = rn;
        edit2.Text = xn;
        edit3.Text = rv;
        edit4.Text = xv;
        log.clear();
        // "Показать точку" without a program's finishing routine.
        const chart::TLoadPoint load =
            chart::PlanLoadPoint(chart::ReadLoadInput(edit1, edit2, edit3, edit4));
        label3.Caption = load.Caption();
        chart::WipeChartDisc(canvas);
        chart::DrawGrid(state, canvas);
        chart::DrawLoadPoint(canvas, load);
        chart::LeaveLoadPoint(state, load);
    }
    testing_common::ScopedDecimalSeparator sep{','};
    tk::TEdit edit1{"Edit1"}, edit2{"Edit2"}, edit3{"Edit3"}, edit4{"Edit4"};
    tk::TLabel label3{"Label3"};
    tk::TCanvas canvas{807, 689};
    chart::TChartState state;
    std::vector<tk::TCanvasCall> log;
};

// Worked loads on a 50-ohm line: the label, the red circles, the point, its radius line and
// its place on the wavelength scale.
TEST(ShowLoadPoint, WorkedLoads) {
    struct Row {
        const char *rn, *xn;
        const char* label3;
        Box rCircle;
        const char* rLabel;
        int rLabelX;
        bool xCircle;
        Box xBox;
        int pointX, pointY;
        float dist;
        int rayX, rayY;
        float wavePos;
        const char* waveText;
    };
    // clang-format off
    const Row rows[] = {
        {"50", "50", "Zнн=1,00+j1,00", {400, 200, 700, 500}, "1,0", 402, true, {400, -250, 1000, 350}, 460, 230, 134.16408f, 543, 63, 0.161896f, "0,162"},
        {"50", "-50", "Zнн=1,00-j1,00", {400, 200, 700, 500}, "1,0", 402, true, {1000, 950, 400, 350}, 460, 470, 134.16408f, 543, 636, 0.338104f, "0,338"},
        {"10", "0", "Zнн=0,20+j0,00", {201, 101, 699, 599}, "0,2", 203, false, {}, 202, 350, 198, 80, 350, 0.49999997f, "0,500"},
        {"100", "0", "Zнн=2,00+j0,00", {500, 250, 700, 450}, "2,0", 502, false, {}, 500, 350, 100, 720, 350, 0.24999999f, "0,250"},
        {"50", "0", "Zнн=1,00+j0,00", {400, 200, 700, 500}, "1,0", 402, false, {}, 400, 350, 0, 400, 350, 0.37499997f, "0,375"},
        {"0", "50", "Zнн=0,00+j1,00", {100, 50, 700, 650}, "0,0", 102, true, {400, -250, 1000, 350}, 400, 50, 300, 400, 30, 0.125f, "0,125"},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.rn) + " + j" + r.xn);
        LoadRun run;
        run.Show(r.rn, r.xn);
        EXPECT_EQ(run.label3.Caption, r.label3);

        std::vector<tk::TCanvasCall> red;
        for (const auto& c : run.log)
            if (c.Pen.Color == tk::clRed && c.Op != Op::MoveTo) red.push_back(c);
        ASSERT_EQ(red.size(), r.xCircle ? 3u : 2u);
        EXPECT_EQ(BoxOf(red[0]), r.rCircle);
        EXPECT_EQ(red[1].Op, Op::TextOut);
        EXPECT_EQ(red[1].Text, r.rLabel);
        EXPECT_EQ(red[1].X1, r.rLabelX);
        EXPECT_EQ(red[1].Y1, 350);
        if (r.xCircle) {
            EXPECT_EQ(BoxOf(red[2]), r.xBox);
        }

        EXPECT_EQ(run.state.PointX, r.pointX);
        EXPECT_EQ(run.state.PointY, r.pointY);
        EXPECT_FLOAT_EQ(run.state.PointDistPx, r.dist);
        EXPECT_NEAR(run.state.LoadWavePos, r.wavePos, 1e-6);

        const auto lines = Only(run.log, Op::LineTo);
        const auto& ray = lines.back();
        EXPECT_EQ(ray.Pen.Color, tk::clBlue);
        EXPECT_EQ(ray.Pen.Width, 2);
        EXPECT_EQ(ray.X1, r.rayX);
        EXPECT_EQ(ray.Y1, r.rayY);
        const int at = FindText(run.log, r.waveText);
        ASSERT_GE(at, 0);
        EXPECT_EQ(run.log[at].X1, r.rayX - 10);
        EXPECT_EQ(run.log[at].Y1, r.rayY - 10);

        const auto ellipses = Only(run.log, Op::Ellipse);
        EXPECT_EQ(BoxOf(ellipses.back()),
                  (Box{r.pointX - 4, r.pointY - 4, r.pointX + 4, r.pointY + 4}));
        EXPECT_EQ(ellipses.back().Brush.Color, tk::clLime);
        EXPECT_EQ(ellipses.back().Pen.Color, tk::clGreen);
    }
}

// 2 + j1 lies exactly on (520, 290), but the crossing, computed in single precision and
// truncated, lands one pixel below.
TEST(ShowLoadPoint, TwoPlusJOneLandsOnePixelBelow) {
    LoadRun run;
    run.Show("100", "50");
    EXPECT_EQ(run.state.PointX, 520);
    EXPECT_EQ(run.state.PointY, 291);
}

// Single precision puts these positions one step below the round value (yet they print
// rounded up).
TEST(ShowLoadPoint, PositionsJustBelowTheRoundValue) {
    const struct {
        const char* rn;
        float below;
    } rows[] = {{"10", 0.5f}, {"100", 0.25f}, {"50", 0.375f}};
    for (const auto& r : rows) {
        LoadRun run;
        run.Show(r.rn, "0");
        EXPECT_EQ(run.state.LoadWavePos, std::nextafter(r.below, 0.0f)) << r.rn;
    }
}

// After the plot the canvas holds a green width-2 solid pen and a solid white brush, and
// the wavelength ring is drawn again, transparently, at the grid's anchors.
TEST(ShowLoadPoint, LeavesCanvasStateAndRedrawsTheRing) {
    LoadRun run;
    run.Show("50", "50");
    EXPECT_EQ(run.canvas.Pen.Color, tk::clGreen);
    EXPECT_EQ(run.canvas.Pen.Width, 2);
    EXPECT_EQ(run.canvas.Pen.Style, tk::TPenStyle::psSolid);
    EXPECT_EQ(run.canvas.Brush.Style, tk::TBrushStyle::bsSolid);
    EXPECT_EQ(run.canvas.Brush.Color, tk::clWhite);
    const auto texts = Only(run.log, Op::TextOut);
    const int ring = FindText(run.log, "0,44");
    ASSERT_GE(ring, 0);
    int transparent = 0;
    for (const auto& c : texts)
        if (c.Text == "0,06" && c.Brush.Style == tk::TBrushStyle::bsClear && c.X1 == 163 &&
            c.Y1 == 123)
            ++transparent;
    EXPECT_EQ(transparent, 1);
    EXPECT_EQ(run.state.ZLine, std::complex<double>(50, 0));
    EXPECT_EQ(run.state.ZNorm, std::complex<double>(1, 1));
    EXPECT_EQ(run.state.XCircleRadius, 1.0f);
}

// The same click twice gives the very same picture.
TEST(ShowLoadPoint, IsRepeatable) {
    LoadRun once, twice;
    once.Show("30", "-70");
    twice.Show("30", "-70");
    twice.Show("30", "-70");
    EXPECT_EQ(0, std::memcmp(once.canvas.Bits(), twice.canvas.Bits(), 807 * 689 * 4));
}

// Inputs that stop the click before anything is shown, drawn or stored.
TEST(ShowLoadPoint, BadInputsChangeNothing) {
    struct Row {
        const char *rn, *xn, *rv, *xv;
        const char* message; // nullptr: any conversion error
    };
    // clang-format off
    const Row rows[] = {
        {"50", "50", "abc", "0", "Zв, активная часть: «abc» не является числом. Введите число, например «50,5»."},
        {"50", "50", "50.5", "0", "Zв, активная часть: «50.5» не является числом. Десятичный разделитель в этой системе — запятая. Введите «50,5»."}, // a point under a comma locale
        {"50", "50", "0", "0", chart::kLineResistanceMessage},
        {"50", "50", "0", "50", chart::kLineResistanceMessage},
        // No passive load has a negative resistance, however small; nor a negative r that a
        // complex line's reactance makes of a positive one.
        {"-50", "0", "50", "0", chart::kNegativeLoadMessage},
        {"-50,00001", "0", "50", "0", chart::kNegativeLoadMessage},
        {"-25", "10", "50", "0", chart::kNegativeLoadMessage},
        {"-200", "-30", "50", "0", chart::kNegativeLoadMessage},
        {"-0,001", "5", "50", "0", chart::kNegativeLoadMessage}, // within a pixel of the rim
        {"-1e-30", "0", "50", "0", chart::kNegativeLoadMessage}, // a float zero
        {"74,43", "-221,11", "33,1", "36,9", chart::kNegativeNormalisedMessage},
        {"1e39", "0", "50", "0", "Zн, активная часть: число «1e39» слишком велико: введите число не больше 3,4·10^38 по модулю."},
        {"0", "1e400", "50", "0", "Zн, реактивная часть: число «1e400» слишком велико: введите число не больше 3,4·10^38 по модулю."},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.rn) + " " + r.xn + " " + r.rv + " " + r.xv);
        LoadRun run;
        run.Show("30", "40");
        const chart::TChartState before = run.state;
        const std::vector<std::uint32_t> picture(run.canvas.Bits(), run.canvas.Bits() + 807 * 689);
        const std::string label = run.label3.Caption;
        try {
            run.Show(r.rn, r.xn, r.rv, r.xv);
            ADD_FAILURE() << "no error";
        } catch (const tk::Exception& e) {
            if (r.message) {
                EXPECT_EQ(e.Message, r.message);
            }
            EXPECT_FALSE(e.Message.empty());
        }
        EXPECT_TRUE(run.state == before);
        EXPECT_EQ(run.label3.Caption, label);
        EXPECT_TRUE(std::equal(picture.begin(), picture.end(), run.canvas.Bits()));
        EXPECT_TRUE(run.log.empty());
    }
}

// Wherever a reactance's circle is too wide for single precision to cross it, the load
// still lands within 2 px of its exact place; loads the chart constructs keep their pixel.
TEST(ShowLoadPoint, EveryLoadLandsWithinTwoPixelsOfItsPlace) {
    const double rs[] = {0, 0.001, 0.01, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50};
    const double xs[] = {1e-6, 3e-6, 1e-5, 1e-4, 1e-3, 3e-3, 0.01, 0.03, 0.1, 1, 10};
    LoadRun run;
    for (double r : rs)
        for (double x : xs)
            for (double sign : {1.0, -1.0}) {
                run.Show(Text(50 * r).c_str(), Text(50 * sign * x).c_str());
                EXPECT_LE(DistanceFromExact(run.state), 2.0) << r << " " << sign * x;
            }
    // The examples of the fault: 100 + j0,01 (|G| 1/3), 50 + j0,01 (the centre).
    run.Show("100", "0,01");
    EXPECT_EQ(run.state.PointX, 500);
    EXPECT_EQ(run.state.PointY, 350);
    run.Show("50", "0,01");
    EXPECT_EQ(run.state.PointDistPx, 0);
}

// The complex division through the larger part of the divisor.
TEST(NormalizeLoad, DividesThroughTheLargerPart) {
    struct Row {
        double rn, xn, rv, xv, r, x;
    };
    // clang-format off
    const Row rows[] = {
        {50, 50, 50, 0, 1, 1},
        {100, 0, 0, 50, 0, -2},
        {50, 50, 25, 25, 2, 0},
        {0, 0, 3, 4, 0, 0},
    };
    // clang-format on
    for (const Row& r : rows) {
        const auto z = chart::NormalizeLoad(r.rn, r.xn, r.rv, r.xv);
        EXPECT_DOUBLE_EQ(z.real(), r.r);
        EXPECT_DOUBLE_EQ(z.imag(), r.x);
    }
    EXPECT_TRUE(std::isnan(chart::NormalizeLoad(1, 1, 0, 0).real()));
    EXPECT_TRUE(std::isnan(chart::NormalizeLoad(1, 1, NAN, 1).imag()));
}

} // namespace
