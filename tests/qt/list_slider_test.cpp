// The list of rows and the slider as Qt widgets: what the form holds shows, the user's keys
// and pointer move them by the toolkit's rules and run their handlers, and what a handler
// writes shows again.
#include "tests/common/ChainForm.h"
#include "tests/qt/TestForm.h"

#include <QHeaderView>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include <cstdlib>

namespace {

using testing_common::TChainForm;

class ListSliderTest : public ::testing::Test {
  protected:
    ListSliderTest() {
        app.CreateForm(form);
        tree = qobject_cast<QTreeWidget*>(host.WidgetOf(form->List()));
        slider = host.WidgetOf(form->Slider())->findChild<QSlider*>();
        label = host.WidgetOf(form->Slider())->findChild<QLabel*>();
    }
    QString Cell(int row, int column) const { return tree->topLevelItem(row)->text(column); }
    int Shown() const {
        const auto selected = tree->selectedItems();
        return selected.isEmpty() ? -1 : tree->indexOfTopLevelItem(selected.front());
    }

    testing_qt::OffscreenDesktop platform;
    testform::RecordingHost host;
    tk::TApplication app{host};
    TChainForm* form = nullptr;
    QTreeWidget* tree = nullptr;
    QSlider* slider = nullptr;
    QLabel* label = nullptr;
};

// The headings, the rows and the position the form was made with show as made.
TEST_F(ListSliderTest, WidgetsShowWhatTheFormHolds) {
    ASSERT_TRUE(tree && slider && label);
    EXPECT_EQ(tree->headerItem()->text(0), QString::fromUtf8("Элемент"));
    EXPECT_EQ(tree->headerItem()->text(1), QString::fromUtf8("Значение"));
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    EXPECT_EQ(Cell(1, 1), QString::fromUtf8("15 нГн"));
    EXPECT_EQ(Shown(), -1);
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 1000);
    EXPECT_EQ(slider->value(), 220);
}

// The keys move the selection by the toolkit's rule, from none to the first row, never
// past the ends; the handler runs only for a change.
TEST_F(ListSliderTest, ListKeysMoveTheSelection) {
    tree->setFocus();
    const struct {
        Qt::Key key;
        int row, changes;
    } steps[] = {
        {Qt::Key_Down, 0, 1}, {Qt::Key_Down, 1, 2}, {Qt::Key_End, 2, 3},      {Qt::Key_Down, 2, 3},
        {Qt::Key_Home, 0, 4}, {Qt::Key_Up, 0, 4},   {Qt::Key_PageDown, 2, 5},
    };
    for (const auto& s : steps) {
        QTest::keyClick(tree, s.key);
        EXPECT_EQ(form->List().ItemIndex(), s.row) << s.key;
        EXPECT_EQ(Shown(), s.row) << s.key;
        EXPECT_EQ(form->ListChanges, s.changes) << s.key;
    }
}

// A click selects its row.
TEST_F(ListSliderTest, ClickSelectsARow) {
    const QPoint at = tree->visualItemRect(tree->topLevelItem(1)).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(form->List().ItemIndex(), 1);
    EXPECT_EQ(form->ListChanges, 1);
}

// The slider's keys step as the toolkit says, within the range; every step runs the
// handler, whose text shows beside the slider and in the selected row.
TEST_F(ListSliderTest, SliderKeysStepAndTheHandlerFollows) {
    app.Select(form->List(), 1);
    slider->setFocus();
    const struct {
        Qt::Key key;
        int position;
    } steps[] = {
        {Qt::Key_Right, 221}, {Qt::Key_Up, 222},     {Qt::Key_PageUp, 322}, {Qt::Key_Left, 321},
        {Qt::Key_End, 1000},  {Qt::Key_Right, 1000}, {Qt::Key_Home, 0},     {Qt::Key_PageDown, 0},
    };
    for (const auto& s : steps) {
        QTest::keyClick(slider, s.key);
        const QString shown = QString::number(s.position);
        EXPECT_EQ(form->Slider().Position(), s.position) << s.key;
        EXPECT_EQ(slider->value(), s.position) << s.key;
        EXPECT_EQ(label->text(), shown) << s.key;
        EXPECT_EQ(Cell(1, 1), shown) << s.key;
    }
    EXPECT_EQ(Shown(), 1) << "new rows keep the selected one";
}

// A drag moves the slider through its value: the handler runs on every step of it.
TEST_F(ListSliderTest, DragRunsTheHandler) {
    slider->setSliderDown(true);
    slider->setSliderPosition(400);
    EXPECT_EQ(form->Slider().Position(), 400);
    EXPECT_EQ(label->text(), "400");
    slider->setSliderDown(false);
}

// What a handler writes shows: new rows and selection, a position kept within the range.
TEST_F(ListSliderTest, HandlersChangesShow) {
    app.Dispatch([&] {
        form->List().SetRows({{"R1", "50 Ом"}, {"C3", "3 пФ"}});
        form->List().SetItemIndex(1);
        form->Slider().SetPosition(5000);
        form->Slider().Caption = "C3 = 3 пФ";
    });
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(Cell(0, 1), QString::fromUtf8("50 Ом"));
    EXPECT_EQ(Shown(), 1);
    EXPECT_EQ(slider->value(), 1000);
    EXPECT_EQ(label->text(), QString::fromUtf8("C3 = 3 пФ"));
    EXPECT_EQ(form->ListChanges, 0) << "a handler's choice runs no handler";
    if (const char* shot = std::getenv("ZCHART_CONTROLS_SHOT")) host.Window()->grab().save(shot);
}

} // namespace
