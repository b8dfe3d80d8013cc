// zmatch's own window through the Qt binding, used as its user uses it.
#include "tests/qt/WindowTesting.h"

#include "chart/AdmittanceGrid.h"
#include "chart/AuthorPage.h"
#include "chart/ChainForm.h"
#include "chart/ExercisesForm.h"
#include "chart/Frame.h"
#include "chart/StepsForm.h"
#include "theory/ChainPath.h"
#include "toolkit/PointerReading.h"
#include "toolkit/qt/ImageWidget.h"
#include "toolkit/qt/ReadoutLabel.h"
#include "zmatch/BandForm.h"
#include "zmatch/ChooseForm.h"
#include "zmatch/MethodsForm.h"
#include "zmatch/Unit1.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QSlider>
#include <QToolTip>
#include <QTreeWidget>
#include <QWheelEvent>

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

class ZmatchWindow : public ::testing::Test {
  protected:
    QWidget* W(const char* name) const { return w.Widget(name); }
    std::string Text(const char* name) const { return Shown(W(name)); }
    QImage Chart() const { return OnScreen(W("Image1")); }

    // The load and the line typed into their fields, then "Показать точку".
    void ShowLoad(const char* rn, const char* xn, const char* rv, const char* xv) {
        TypeOver(W("Edit1"), rn);
        TypeOver(W("Edit2"), xn);
        TypeOver(W("Edit3"), rv);
        TypeOver(W("Edit4"), xv);
        Press(W("Button1"));
    }

    driver::ProgramWindow<zmatch::TForm1> w{"zmatch"};
};

// The headless twin given the same inputs and clicks.
struct Twin : windowtesting::Twin<zmatch::TForm1> {
    void ShowLoad(const char* rn, const char* xn, const char* rv, const char* xv) {
        form.Edit1->Text = rn;
        form.Edit2->Text = xn;
        form.Edit3->Text = rv;
        form.Edit4->Text = xv;
        form.Button1Click(form.Button1);
    }
    void Match(bool shortStub, const char* wavelength) {
        (shortStub ? form.RadioButton1 : form.RadioButton2)->SetChecked(true);
        form.Edit6->Text = wavelength;
        form.Button2Click(form.Button2);
    }
};

TEST_F(ZmatchWindow, ShowsEveryControlAsDesigned) {
    windowtesting::ExpectAsDesigned(w, zmatch::kForm1Desc);
    windowtesting::ExpectCaptionsClearOfNeighbours(w, zmatch::kForm1Desc);
}

// Tab runs through the designed order, enters the stub-type group once at its checked
// button, stops at the chart last, and comes round to the first field; the focus starts
// there.
TEST_F(ZmatchWindow, TabFollowsDesignedOrder) {
    ASSERT_TRUE(w.Activate());
    EXPECT_EQ(w.Focused(), "Edit1");
    EXPECT_EQ(windowtesting::TabWalk(w, "Edit1", 9),
              (Strings{"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit6", "Button2",
                       "RadioButton1", "Image1", "Edit1"}));
    Press(W("RadioButton2"));
    EXPECT_EQ(windowtesting::TabWalk(w, "Button2", 2),
              (Strings{"Button2", "RadioButton2", "Image1"}))
        << "after the user picks the open stub";
}

// The picture control shows the canvas pixel for pixel, at its place in the window: the
// bare chart (its rim's top at (400, 50)) and the legend's green and fuchsia strokes.
TEST_F(ZmatchWindow, ShowsChartAndLegend) {
    const QImage canvas = ImageOf(w.form->Image1->Canvas);
    EXPECT_EQ(ColorAt(canvas, 400, 50), tk::clBlack);
    EXPECT_EQ(ColorAt(canvas, 30, 10), tk::clGreen);
    EXPECT_EQ(ColorAt(canvas, 30, 25), tk::clFuchsia);
    EXPECT_EQ(FirstDifference(Chart(), canvas), "");

    EXPECT_EQ(ColorAt(OnScreen(w.host.Window()), 201 + 400, 8 + 50), tk::clBlack);
    EXPECT_EQ(windowtesting::ChartInWindowDiffers(w), "");
}

// The admittance grid, from the chart's menu and from Ctrl+G: while the row is ticked the
// window and the copied picture show the canvas with the grid in its ink through the
// white, and nothing the canvas drew is covered; toggled off, the canvas alone again.
TEST_F(ZmatchWindow, GridRowShowsTheAdmittanceGridOverTheCanvas) {
    ShowLoad("100", "50", "50", "0");
    QAction* row = nullptr;
    for (QAction* action : W("Image1")->actions())
        if (action->text() == "Сетка проводимостей") row = action;
    ASSERT_TRUE(row);
    EXPECT_TRUE(row->isCheckable());
    EXPECT_EQ(row->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    const QImage canvas = ImageOf(w.form->Image1->Canvas);

    for (bool fromKeys : {false, true}) {
        SCOPED_TRACE(fromKeys ? "Ctrl+G" : "menu");
        EXPECT_FALSE(row->isChecked());
        ASSERT_TRUE(w.Activate());
        const auto toggle = [&] {
            if (fromKeys)
                QTest::keyClick(w.host.Window(), Qt::Key_G, Qt::ControlModifier);
            else
                row->trigger();
        };
        toggle();
        EXPECT_TRUE(row->isChecked());
        const QImage shown = Chart();
        int inked = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (ColorAt(shown, x, y) != ColorAt(canvas, x, y)) {
                    ASSERT_EQ(ColorAt(canvas, x, y), tk::clWhite) << x << "," << y;
                    inked += ColorAt(shown, x, y) == chart::AdmittanceGridInk;
                }
        EXPECT_GT(inked, 10000);
        w.form->Image1->Canvas.Bits()[0] = 0; // a paint shows what was composed, nothing new
        W("Image1")->repaint();
        EXPECT_EQ(FirstDifference(Chart(), shown), "");
        w.form->Image1->Canvas.Bits()[0] = tk::clWhite;

        toggle();
        EXPECT_FALSE(row->isChecked());
        EXPECT_EQ(FirstDifference(Chart(), canvas), "");
    }
    EXPECT_TRUE(w.host.Errors.empty());
}

// A user who never touches the mouse: the focus starts in the first field, Tab selects
// each next field's text so typing replaces it, and Space presses the button.
TEST_F(ZmatchWindow, KeyboardAloneShowsTheLoadPoint) {
    ASSERT_TRUE(w.Activate());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    for (const char* typed : {"100", "50", "50", "0"}) {
        QTest::keyClicks(QApplication::focusWidget(), typed);
        driver::PressTab();
    }
    ASSERT_EQ(w.Focused(), "Button1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    EXPECT_EQ(Text("Label3"), "Zнн=2,00+j1,00");
    Twin twin;
    twin.ShowLoad("100", "50", "50", "0");
    EXPECT_EQ(FirstDifference(Chart(), ImageOf(twin.form.Image1->Canvas)), "");
    EXPECT_TRUE(w.host.Errors.empty());
}

// With a load on a 50 Ом line shown, the pointer over the pixel of 1 + j1 reads it there,
// normalised and in ohms; a double-click takes it as the load: its ohms written into the
// load's fields and the point shown, as typing them and pressing «Показать точку» does.
TEST_F(ZmatchWindow, PointerReadsAndTakesTheLoad) {
    ShowLoad("100", "50", "50", "0");
    auto* picture = dynamic_cast<tkqt::ImageWidget*>(W("Image1"));
    ASSERT_NE(picture, nullptr);
    const tk::TRect box =
        tk::ShownBoxOf({460, 230}, {picture->width(), picture->height()}, {807, 689});
    const QPointF at(box.Left, box.Top);
    for (const QEvent::Type type : {QEvent::MouseMove, QEvent::MouseButtonDblClick}) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, picture->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(picture, &event);
        if (type != QEvent::MouseMove) continue;
        const std::string readout = picture->Readout().text().toStdString();
        EXPECT_NE(readout.find("z = 1,00 + j1,00\n"), std::string::npos) << readout;
        EXPECT_NE(readout.find("Z = 50 + j50 Ом\n"), std::string::npos) << readout;
    }
    EXPECT_EQ(Text("Edit1"), "50");
    EXPECT_EQ(Text("Edit2"), "50");
    Twin twin;
    twin.ShowLoad("50", "50", "50", "0");
    EXPECT_EQ(FirstDifference(Chart(), ImageOf(twin.form.Image1->Canvas)), "");
    EXPECT_TRUE(w.host.Errors.empty());
}

// Matching through the window: the stub type chosen with the mouse, the wavelength typed
// with the comma. The load 2 (100 on 50) is plotted on (500, 350) and read off the chart
// as 0.152 wavelength to the stub, the stub 0.152 short or 0.402 open; the labels and the
// picture are those the handlers compute for the same inputs.
TEST(ZmatchMatching, MatchesWithTheChosenStub) {
    struct Row {
        const char* intent;
        const char* rn;
        const char* xn;
        bool shortStub;
        const char* wavelength;
        Strings expected; // Label6, Label4, Label11, Label7, Label12; empty: as the twin
    };
    const Row rows[] = {
        {"short stub, one unit",
         "100",
         "0",
         true,
         "1",
         {"Y'вх. = 0,50+j0,00", "l. раст. от нагр.= 0,152", "l. раст. от нагр.= 0,152",
          "l1 длн. шл. = 0,152", "l1 длн. шл. = 0,152"}},
        {"open stub, half a unit: the typed unit scales Label4 and Label7 only",
         "100",
         "0",
         false,
         "0,5",
         {"Y'вх. = 0,50+j0,00", "l. раст. от нагр.= 0,076", "l. раст. от нагр.= 0,152",
          "l1 длн. шл. = 0,201", "l1 длн. шл. = 0,402"}},
        {"2 + j1, short stub", "100", "50", true, "1", {}},
        {"2 + j1, open stub", "100", "50", false, "1", {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.intent);
        driver::ProgramWindow<zmatch::TForm1> w("zmatch");
        TypeOver(w.Widget("Edit1"), r.rn);
        TypeOver(w.Widget("Edit2"), r.xn);
        TypeOver(w.Widget("Edit3"), "50");
        TypeOver(w.Widget("Edit4"), "0");
        Press(w.Widget("Button1"));
        Press(w.Widget(r.shortStub ? "RadioButton1" : "RadioButton2"));
        TypeOver(w.Widget("Edit6"), r.wavelength);
        Press(w.Widget("Button2"));

        Twin twin;
        twin.ShowLoad(r.rn, r.xn, "50", "0");
        twin.Match(r.shortStub, r.wavelength);
        if (!r.expected.empty()) {
            EXPECT_EQ((Strings{Shown(w.Widget("Label6")), Shown(w.Widget("Label4")),
                               Shown(w.Widget("Label11")), Shown(w.Widget("Label7")),
                               Shown(w.Widget("Label12"))}),
                      r.expected);
        }
        EXPECT_EQ(windowtesting::ShownCaptions(w), windowtesting::Captions(twin.form));
        EXPECT_EQ(FirstDifference(OnScreen(w.Widget("Image1")), ImageOf(twin.form.Image1->Canvas)),
                  "");
        EXPECT_TRUE(w.host.Errors.empty());
    }
}

// A load field that is not a number: the error box tells which text, nothing changes, and
// the next press with a number works.
TEST_F(ZmatchWindow, BadLoadFieldShowsErrorAndChangesNothing) {
    const QImage before = Chart();
    ShowLoad("abc", "50", "50", "0");
    ASSERT_EQ(w.host.Errors.size(), 1u);
    EXPECT_NE(w.host.Errors[0].find("abc"), std::string::npos) << w.host.Errors[0];
    EXPECT_EQ(Text("Label3"), "Zнн=");
    EXPECT_EQ(FirstDifference(Chart(), before), "");
    EXPECT_TRUE(w.host.Window()->isVisible());

    TypeOver(W("Edit1"), "100");
    Press(W("Button1"));
    EXPECT_EQ(Text("Label3"), "Zнн=2,00+j1,00");
    EXPECT_EQ(w.host.Errors.size(), 1u);
}

// A wavelength that is not a number stops the matching before it draws or writes anything:
// no half of a new matching beside the last one's lengths.
TEST_F(ZmatchWindow, BadWavelengthChangesNothing) {
    ShowLoad("100", "0", "50", "0");
    Press(W("Button2"));
    const std::string distance = Text("Label4"), stub = Text("Label7");

    ShowLoad("100", "50", "50", "0");
    const auto before = Chart();
    TypeOver(W("Edit6"), "abc");
    Press(W("Button2"));
    ASSERT_EQ(w.host.Errors.size(), 1u);
    EXPECT_EQ(w.host.Errors[0],
              "Длина волны: «abc» не является числом. Введите число, например «50,5».");
    EXPECT_EQ(Text("Label6"), "Y'вх. = 0,50+j0,00");
    EXPECT_EQ(FirstDifference(Chart(), before), "");
    EXPECT_EQ(Text("Label4"), distance);
    EXPECT_EQ(Text("Label7"), stub);

    // The hints, too, stay those of the last match.
    EXPECT_NE(W("Label6")->toolTip().toStdString().find(
                  "Согласование нагрузки Zн = 100 Ом на линии Zв = 50 Ом короткозамкнутым "
                  "шлейфом, λ = 1\nТочный расчёт (линия без потерь): y = 1/z = 0,50000+j0,00000"),
              std::string::npos);
    EXPECT_NE(W("Label4")->toolTip().toStdString().find("y = 1+j0,70711"), std::string::npos);

    TypeOver(W("Edit6"), "1");
    Press(W("Button2"));
    EXPECT_NE(Text("Label4"), distance);
    EXPECT_EQ(w.host.Errors.size(), 1u);
}

// Resting the pointer on a result after a match shows the exact answers: both solutions
// and what the chart's printed answer gives when built.
TEST_F(ZmatchWindow, HoveringAResultShowsTheExactAnswers) {
    ShowLoad("100", "50", "50", "0");
    Press(W("Button2"));
    QWidget* label = W("Label11");
    const QPoint at(5, 5);
    QTest::mouseMove(label, at);
    QHelpEvent hover(QEvent::ToolTip, at, label->mapToGlobal(at));
    QApplication::sendEvent(label, &hover);
    ASSERT_TRUE(QToolTip::isVisible());
    const std::string tip = QToolTip::text().toStdString();
    for (const char* part :
         {"нагрузки Zн = 100+j50 Ом",
          "решение на диаграмме: в месте подключения проводимость "
          "линии y = 1+j1,00000, шлейф добавляет -j1,00000",
          "расстояние 0,19879 λ", "короткозамкнутый шлейф 0,12500 λ",
          "второе решение: в месте подключения проводимость линии y = 1-j1,00000",
          "расстояние 0,37500 λ", "Ответ диаграммы"})
        EXPECT_NE(tip.find(part), std::string::npos) << part << " in\n" << tip;
}

// The link is blue with a hand cursor, and a click asks the desktop to open its address.
// «Полоса согласования…» says to match first; after «Согласовать», Ctrl+B opens the band
// window beside the chart, showing the plot its form drew, read under the pointer; the
// model chosen with the mouse redraws it; the window closed is forgotten, and the menu's
// row opens it anew.
TEST_F(ZmatchWindow, BandRowOpensTheBandWindow) {
    QAction* row = nullptr;
    for (QAction* action : W("Image1")->actions())
        if (action->text() == "Полоса согласования…") row = action;
    ASSERT_TRUE(row);
    EXPECT_EQ(row->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
    row->trigger();
    EXPECT_EQ(w.host.Errors, Strings{zmatch::kNoMatchForBandMessage});
    w.host.Errors.clear();

    ShowLoad("100", "50", "50", "0");
    Press(W("Button2"));
    ASSERT_TRUE(w.Activate());
    QTest::keyClick(w.host.Window(), Qt::Key_B, Qt::ControlModifier);
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* band = dynamic_cast<zmatch::TBandForm*>(w.app.Windows()[0]);
    ASSERT_NE(band, nullptr);
    QWidget* window = w.host.WindowOf(*band);
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "Полоса согласования");
    EXPECT_FALSE(w.host.WidgetOf(*band->MeasuredModelButton)->isVisible());
    auto* plot = dynamic_cast<tkqt::ImageWidget*>(w.host.WidgetOf(*band->Picture));
    ASSERT_NE(plot, nullptr);
    const QImage series = OnScreen(plot);
    EXPECT_EQ(FirstDifference(series, ImageOf(band->Picture->Canvas)), "");

    const QPointF at(350, 200);
    QMouseEvent move(QEvent::MouseMove, at, plot->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    const std::string readout = plot->Readout().text().toStdString();
    EXPECT_NE(readout.find("КСВ первого решения = "), std::string::npos) << readout;

    Press(w.host.WidgetOf(*band->ConstantModelButton));
    EXPECT_TRUE(band->ConstantModelButton->Checked());
    EXPECT_NE(FirstDifference(OnScreen(plot), series), "");

    window->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.app.Windows().empty());
    row->trigger();
    EXPECT_EQ(w.app.Windows().size(), 1u);
    EXPECT_TRUE(w.host.Errors.empty());
}

// Ctrl+M opens the methods window beside the main one; «Решить» there solves the main
// window's load on its own chart, shown as its canvas holds it, the results in its labels.
TEST_F(ZmatchWindow, MethodsRowOpensTheMethodsWindow) {
    ShowLoad("100", "50", "50", "0");
    ASSERT_TRUE(w.Activate());
    QTest::keyClick(w.host.Window(), Qt::Key_M, Qt::ControlModifier);
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* methods = dynamic_cast<zmatch::TMethodsForm*>(w.app.Windows()[0]);
    ASSERT_NE(methods, nullptr);
    QWidget* window = w.host.WindowOf(*methods);
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "Другие способы согласования");
    Press(w.host.WidgetOf(*methods->MethodButtons[1]));
    Press(w.host.WidgetOf(*methods->SolveButton));
    EXPECT_TRUE(w.host.Errors.empty());
    EXPECT_EQ(Shown(w.host.WidgetOf(*methods->SolutionLabels[0])),
              methods->SolutionLabels[0]->Caption);
    EXPECT_EQ(methods->SolutionLabels[0]->Caption.rfind("1. l1 = ", 0), 0u);
    auto* chart = dynamic_cast<tkqt::ImageWidget*>(w.host.WidgetOf(*methods->Picture));
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(FirstDifference(OnScreen(chart), ImageOf(methods->Picture->Canvas)), "");
    window->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.app.Windows().empty());
}

// F3 opens «Подбор согласования…»: «Подобрать» starts a search that goes on in the event loop
// a slice at a time, the window's Esc stops it; run out, its note and table come on screen.
TEST_F(ZmatchWindow, ChooseWindowSearchesInSlicesAndEscStops) {
    ShowLoad("100", "50", "50", "0");
    ASSERT_TRUE(w.Activate());
    QTest::keyClick(w.host.Window(), Qt::Key_F3);
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* choose = dynamic_cast<zmatch::TChooseForm*>(w.app.Windows()[0]);
    ASSERT_NE(choose, nullptr);
    QWidget* window = w.host.WindowOf(*choose);
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "Подбор согласования");
    Press(w.host.WidgetOf(*choose->SearchButton));
    EXPECT_TRUE(choose->Searching());
    QAction* esc = nullptr;
    for (QAction* a : w.host.WidgetOf(*choose->Picture)->actions())
        if (a->shortcut() == QKeySequence(Qt::Key_Escape)) esc = a;
    ASSERT_NE(esc, nullptr);
    esc->trigger();
    EXPECT_FALSE(choose->Searching());
    EXPECT_EQ(Shown(w.host.WidgetOf(*choose->NoteLabel)).rfind("Подбор остановлен", 0), 0u);
    Press(w.host.WidgetOf(*choose->SearchButton));
    for (int i = 0; i < 1000 && choose->Searching(); ++i)
        QCoreApplication::processEvents();
    EXPECT_FALSE(choose->Searching());
    EXPECT_EQ(Shown(w.host.WidgetOf(*choose->NoteLabel)), choose->NoteLabel->Caption);
    EXPECT_EQ(choose->NoteLabel->Caption.rfind("Подбор закончен", 0), 0u);
    auto* table = dynamic_cast<QTreeWidget*>(w.host.WidgetOf(*choose->ChoiceList));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->topLevelItemCount(), int(choose->Choices().size()));
    EXPECT_TRUE(w.host.Errors.empty());
    window->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.app.Windows().empty());
}

// F2 opens the chain window on the main window's load; «Добавить» puts a series L on it and
// the slider's arrow and PageUp keys tune it, the input's label and the chart on screen
// following each step as the form holds them.
TEST_F(ZmatchWindow, ChainWindowTunesByTheSlidersKeys) {
    ShowLoad("100", "50", "50", "0");
    ASSERT_TRUE(w.Activate());
    QTest::keyClick(w.host.Window(), Qt::Key_F2);
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* chain = dynamic_cast<chart::TChainForm*>(w.app.Windows()[0]);
    ASSERT_NE(chain, nullptr);
    QWidget* window = w.host.WindowOf(*chain);
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "Цепь");
    Press(w.host.WidgetOf(*chain->AddButton));
    ASSERT_EQ(chain->Chain().Elements.size(), 1u);
    EXPECT_EQ(Shown(w.host.WidgetOf(*chain->InputLabel)),
              "Вход: Z = 100,00+j100,00 Ом, КСВ = 4,266, обратные потери 4,15 дБ");
    auto* slider = w.host.WidgetOf(*chain->ValueSlider)->findChild<QSlider*>();
    ASSERT_NE(slider, nullptr);
    slider->setFocus();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_Down}) {
        const std::string before = chain->InputLabel->Caption;
        QTest::keyClick(slider, key);
        EXPECT_NE(chain->InputLabel->Caption, before) << key;
        EXPECT_EQ(Shown(w.host.WidgetOf(*chain->InputLabel)), chain->InputLabel->Caption) << key;
        auto* picture = dynamic_cast<tkqt::ImageWidget*>(w.host.WidgetOf(*chain->Picture));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(FirstDifference(OnScreen(picture), ImageOf(chain->Picture->Canvas)), "") << key;
    }
    EXPECT_NEAR(chain->Chain().Elements[0].Value, 50 * std::pow(10.0, 2.0 * 25 / 1000), 1e-9);
    EXPECT_TRUE(w.host.Errors.empty());
    window->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.app.Windows().empty());
}

// The wheel over the element's row and a drag of its node reach the chain window: a series L
// of 50 Ω on 100+j50 steps a notch up from the row, and its node, dragged halfway back along
// its r = 2 circle, lands there; the input's label and the chart on screen follow.
TEST_F(ZmatchWindow, ChainWindowTunesByTheWheelAndByADrag) {
    ShowLoad("100", "50", "50", "0");
    ASSERT_TRUE(w.Activate());
    QTest::keyClick(w.host.Window(), Qt::Key_F2);
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* chain = dynamic_cast<chart::TChainForm*>(w.app.Windows()[0]);
    ASSERT_NE(chain, nullptr);
    Press(w.host.WidgetOf(*chain->AddButton));
    auto* tree = dynamic_cast<QTreeWidget*>(w.host.WidgetOf(*chain->ElementList));
    ASSERT_NE(tree, nullptr);
    const QPoint row = tree->visualItemRect(tree->topLevelItem(1)).center();
    QWheelEvent wheel(row, tree->viewport()->mapToGlobal(row), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(tree->viewport(), &wheel);
    EXPECT_NEAR(chain->Chain().Elements[0].Value, 50 * std::pow(10.0, 2.0 / 1000), 1e-9);
    EXPECT_EQ(Shown(w.host.WidgetOf(*chain->InputLabel)), chain->InputLabel->Caption);

    auto* picture = dynamic_cast<tkqt::ImageWidget*>(w.host.WidgetOf(*chain->Picture));
    ASSERT_NE(picture, nullptr);
    const auto pointOf = [&](theory::TComplex g) {
        const tk::TPoint p = chart::PixelOfGamma(g.real(), g.imag());
        const tk::TRect box =
            tk::ShownBoxOf(p, {picture->width(), picture->height()},
                           {chain->Picture->Canvas.Width(), chain->Picture->Canvas.Height()});
        return QPointF(box.Left + box.Width / 2.0, box.Top + box.Height / 2.0);
    };
    const auto path = theory::ChainPaths(chain->Chain(), chain->LoadOhms())[0];
    const QPointF from = pointOf(path.back()), to = pointOf(path[path.size() / 2]);
    const auto mouse = [&](QEvent::Type type, QPointF at, Qt::MouseButtons held) {
        QMouseEvent e(type, at, picture->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(picture, &e);
    };
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(QEvent::MouseMove, to, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    const theory::TComplex node =
        theory::ReadingOf(theory::InputOhms(chain->Chain(), chain->LoadOhms(), 1), 50).Gamma;
    EXPECT_LE(std::abs(pointOf(node).x() - to.x()), 2.0);
    EXPECT_LE(std::abs(pointOf(node).y() - to.y()), 2.0);
    EXPECT_EQ(Shown(w.host.WidgetOf(*chain->InputLabel)), chain->InputLabel->Caption);
    EXPECT_EQ(FirstDifference(OnScreen(picture), ImageOf(chain->Picture->Canvas)), "");
    EXPECT_TRUE(w.host.Errors.empty());
}

// F4 opens «Задания»: a count and a group typed, «Сделать» lists the variants on screen, the
// first one's problem and construction shown; answers typed and «Проверить» list a verdict
// each; a count that does not read says so and keeps the list.
TEST_F(ZmatchWindow, ExercisesWindowMakesAndChecksVariants) {
    ASSERT_TRUE(w.Activate());
    QTest::keyClick(w.host.Window(), Qt::Key_F4);
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* ex = dynamic_cast<chart::TExercisesForm*>(w.app.Windows()[0]);
    ASSERT_NE(ex, nullptr);
    QWidget* window = w.host.WindowOf(*ex);
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "Задания");
    TypeOver(w.host.WidgetOf(*ex->CountEdit), "3");
    TypeOver(w.host.WidgetOf(*ex->GroupEdit), "IVT-21");
    Press(w.host.WidgetOf(*ex->MakeButton));
    auto* variants = dynamic_cast<QTreeWidget*>(w.host.WidgetOf(*ex->VariantList));
    ASSERT_NE(variants, nullptr);
    ASSERT_EQ(variants->topLevelItemCount(), 3);
    EXPECT_EQ(variants->topLevelItem(2)->text(1).toStdString(), ex->VariantList->Rows()[2][1]);
    EXPECT_EQ(Shown(w.host.WidgetOf(*ex->ProblemLabel)), ex->ProblemLabel->Caption);
    auto* picture = dynamic_cast<tkqt::ImageWidget*>(w.host.WidgetOf(*ex->Picture));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(FirstDifference(OnScreen(picture), ImageOf(ex->Picture->Canvas)), "");

    const exercises::TVariant v = ex->Set()->Variants[1];
    TypeOver(w.host.WidgetOf(*ex->CheckVariantEdit), "2");
    TypeOver(w.host.WidgetOf(*ex->AnswersEdit),
             (v.Answers[0].Name + "=" + exercises::DecimalComma(v.Answers[0].Exact, 5)).c_str());
    Press(w.host.WidgetOf(*ex->CheckButton));
    auto* verdicts = dynamic_cast<QTreeWidget*>(w.host.WidgetOf(*ex->VerdictList));
    ASSERT_NE(verdicts, nullptr);
    ASSERT_EQ(verdicts->topLevelItemCount(), int(v.Answers.size()));
    EXPECT_EQ(verdicts->topLevelItem(0)->text(1).toStdString(), "верно");
    EXPECT_EQ(verdicts->topLevelItem(1)->text(1).toStdString(), "нет ответа");
    EXPECT_EQ(FirstDifference(OnScreen(picture), ImageOf(ex->Picture->Canvas)), "");
    EXPECT_TRUE(w.host.Errors.empty());

    TypeOver(w.host.WidgetOf(*ex->CountEdit), "many");
    Press(w.host.WidgetOf(*ex->MakeButton));
    ASSERT_EQ(w.host.Errors.size(), 1u);
    EXPECT_NE(w.host.Errors[0].find("Число вариантов"), std::string::npos) << w.host.Errors[0];
    EXPECT_EQ(variants->topLevelItemCount(), 3);
    EXPECT_EQ(Shown(w.host.WidgetOf(*ex->CountEdit)), "many");
    window->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.app.Windows().empty());
}

// After a match F1 opens the steps window at the first step; «Далее» and the arrow keys
// move through the steps, the chart on screen showing the record played to the chosen one;
// the window closed, the chart is whole again.
TEST_F(ZmatchWindow, StepsWindowWalksTheConstruction) {
    ShowLoad("100", "50", "50", "0");
    Press(W("Button2"));
    const QImage whole = Chart();
    ASSERT_TRUE(w.Activate());
    QTest::keyClick(w.host.Window(), Qt::Key_F1);
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* steps = dynamic_cast<chart::TStepsForm*>(w.app.Windows()[0]);
    ASSERT_NE(steps, nullptr);
    QWidget* window = w.host.WindowOf(*steps);
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "Построение по шагам");
    const auto showsStep = [&](std::size_t k) {
        return FirstDifference(Chart(), ImageOf(chart::PictureAfterStep(w.form->Image1->Canvas,
                                                                        w.form->Steps(), k, true)));
    };
    EXPECT_EQ(showsStep(0), "");

    Press(w.host.WidgetOf(*steps->ForwardButton));
    EXPECT_EQ(steps->Chosen(), 1u);
    EXPECT_EQ(showsStep(1), "");
    EXPECT_EQ(Shown(w.host.WidgetOf(*steps->CountLabel)),
              "Шаг 2 из " + std::to_string(w.form->Steps().size()));
    QWidget* forward = w.host.WidgetOf(*steps->ForwardButton);
    for (const auto& [key, to] :
         {std::pair{Qt::Key_Right, 2u}, {Qt::Key_Down, 3u}, {Qt::Key_Up, 2u}, {Qt::Key_Left, 1u}}) {
        QTest::keyClick(forward, key);
        EXPECT_EQ(steps->Chosen(), to) << QKeySequence(key).toString().toStdString();
    }
    EXPECT_EQ(showsStep(1), "");

    window->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.app.Windows().empty());
    EXPECT_EQ(FirstDifference(Chart(), whole), "");
    EXPECT_TRUE(w.host.Errors.empty());
}

TEST_F(ZmatchWindow, LinkOpensAuthorPage) {
    windowtesting::ExpectLinkOpens(w, W("Label13"), chart::kAuthorPage);
}

TEST_F(ZmatchWindow, LoadFromFileRow) {
    windowtesting::ExpectLoadFromFileRow(w);
}

TEST_F(ZmatchWindow, FitsSmallClientAreas) {
    for (const QSize client : windowtesting::kSmallClientAreas)
        windowtesting::ExpectFitsInto(w, client, chart::kAuthorPage);
}

// The built program ends with status 0 when its window is closed.
TEST(ZmatchProgram, ClosingTheWindowEndsItWithZero) {
    windowtesting::ExpectClosingEndsWithZero(ZMATCH_PATH);
}

} // namespace
