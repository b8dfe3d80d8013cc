// «В цепь»: every method's solution taken from the methods window into the chain window has
// there the input the method's own exact network gives, at f0 and off it, the chain window
// opened for the first and taking the next in place of its chain; a number no solution has,
// or no solution yet, refused with its message.
#include "tests/common/ErrorRecordingHost.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/ChainForm.h"
#include "chart/ChartState.h"
#include "theory/Network.h"
#include "toolkit/Application.h"
#include "zmatch/MethodsForm.h"
#include "zmatch/Unit1.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Program {
    Program() {
        app.CreateForm(form, state);
        form->TypeLoad("30", "-40", "50", "0");
        for (const tk::TActionDesc& a : form->Actions())
            if (a.Shortcut == tk::TShortcut::Methods) app.Dispatch([&] { a.Command(*form); });
        methods = dynamic_cast<zmatch::TMethodsForm*>(app.Windows().at(0));
    }
    chart::TChainForm* Chain() const {
        for (tk::TForm* f : app.Windows())
            if (auto* c = dynamic_cast<chart::TChainForm*>(f)) return c;
        return nullptr;
    }

    testing_common::ScopedDecimalSeparator comma{','};
    chart::TChartState state;
    testing_common::ErrorRecordingHost host;
    tk::TApplication app{host};
    zmatch::TForm1* form = nullptr;
    zmatch::TMethodsForm* methods = nullptr;
};

TEST(MethodChain, EverySolutionGivesTheMethodsOwnInput) {
    Program p;
    ASSERT_NE(p.methods, nullptr);
    const theory::TComplex load{30, -40};
    const struct {
        const char* method;
        const char* frequency; // the L-section's; empty: reactances
        double f0Hz;
    } cases[] = {{"series-stub", "", 0},  {"double-stub", "", 0}, {"quarter-wave", "", 0},
                 {"l-section", "", 0},    {"l-section", "100 МГц", 100e6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + c.frequency);
        p.methods->ChooseMethod(c.method);
        if (p.methods->FrequencyEdit) p.methods->FrequencyEdit->Text = c.frequency;
        p.app.Click(*p.methods->SolveButton);
        ASSERT_NE(p.methods->Outcome(), nullptr);
        const auto& solutions = p.methods->Outcome()->Solutions;
        ASSERT_FALSE(solutions.empty());
        for (std::size_t i = 0; i < solutions.size(); ++i) {
            SCOPED_TRACE(i + 1);
            p.methods->ChainSolutionEdit->Text = std::to_string(i + 1);
            p.app.Click(*p.methods->ChainButton);
            const chart::TChainForm* chain = p.Chain();
            ASSERT_NE(chain, nullptr);
            EXPECT_EQ(chain->Chain().F0Hz, c.f0Hz);
            EXPECT_EQ(chain->LoadOhms(), load);
            for (double ratio : {1.0, 1.3}) {
                const theory::TComplex want =
                    theory::InputImpedance(solutions[i].ExactNetwork, load / 50.0, ratio) * 50.0;
                const theory::TComplex got = theory::InputOhms(chain->Chain(), load, ratio);
                EXPECT_NEAR(std::abs(got - want) / std::abs(want), 0, 1e-9) << ratio;
            }
        }
    }
    EXPECT_TRUE(p.host.errors.empty()) << p.host.errors.front();
    int chains = 0;
    for (tk::TForm* f : p.app.Windows())
        chains += dynamic_cast<chart::TChainForm*>(f) != nullptr;
    EXPECT_EQ(chains, 1);
}

TEST(MethodChain, RefusesWithoutASolutionOrItsNumber) {
    Program p;
    ASSERT_NE(p.methods, nullptr);
    p.app.Click(*p.methods->ChainButton);
    ASSERT_EQ(p.host.errors.size(), 1u);
    EXPECT_EQ(p.host.errors[0], zmatch::kNoSolutionForChainMessage);
    p.methods->ChooseMethod("quarter-wave");
    p.app.Click(*p.methods->SolveButton);
    for (const char* number : {"0", "3", "1,5", "abc"}) {
        SCOPED_TRACE(number);
        p.host.errors.clear();
        p.methods->ChainSolutionEdit->Text = number;
        p.app.Click(*p.methods->ChainButton);
        ASSERT_EQ(p.host.errors.size(), 1u);
        EXPECT_EQ(p.host.errors[0].rfind("Решение №: ", 0), 0u) << p.host.errors[0];
        EXPECT_EQ(p.Chain(), nullptr);
    }
}

} // namespace
