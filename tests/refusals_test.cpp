// Values no line can have, typed into either window: each is refused at the button that
// reads it with a message that says which value is wrong, and the chart, the state, the
// results and their hints stay as the last good press left them.
#include "chart/LoadPoint.h"
#include "tests/zline/ZlineTesting.h"
#include "tests/zmatch/ZmatchTesting.h"
#include "toolkit/Exceptions.h"
#include "zline/LineMove.h"
#include "zmatch/StubMatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Row {
    const char* program; // "zmatch" or "zline"
    int button;          // the button that reads the field
    const char* edit;
    const char* text;
    const char* message; // nullptr: accepted
};

// Every label's caption and hint, in the form's order.
template <class W> std::vector<std::string> Results(const W& w) {
    std::vector<std::string> out;
    for (const auto& c : w.form.Controls())
        if (const auto* label = dynamic_cast<const tk::TLabel*>(c.get())) {
            out.push_back(label->Caption);
            out.push_back(label->Hint);
        }
    return out;
}

template <class W> void Check(W& w, const Row& r, void (*second)(W&)) {
    w.ShowLoad("100", "50");
    second(w);
    const auto picture = w.Picture();
    const chart::TChartState state = w.state;
    const auto results = Results(w);
    w.form.template Get<tk::TEdit>(r.edit)->Text = r.text;
    try {
        if (r.button == 1)
            w.form.Button1Click(w.form.Button1);
        else
            second(w);
        EXPECT_EQ(r.message, nullptr) << "accepted";
        return;
    } catch (const tk::Exception& e) {
        ASSERT_NE(r.message, nullptr) << e.Message;
        EXPECT_EQ(e.Message, r.message);
    }
    EXPECT_EQ(w.Picture(), picture);
    EXPECT_TRUE(w.state == state);
    EXPECT_EQ(Results(w), results);
}

void Match(testing_zmatch::Window& w) {
    w.form.Button2Click(w.form.Button2);
}
void Move(testing_zline::Window& w) {
    w.form.Button2Click(w.form.Button2);
}

TEST(Refusals, ValuesNoLineCanHave) {
    using chart::kLineResistanceMessage;
    // clang-format off
    const Row rows[] = {
        // A line's wave impedance has a positive resistance, whatever its reactance.
        {"zmatch", 1, "Edit3", "-50",     kLineResistanceMessage},
        {"zmatch", 1, "Edit3", "0",       kLineResistanceMessage}, // Zв = 0 + j0 as at start
        {"zline",  1, "Edit3", "-0",      kLineResistanceMessage},
        {"zline",  1, "Edit3", "1e-50",   kLineResistanceMessage}, // a float zero
        // A wavelength is positive, and its lengths must be writable.
        {"zmatch", 2, "Edit6", "-2",      zmatch::kWavelengthSignMessage},
        {"zmatch", 2, "Edit6", "0",       zmatch::kWavelengthSignMessage},
        {"zmatch", 2, "Edit6", "-0",      zmatch::kWavelengthSignMessage},
        {"zmatch", 2, "Edit6", "1e-320",  zmatch::kWavelengthRangeMessage},
        {"zmatch", 2, "Edit6", "1e308",   zmatch::kWavelengthRangeMessage}, // would print INF
        {"zline",  2, "Edit6", "-1",      zline::kWavelengthSignMessage},
        {"zline",  2, "Edit6", "0",       zline::kWavelengthSignMessage},
        // A passive line loses; it does not amplify.
        {"zline",  2, "Edit7", "-2",      zline::kNegativeLossMessage},
        {"zline",  2, "Edit7", "-1000",   zline::kNegativeLossMessage},
        // No passive load has a negative resistance, however small, in either program; nor a
        // negative r made of a positive one by a complex line (Zн = 100 + j50 here).
        {"zline",  1, "Edit1", "-20",     chart::kNegativeLoadMessage},
        {"zmatch", 1, "Edit1", "-20",     chart::kNegativeLoadMessage},
        {"zmatch", 1, "Edit1", "-0,001",  chart::kNegativeLoadMessage},
        {"zline",  1, "Edit4", "-150",    chart::kNegativeNormalisedMessage},
        // Kept: a huge but writable wavelength, a negative distance, -0 dB, -0 ohms.
        {"zmatch", 2, "Edit6", "1e39",    nullptr},
        {"zline",  2, "Edit5", "-0,3",    nullptr},
        {"zline",  2, "Edit7", "-0",      nullptr},
        {"zline",  1, "Edit1", "-0",      nullptr},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.program) + " " + r.edit + " = " + r.text);
        if (std::string(r.program) == "zmatch") {
            testing_zmatch::Window w;
            w.form.Edit6->Text = "1";
            Check(w, r, &Match);
        } else {
            testing_zline::Window w;
            w.form.Edit5->Text = "0,3";
            w.form.Edit7->Text = "2";
            Check(w, r, &Move);
        }
    }
}

} // namespace
