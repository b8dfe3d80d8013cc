#include "tests/qt/TestForm.h"

#include <QApplication>
#include <QTest>

#include <functional>

namespace testform {
namespace {

class FocusTest : public FormTest {
  protected:
    void SetUp() override {
        host.Window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.Window()));
    }

    std::string Focused() const {
        for (const auto& c : form->Controls())
            if (host.WidgetOf(*c) == QApplication::focusWidget()) return c->Name;
        return "(none)";
    }

    // The controls the focus visits, `count` presses of Tab (or Shift+Tab) from `start`.
    std::vector<std::string> Walk(const char* start, int count, bool back = false) {
        Widget(start)->setFocus(Qt::OtherFocusReason);
        std::vector<std::string> visited{Focused()};
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            back ? Qt::ShiftModifier : Qt::NoModifier);
            visited.push_back(Focused());
        }
        return visited;
    }
};

TEST_F(FocusTest, StartsAtFirstTabStop) {
    EXPECT_EQ(Focused(), "Edit2");
}

// Tab runs through the designed order and wraps round; Shift+Tab runs it backwards.
TEST_F(FocusTest, TabFollowsDesignedOrderBothWays) {
    EXPECT_EQ(Walk("Edit2", 5), (std::vector<std::string>{"Edit2", "Edit1", "RadioButton1",
                                                          "Button1", "CheckBox1", "Edit2"}));
    EXPECT_EQ(Walk("Edit2", 5, true), (std::vector<std::string>{"Edit2", "CheckBox1", "Button1",
                                                                "RadioButton1", "Edit1", "Edit2"}));
}

// Tab enters the radio group at its checked button, however that button got checked.
TEST_F(FocusTest, TabEntersRadioGroupAtCheckedButton) {
    struct Case {
        const char* intent;
        std::function<void()> arrange;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"a handler checks the second",
         [this] {
             app.Dispatch([&] { Control<tk::TRadioButton>("RadioButton2")->SetChecked(true); });
         },
         {"Edit1", "RadioButton2", "Button1"}},
        {"the user clicks the second, then the handler goes back to the first",
         [this] {
             QTest::mouseClick(Widget("RadioButton2"), Qt::LeftButton);
             app.Dispatch([&] { Control<tk::TRadioButton>("RadioButton1")->SetChecked(true); });
         },
         {"Edit1", "RadioButton1", "Button1"}},
        {"with nothing checked Tab still enters the group once",
         [this] {
             app.Dispatch([&] { Control<tk::TRadioButton>("RadioButton1")->SetChecked(false); });
         },
         {"Edit1", "RadioButton1", "Button1"}},
    };
    for (const Case& c : cases) {
        c.arrange();
        EXPECT_EQ(Walk("Edit1", int(c.expected.size()) - 1), c.expected) << c.intent;
    }
}

} // namespace
} // namespace testform
