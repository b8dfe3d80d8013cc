#include "tests/qt/TestForm.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace testform {
namespace {

using EventsTest = FormTest;

// QTest::keyClicks takes Latin-1 only; a Russian user types Cyrillic.
void Type(QWidget* w, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// What is typed reaches the control at once, in UTF-8, before any button is pressed; what
// a handler writes into the control reaches the field.
TEST_F(EventsTest, EditAndControlTextAgree) {
    auto* line = Widget<QLineEdit>("Edit1");
    line->setFocus();
    QTest::keyClick(line, Qt::Key_Backspace);
    Type(line, QString::fromUtf8("12,5 Ом"));
    EXPECT_EQ(Control<tk::TEdit>("Edit1")->Text, "12,5 Ом");

    app.Dispatch([&] { Control<tk::TEdit>("Edit1")->Text = "7"; });
    EXPECT_EQ(line->text(), "7");
    EXPECT_EQ(Control<tk::TEdit>("Edit1")->Text, "7");
}

// A button runs its handler; a caption it writes shows in full, the label growing to fit.
TEST_F(EventsTest, ButtonRunsHandlerAndLabelFollowsCaption) {
    Widget<QLineEdit>("Edit1")->setText("123456,789");
    QTest::mouseClick(Widget("Button1"), Qt::LeftButton);

    auto* label = Widget<QLabel>("Label2");
    EXPECT_EQ(label->text(), QString::fromUtf8("Итог = 123456,789"));
    EXPECT_GE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()));
    EXPECT_EQ(label->pos(), QPoint(8, 270));
    EXPECT_TRUE(host.Errors.empty());
}

// A failing handler ends in the error box; the window stays, with what was written before.
TEST_F(EventsTest, HandlerFailureShowsErrorAndKeepsWindow) {
    QTest::mouseClick(Widget("Button2"), Qt::LeftButton);
    EXPECT_EQ(host.Errors, std::vector<std::string>{kBadNumber});
    EXPECT_TRUE(host.Window()->isVisible());
    EXPECT_EQ(Widget<QLabel>("Label2")->text(), QString::fromUtf8("до сбоя"));

    QTest::mouseClick(Widget("Button1"), Qt::LeftButton); // the window still works
    EXPECT_EQ(Widget<QLabel>("Label2")->text(), QString::fromUtf8("Итог = 0"));
    EXPECT_EQ(host.Errors.size(), 1u);
}

// The link opens its address through the host; letting go off the label is no click.
TEST_F(EventsTest, LinkLabelClickOpensAddress) {
    QWidget* link = Widget("Label3");
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_TRUE(host.Urls.empty());

    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(host.Urls, std::vector<std::string>{kAddress});
}

// Exactly one radio of the group is checked, in the widgets and in the controls alike,
// whichever side makes the choice; a handler may also clear it.
TEST_F(EventsTest, RadioChoiceAgreesBothWays) {
    auto* radio1 = Widget<QRadioButton>("RadioButton1");
    auto* radio2 = Widget<QRadioButton>("RadioButton2");
    auto* control1 = Control<tk::TRadioButton>("RadioButton1");
    auto* control2 = Control<tk::TRadioButton>("RadioButton2");
    auto expect = [&](bool first, bool second, const char* intent) {
        EXPECT_EQ(radio1->isChecked(), first) << intent;
        EXPECT_EQ(radio2->isChecked(), second) << intent;
        EXPECT_EQ(control1->Checked(), first) << intent;
        EXPECT_EQ(control2->Checked(), second) << intent;
    };

    QTest::mouseClick(radio2, Qt::LeftButton);
    expect(false, true, "user checks the second");
    QTest::mouseClick(radio1, Qt::LeftButton);
    expect(true, false, "user checks the first again");
    app.Dispatch([&] { control2->SetChecked(true); });
    expect(false, true, "handler checks the second");
    app.Dispatch([&] { control2->SetChecked(false); });
    expect(false, false, "handler clears the choice");
    QTest::mouseClick(radio1, Qt::LeftButton);
    expect(true, false, "user chooses after a cleared choice");
}

TEST_F(EventsTest, CheckBoxAgreesBothWays) {
    auto* check = Widget<QCheckBox>("CheckBox1");
    auto* control = Control<tk::TCheckBox>("CheckBox1");
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_TRUE(control->Checked);
    app.Dispatch([&] { control->Checked = false; });
    EXPECT_FALSE(check->isChecked());
}

// Where no browser opens the link, the error box says so and gives the whole address, so
// that it can be typed elsewhere.
TEST(EventsWithoutBrowser, LinkClickTellsWhyAndGivesTheAddress) {
    struct NoBrowserHost : tkqt::QtHost {
        bool Browse(const QUrl&) override { return false; }
        void ShowError(const std::string& message) override { Errors.push_back(message); }
        std::vector<std::string> Errors;
    };
    testing_qt::OffscreenDesktop platform;
    NoBrowserHost host;
    tk::TApplication app{host};
    TTestForm* form = nullptr;
    app.CreateForm(form);
    QTest::mouseClick(host.WidgetOf(*form->FindControl("Label3")), Qt::LeftButton);
    ASSERT_EQ(host.Errors.size(), 1u);
    EXPECT_NE(host.Errors[0].find("Не удалось открыть страницу"), std::string::npos);
    EXPECT_NE(host.Errors[0].find(kAddress), std::string::npos) << host.Errors[0];
    EXPECT_TRUE(host.Window()->isVisible());
}

} // namespace
} // namespace testform
