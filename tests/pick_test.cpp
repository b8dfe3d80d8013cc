// A pixel of the chart read and taken as the load, in either window: the readout gives Z on
// the line of the load shown; what it reads goes into Zн and «Показать точку» shows it; a
// pixel or a line that gives no load is refused with its message and the window stays as
// it was, fields and all.
#include "chart/ChartForm.h"
#include "tests/zline/ZlineTesting.h"
#include "tests/zmatch/ZmatchTesting.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The message the pick raised, or "" when it went through.
template <class W> std::string Pick(W& w, int x, int y) {
    try {
        w.form.Image1->OnPick({x, y});
    } catch (const tk::Exception& e) {
        return e.Message;
    }
    return "";
}

template <class W> class PickTest : public ::testing::Test {};
using Windows = ::testing::Types<testing_zmatch::Window, testing_zline::Window>;
TYPED_TEST_SUITE(PickTest, Windows);

// The reading cross starts at the centre; Z appears once a load has been shown.
TYPED_TEST(PickTest, ReadoutGivesZOnTheLineOfTheLoadShown) {
    TypeParam w;
    const tk::TImage& image = *w.form.Image1;
    EXPECT_EQ(image.ReadingStart, (tk::TPoint{400, 350}));
    EXPECT_EQ(image.OnReadout({460, 230}).find("Z ="), std::string::npos);
    w.ShowLoad("100", "50");
    EXPECT_NE(image.OnReadout({460, 230}).find("\nZ = 50 + j50 Ом\n"), std::string::npos);
}

// The pixel of z = 1 + j1 on a 50 Ом line writes 50 and 50 and shows the very point
// «Показать точку» shows for them.
TYPED_TEST(PickTest, WritesTheReadingAndShowsThePoint) {
    TypeParam picked, typed;
    picked.TypeLoad("7", "-3", "50", "0");
    ASSERT_EQ(Pick(picked, 460, 230), "");
    EXPECT_EQ(picked.form.Edit1->Text, "50");
    EXPECT_EQ(picked.form.Edit2->Text, "50");
    typed.ShowLoad("50", "50");
    EXPECT_EQ(picked.form.Label3->Caption, "Zнн=1,00+j1,00");
    EXPECT_EQ(picked.state, typed.state);
    EXPECT_EQ(picked.Picture(), typed.Picture());
}

// Nothing changes on a refusal: a line that does not read or has no positive resistance,
// a pixel with no load, and a load the button itself refuses (too large for its field).
TYPED_TEST(PickTest, RefusalsChangeNothing) {
    struct Row {
        const char *rv, *xv;
        int x, y;
        const char* message;
    };
    // clang-format off
    const Row rows[] = {
        {"50.5", "0",  460, 230, "Zв, активная часть: «50.5» не является числом"},
        {"50",   "x",  460, 230, "Zв, реактивная часть: «x» не является числом"},
        {"-50",  "0",  460, 230, chart::kLineResistanceMessage},
        {"50",   "0",  701, 350, chart::kPickBeyondRimMessage},
        {"50",   "0",  700, 350, chart::kPickOpenCircuitMessage},
        {"3e38", "0",  699, 350, "Zн, активная часть: число"},
    };
    // clang-format on
    for (const Row& r : rows) {
        TypeParam w;
        w.ShowLoad("100", "50");
        w.form.Edit3->Text = r.rv;
        w.form.Edit4->Text = r.xv;
        const auto picture = w.Picture();
        const chart::TChartState state = w.state;
        const std::string caption = w.form.Label3->Caption;
        EXPECT_NE(Pick(w, r.x, r.y).find(r.message), std::string::npos) << r.rv << " " << r.x;
        EXPECT_EQ(w.form.Edit1->Text, "100");
        EXPECT_EQ(w.form.Edit2->Text, "50");
        EXPECT_EQ(w.form.Edit3->Text, r.rv);
        EXPECT_EQ(w.form.Label3->Caption, caption);
        EXPECT_EQ(w.state, state);
        EXPECT_EQ(w.Picture(), picture);
    }
}

} // namespace
