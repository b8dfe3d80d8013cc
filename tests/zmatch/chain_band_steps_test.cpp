// The chain window's band window (Ctrl+B) and steps window (F1) as zmatch opens them: the
// band's КСВ is line theory's for the load as its model gives it at each frequency, and
// follows the chain at once; the steps are one an element, each naming its arc and the node
// it reaches. And the chain in the page's address: written on every change, and a link's
// chain opened on its load, a bad link refused.
#include "tests/common/ErrorRecordingHost.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/ChainAddress.h"
#include "chart/ChainBandForm.h"
#include "chart/ChainForm.h"
#include "chart/ChainSteps.h"
#include "chart/StepsForm.h"
#include "toolkit/Application.h"
#include "toolkit/PngWriter.h"
#include "zmatch/Unit1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kSeriesC = 2, kLine = 6; // rows of the list of kinds

// A host with a page's address: what the program wrote last, and what it was opened with.
struct AddressHost : testing_common::ErrorRecordingHost {
    void SetAddress(const std::string& text) override { address = text; }
    std::string Address() override { return address; }
    std::string address;
};

struct Program {
    explicit Program(std::string address = "") {
        host.address = std::move(address);
        app.CreateForm(form, state);
        if (!host.address.empty()) { // as the page starts
            app.Dispatch([&] { chart::OpenAddressedChain(*form); });
            return;
        }
        form->TypeLoad("100", "50", "50", "0");
        Run(*form, tk::TShortcut::Chain);
        chain = dynamic_cast<chart::TChainForm*>(app.Windows().at(0));
    }
    // The window's own menu row of that key, as the user chooses it.
    void Run(tk::TForm& window, tk::TShortcut key) {
        for (const tk::TActionDesc& a : window.Actions())
            if (a.Shortcut == key && a.Kind == tk::TActionKind::Command)
                app.Dispatch([&] { a.Command(window); });
    }
    template <class T> T* Window() const {
        for (tk::TForm* w : app.Windows())
            if (auto* t = dynamic_cast<T*>(w)) return t;
        return nullptr;
    }
    void Add(int kind) {
        app.Select(*chain->KindList, kind);
        app.Click(*chain->AddButton);
    }

    testing_common::ScopedDecimalSeparator comma{','};
    chart::TChartState state;
    AddressHost host;
    tk::TApplication app{host};
    zmatch::TForm1* form = nullptr;
    chart::TChainForm* chain = nullptr;
};

bool Says(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// КСВ at the input at f = ratio·f0, from the chain's own ABCD product and the typed load as a
// series R with an L (100 + j50·ratio Ω), as the band window must give it.
double VswrAt(const theory::TChain& chain, double ratio) {
    return theory::ReadingOf(theory::InputOhms(chain, {100, 50 * ratio}, ratio), 50).Vswr;
}

void ExpectBandIsTheChains(const chart::TChainBandForm& band, const theory::TChain& chain) {
    const theory::TChainBand& b = band.Band();
    ASSERT_EQ(b.Ratio.size(), 1001u);
    for (const std::size_t i : {0u, 250u, 500u, 1000u}) {
        SCOPED_TRACE(b.Ratio[i]);
        EXPECT_NEAR(b.Curve.Vswr[i], VswrAt(chain, b.Ratio[i]), 1e-9);
    }
}

// The band follows the chain as it grows and is tuned, takes a limit and f0, and refuses a
// limit of 1 or below with nothing changed.
TEST(ChainBandWindow, FollowsTheChainAsLineTheoryGivesIt) {
    Program p;
    p.Add(kSeriesC);
    p.Run(*p.chain, tk::TShortcut::Band);
    chart::TChainBandForm* band = p.Window<chart::TChainBandForm>();
    ASSERT_NE(band, nullptr);
    ExpectBandIsTheChains(*band, p.chain->Chain());
    EXPECT_EQ(band->NoteLabel->Caption, chart::kChainNoF0Note);
    EXPECT_EQ(p.chain->Band().Gamma.size(), 1001u) << "the chain's chart has the band's path";

    const struct {
        const char* what;
        std::function<void(Program&)> act;
    } changes[] = {
        {"a line added", [](Program& q) { q.Add(kLine); }},
        {"the C tuned by its slider",
         [](Program& q) {
             q.app.Select(*q.chain->ElementList, 1);
             q.app.Key(*q.chain->ValueSlider, tk::TSliderKey::PageUp);
         }},
        {"f0 given",
         [](Program& q) {
             q.chain->FrequencyEdit->Text = "100";
             q.app.Click(*q.chain->FrequencyButton);
         }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.what);
        c.act(p);
        ExpectBandIsTheChains(*band, p.chain->Chain());
    }
    EXPECT_EQ(band->F0Hz(), 1e8);
    EXPECT_NE(band->NoteLabel->Caption, chart::kChainNoF0Note);

    const double wide = band->Band().Curve.Vswr2Fraction;
    band->LimitEdit->Text = "3";
    p.app.Click(*band->LimitButton);
    EXPECT_EQ(band->Limit(), 3);
    EXPECT_GT(band->Band().Curve.Vswr2Fraction, wide);
    for (const char* bad : {"1", "abc"}) {
        band->LimitEdit->Text = bad;
        p.app.Click(*band->LimitButton);
        EXPECT_EQ(band->Limit(), 3) << bad;
    }
    EXPECT_EQ(p.host.errors.size(), 2u);
    EXPECT_EQ(p.host.errors.at(0), chart::kBandLimitMessage);

    if (const char* dir = std::getenv("ZCHART_CHAIN_BAND_SHOTS")) {
        tk::SavePng(band->Picture->Canvas, std::string(dir) + "/chain-band-window.png");
        tk::SavePng(p.chain->Picture->Canvas, std::string(dir) + "/chain-band-path.png");
    }
}

// One step an element, each sentence with its arc, value and the node it reaches: 100+j50 Ω,
// a series C of 50 Ω down r = 2 to 100 Ω (Г = 1/3), then λ/8 of line round |Г| = 1/3 to
// 40-j30 Ω. Each step's picture is the path up to its node; an empty chain has no steps.
TEST(ChainStepsWindow, AnElementAStepWithItsArcAndNode) {
    Program p;
    p.Run(*p.chain, tk::TShortcut::Steps);
    EXPECT_EQ(p.host.errors.at(0), chart::kNoChainForStepsMessage);
    p.Add(kSeriesC);
    p.Add(kLine);
    p.Run(*p.chain, tk::TShortcut::Steps);
    chart::TStepsForm* steps = p.Window<chart::TStepsForm>();
    ASSERT_NE(steps, nullptr);
    const chart::TConstructionSteps& s = p.chain->Steps();
    ASSERT_EQ(s.size(), 2u);
    const struct {
        std::size_t step;
        const char* parts[3];
    } expected[] = {
        {0, {"по окружности постоянного r = 2 ", "в узел 1: z = 2,", "Г = 0,333333."}},
        {1, {"постоянного |Г| = 0,333333 к генератору", "z = 0,8-j0,6", "0,125 λ"}},
    };
    for (const auto& e : expected)
        for (const char* part : e.parts)
            EXPECT_TRUE(Says(s[e.step].Text, part)) << s[e.step].Text;
    const auto bits = [](const tk::TCanvas& c) {
        return std::vector<std::uint32_t>(c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height());
    };
    ASSERT_EQ(steps->Chosen(), std::optional<std::size_t>(0));
    EXPECT_NE(bits(p.chain->Picture->Picture()), bits(p.chain->Picture->Canvas))
        << "the first step's picture lacks the line's arc";
}

// A chain of every kind goes into the address and back as it was, load and Zв with it; a
// link read at the start opens it on that load; a bad one says why and opens nothing.
TEST(ChainAddress, CarriesTheChainAndRefusesABadOne) {
    theory::TChain chain{{theory::SeriesL(12e-9, 50), theory::ShuntC(2.2e-12), theory::SeriesR(5),
                          theory::ChainLine(0.1, 75, 0.5),
                          theory::ChainStub(theory::TPlace::Series, theory::TStubKind::Open, 0.2),
                          theory::Transformer(2)},
                         75,
                         433.92e6};
    const std::string address = chart::ChainAddress(chain, {12.5, -7});
    const auto back = chart::ReadChainAddress(address);
    ASSERT_TRUE(back.has_value()) << address;
    EXPECT_EQ(back->Chain, chain) << address;
    EXPECT_EQ(back->LoadOhms, theory::TComplex(12.5, -7));

    Program p(address);
    ASSERT_TRUE(p.host.errors.empty()) << p.host.errors.at(0);
    chart::TChainForm* opened = p.Window<chart::TChainForm>();
    ASSERT_NE(opened, nullptr);
    ASSERT_EQ(opened->Chain().Elements.size(), chain.Elements.size());
    for (const double ratio : {0.7, 1.0, 1.3})
        EXPECT_NEAR(std::abs(theory::InputOhms(opened->Chain(), {12.5, -7}, ratio) -
                             theory::InputOhms(chain, {12.5, -7}, ratio)),
                    0, 1e-9)
            << ratio;
    EXPECT_EQ(opened->LoadOhms(), theory::TComplex(12.5, -7));
    opened->Remove(); // the last, selected
    const auto written = chart::ReadChainAddress(p.host.address);
    ASSERT_TRUE(written.has_value()) << p.host.address;
    EXPECT_EQ(written->Chain.Elements.size(), 5u);
    EXPECT_EQ(written->Chain.Elements, opened->Chain().Elements);

    const struct {
        const char* address;
        const char* says; // after kChainAddressMessage
    } bad[] = {
        {"chain=coil%205", "Элемент 1"},     {"chain=line%200.1&f0=-5", "f0"},
        {"chain=line%200.1&load=100", "Zн"}, {"chain=line%200.1%2", "%"},
        {"chain=", "в цепи нет элементов"},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.address);
        Program q(b.address);
        ASSERT_EQ(q.host.errors.size(), 1u);
        EXPECT_EQ(q.host.errors[0].rfind(chart::kChainAddressMessage, 0), 0u);
        EXPECT_TRUE(Says(q.host.errors[0], b.says)) << q.host.errors[0];
        EXPECT_EQ(q.Window<chart::TChainForm>(), nullptr);
    }
}

} // namespace
