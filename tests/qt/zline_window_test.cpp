// zline's own window through the Qt binding, used as its user uses it.
#include "tests/qt/WindowTesting.h"

#include "chart/AuthorPage.h"
#include "chart/ChainForm.h"
#include "chart/ExercisesForm.h"
#include "zline/Unit1.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

using driver::ColorAt;
using driver::FirstDifference;
using driver::ImageOf;
using driver::OnScreen;
using driver::Press;
using driver::Shown;
using driver::TypeOver;
using Strings = std::vector<std::string>;

class ZlineWindow : public ::testing::Test {
  protected:
    QWidget* W(const char* name) const { return w.Widget(name); }
    std::string Text(const char* name) const { return Shown(W(name)); }
    QImage Chart() const { return OnScreen(W("Image1")); }

    // The load 50 + j50 on a line of 50 typed in, then "Показать точку".
    void ShowLoad(const char* rn = "50") {
        TypeOver(W("Edit1"), rn);
        TypeOver(W("Edit2"), "50");
        TypeOver(W("Edit3"), "50");
        TypeOver(W("Edit4"), "0");
        Press(W("Button1"));
    }

    void Move(bool towardGenerator, const char* l, const char* lambda, const char* attenuation) {
        Press(W(towardGenerator ? "RadioButton1" : "RadioButton2"));
        TypeOver(W("Edit5"), l);
        TypeOver(W("Edit6"), lambda);
        TypeOver(W("Edit7"), attenuation);
        Press(W("Button2"));
    }

    driver::ProgramWindow<zline::TForm1> w{"zline"};
};

// The headless twin given the same inputs and clicks.
struct Twin : windowtesting::Twin<zline::TForm1> {
    void ShowLoad(bool mirrors) {
        form.Edit1->Text = "50";
        form.Edit2->Text = "50";
        form.Edit3->Text = "50";
        form.Edit4->Text = "0";
        form.CheckBox1->Checked = mirrors;
        form.Button1Click(form.Button1);
    }
    void Move(bool towardGenerator, const char* l, const char* lambda, const char* attenuation) {
        (towardGenerator ? form.RadioButton1 : form.RadioButton2)->SetChecked(true);
        form.Edit5->Text = l;
        form.Edit6->Text = lambda;
        form.Edit7->Text = attenuation;
        form.Button2Click(form.Button2);
    }
};

TEST_F(ZlineWindow, ShowsEveryControlAsDesigned) {
    windowtesting::ExpectAsDesigned(w, zline::kForm1Desc);
    windowtesting::ExpectCaptionsClearOfNeighbours(w, zline::kForm1Desc);
}

// Tab runs through the designed order, which puts the attenuation and the check box after
// the button that reads them, enters the direction group once at its checked button, stops
// at the chart last, and comes round to the first field; the focus starts there.
TEST_F(ZlineWindow, TabFollowsDesignedOrder) {
    ASSERT_TRUE(w.Activate());
    EXPECT_EQ(w.Focused(), "Edit1");
    EXPECT_EQ(windowtesting::TabWalk(w, "Edit1", 12),
              (Strings{"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Button2",
                       "RadioButton1", "Edit7", "CheckBox1", "Image1", "Edit1"}));
    Press(W("RadioButton2"));
    EXPECT_EQ(windowtesting::TabWalk(w, "Button2", 2),
              (Strings{"Button2", "RadioButton2", "Edit7"}))
        << "after the user picks the direction toward the load";
}

// The picture control shows the canvas pixel for pixel, at its place in the window: the
// bare chart (its rim's top at (400, 50)) and the ruler's axis at x = 750.
TEST_F(ZlineWindow, ShowsChartAndRuler) {
    const QImage canvas = ImageOf(w.form->Image1->Canvas);
    EXPECT_EQ(ColorAt(canvas, 400, 50), tk::clBlack);
    for (int y : {60, 200, 500, 640})
        EXPECT_EQ(ColorAt(canvas, 750, y), tk::clBlack) << "ruler at y = " << y;
    EXPECT_EQ(FirstDifference(Chart(), canvas), "");
    EXPECT_EQ(ColorAt(OnScreen(w.host.Window()), 197 + 400, 8 + 50), tk::clBlack);
    EXPECT_EQ(windowtesting::ChartInWindowDiffers(w), "");
}

// A user who never touches the mouse: the focus starts in the first field, Tab selects
// each next field's text so typing replaces it, and Space presses the button. 50 + j50 on
// 50 is 1 + j1: |Г| = 0.4472, КСВ = 2.618, КБВ = 0.382, at 0.1619 wavelength.
TEST_F(ZlineWindow, KeyboardAloneShowsTheLoadAndItsReflection) {
    ASSERT_TRUE(w.Activate());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    for (const char* typed : {"50", "50", "50", "0"}) {
        QTest::keyClicks(QApplication::focusWidget(), typed);
        driver::PressTab();
    }
    ASSERT_EQ(w.Focused(), "Button1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    EXPECT_EQ(
        (Strings{Text("Label3"), Text("Label7"), Text("Label8"), Text("Label9"), Text("Label10")}),
        (Strings{"Zнн=1,00+j1,00", "раст./длин.волн. = 0,1619", "|Г| = 0,4472", "КСВ = 2,6180",
                 "КБВ = 0,3820"}));
    EXPECT_TRUE(w.host.Errors.empty());
}

// Ticking the check box with the mouse adds the load's three mirror points (lime markers
// at (460, 470), (340, 230), (340, 470) for the load at (460, 230)); the picture is the
// one the handler draws either way.
TEST_F(ZlineWindow, CheckBoxShowsMirrorPoints) {
    for (bool ticked : {false, true}) {
        SCOPED_TRACE(ticked ? "ticked" : "not ticked");
        if (static_cast<QAbstractButton*>(W("CheckBox1"))->isChecked() != ticked)
            Press(W("CheckBox1"));
        ShowLoad();
        const QImage chart = Chart();
        for (QPoint p : {QPoint(460, 470), QPoint(340, 230), QPoint(340, 470)})
            EXPECT_EQ(ColorAt(chart, p.x(), p.y()) == tk::clLime, ticked) << p.x() << "," << p.y();
        Twin twin;
        twin.ShowLoad(ticked);
        EXPECT_EQ(FirstDifference(chart, ImageOf(twin.form.Image1->Canvas)), "");
    }
}

// Moving along the line through the window, the direction chosen with the mouse and the
// lengths typed with the comma. A lossless quarter wavelength turns 1 + j1 into its
// inverse 0.5 - j0.5 whichever way, and whatever unit the lengths are typed in; the
// position moves by a quarter toward the generator or back toward the load. A lossy move
// shows what the handler computes. |Г|, КСВ and КБВ stay those of the load.
TEST_F(ZlineWindow, MovesAlongTheLine) {
    struct Row {
        const char* intent;
        bool towardGenerator;
        const char *l, *lambda, *attenuation;
        Strings expected; // Label7, Label6, Label12; empty: as the twin
    };
    const Row rows[] = {
        {"a quarter toward the generator",
         true,
         "0,25",
         "1",
         "0",
         {"раст./длин.волн. = 0,4119", "R+jX= 0,50-j0,50", "R+ jX =25,00-j25,00"}},
        {"a quarter toward the load",
         false,
         "0,25",
         "1",
         "0",
         {"раст./длин.волн. = -0,0881", "R+jX= 0,50-j0,50", "R+ jX =25,00-j25,00"}},
        {"a quarter in centimetres",
         true,
         "7,5",
         "30",
         "0",
         {"раст./длин.волн. = 0,4119", "R+jX= 0,50-j0,50", "R+ jX =25,00-j25,00"}},
        {"toward the generator through 2 dB a wavelength", true, "0,3", "1", "2", {}},
    };
    ShowLoad();
    const Strings load{Text("Label8"), Text("Label9"), Text("Label10")};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.intent);
        Move(r.towardGenerator, r.l, r.lambda, r.attenuation);
        if (!r.expected.empty()) {
            EXPECT_EQ((Strings{Text("Label7"), Text("Label6"), Text("Label12")}), r.expected);
        }
        EXPECT_EQ((Strings{Text("Label8"), Text("Label9"), Text("Label10")}), load);

        // A move draws over the chart without clearing it, so the twin starts afresh from
        // the load each time, as the window does after "Показать точку".
        Twin twin;
        twin.ShowLoad(false);
        twin.Move(r.towardGenerator, r.l, r.lambda, r.attenuation);
        EXPECT_EQ(windowtesting::ShownCaptions(w), windowtesting::Captions(twin.form));
        EXPECT_EQ(FirstDifference(Chart(), ImageOf(twin.form.Image1->Canvas)), "");
        ShowLoad();
    }
    EXPECT_TRUE(w.host.Errors.empty());
}

// A field that is not a number: the error box tells which text, the labels keep what
// they showed, and the next press with a number works.
TEST_F(ZlineWindow, BadFieldShowsErrorAndWindowStaysUsable) {
    ShowLoad("abc");
    ASSERT_EQ(w.host.Errors.size(), 1u);
    EXPECT_NE(w.host.Errors[0].find("abc"), std::string::npos) << w.host.Errors[0];
    EXPECT_EQ(Text("Label3"), "Zнн=");
    EXPECT_EQ(Text("Label8"), "|Г| = ");

    ShowLoad("50");
    EXPECT_EQ(Text("Label8"), "|Г| = 0,4472");
    const std::string position = Text("Label7");
    Move(true, "0,25", "abc", "0");
    ASSERT_EQ(w.host.Errors.size(), 2u);
    EXPECT_NE(w.host.Errors[1].find("abc"), std::string::npos) << w.host.Errors[1];
    EXPECT_EQ(Text("Label7"), position);
    EXPECT_EQ(Text("Label6"), "R+jX = ");

    TypeOver(W("Edit6"), "1");
    Press(W("Button2"));
    EXPECT_EQ(Text("Label6"), "R+jX= 0,50-j0,50");
    EXPECT_EQ(w.host.Errors.size(), 2u);
}

// zline's menu has the chain window too: F2 opens it on the load of the fields.
TEST_F(ZlineWindow, ChainWindowOpensByF2) {
    ShowLoad();
    ASSERT_TRUE(w.Activate());
    QTest::keyClick(w.host.Window(), Qt::Key_F2);
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* chain = dynamic_cast<chart::TChainForm*>(w.app.Windows()[0]);
    ASSERT_NE(chain, nullptr);
    EXPECT_EQ(Shown(w.host.WidgetOf(*chain->LoadLabel)), "Zн = 50+j50 Ом, Zв = 50 Ом");
    EXPECT_TRUE(w.host.Errors.empty());
}

// zline's F4 opens «Задания» with zline's own kinds: the line's move and the reading.
TEST_F(ZlineWindow, ExercisesWindowOffersZlinesKinds) {
    ASSERT_TRUE(w.Activate());
    QTest::keyClick(w.host.Window(), Qt::Key_F4);
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* ex = dynamic_cast<chart::TExercisesForm*>(w.app.Windows()[0]);
    ASSERT_NE(ex, nullptr);
    EXPECT_EQ(ex->Kinds(), exercises::KindsOf("zline"));
    Press(w.host.WidgetOf(*ex->MakeButton));
    EXPECT_EQ(ex->Set()->Variants.size(), 30u);
    EXPECT_EQ(Shown(w.host.WidgetOf(*ex->ProblemLabel)), ex->ProblemLabel->Caption);
    EXPECT_TRUE(w.host.Errors.empty());
}

// The link is blue with a hand cursor, and a click asks the desktop to open its address.
TEST_F(ZlineWindow, LinkOpensAuthorPage) {
    windowtesting::ExpectLinkOpens(w, W("Label13"), chart::kAuthorPage);
}

TEST_F(ZlineWindow, LoadFromFileRow) {
    windowtesting::ExpectLoadFromFileRow(w);
}

TEST_F(ZlineWindow, FitsSmallClientAreas) {
    for (const QSize client : windowtesting::kSmallClientAreas)
        windowtesting::ExpectFitsInto(w, client, chart::kAuthorPage);
}

// The built program ends with status 0 when its window is closed.
TEST(ZlineProgram, ClosingTheWindowEndsItWithZero) {
    windowtesting::ExpectClosingEndsWithZero(ZLINE_PATH);
}

} // namespace
