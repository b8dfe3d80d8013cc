// The chain window's files: a chain saved and opened again is the same chain; a file in
// henries, farads and millimetres opens with its own input; what does not read is refused
// with its message and the chain kept; the .s2p export covers 0,5–1,5 f0 and reads back.
#include "tests/common/ErrorRecordingHost.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/ChainFiles.h"
#include "chart/ChainForm.h"
#include "chart/ChartState.h"
#include "measured/Touchstone.h"
#include "theory/ChainText.h"
#include "theory/ChainTouchstone.h"
#include "toolkit/Application.h"
#include "zmatch/Unit1.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

// Answers every open or save question with `path`.
struct FileHost : testing_common::ErrorRecordingHost {
    std::optional<std::string> AskOpenPath(const tk::TOpenFileQuestion&) override { return path; }
    std::optional<std::string> AskSavePath(const tk::TSaveFileQuestion&) override { return path; }
    std::string path;
};

struct Program {
    Program() {
        app.CreateForm(form, state);
        form->TypeLoad("30", "-40", "50", "0");
        app.Dispatch([&] { chart::OpenChainWindow(*form); });
        chain = dynamic_cast<chart::TChainForm*>(app.Windows().at(0));
    }
    void Run(void (*row)(tk::TForm&), const fs::path& file) {
        host.path = file.string();
        app.Dispatch([&] { row(*chain); });
    }
    void Add(int kind, const char* value) {
        app.Select(*chain->KindList, kind);
        app.Click(*chain->AddButton);
        chain->ValueEdit->Text = value;
        app.Click(*chain->ValueButton);
    }

    testing_common::ScopedDecimalSeparator comma{','};
    chart::TChartState state;
    FileHost host;
    tk::TApplication app{host};
    zmatch::TForm1* form = nullptr;
    chart::TChainForm* chain = nullptr;
};

std::string TextOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path Temp(const char* name) {
    return fs::temp_directory_path() / (std::string("zmatch-chain-files-") + name);
}

// Every kind, with the fields beside its value, saved and opened in another window.
TEST(ChainFiles, SavedAndOpenedIsTheSameChain) {
    Program p;
    p.chain->FrequencyEdit->Text = "433,92";
    p.app.Click(*p.chain->FrequencyButton);
    p.Add(0, "82");          // series L, nH
    p.chain->QEdit->Text = "40";
    p.app.Click(*p.chain->QButton);
    p.Add(3, "3,3");         // shunt C, pF
    p.Add(5, "200");         // shunt R
    p.Add(6, "0,1");         // line
    p.chain->LossEdit->Text = "0,5";
    p.app.Click(*p.chain->LossButton);
    p.chain->OwnLineEdit->Text = "75";
    p.app.Click(*p.chain->OwnLineButton);
    p.Add(10, "0,2");        // series open stub
    p.Add(11, "1,3");        // transformer
    ASSERT_TRUE(p.host.errors.empty()) << p.host.errors.front();
    const fs::path file = Temp("saved.chain");
    p.Run(chart::SaveChainFile, file);

    Program q;
    q.Run(chart::OpenChainFile, file);
    EXPECT_TRUE(q.host.errors.empty()) << q.host.errors.front();
    EXPECT_EQ(q.chain->Chain(), p.chain->Chain());
    EXPECT_EQ(q.chain->InputLabel->Caption, p.chain->InputLabel->Caption);
    fs::remove(file);
}

// A file as a person writes it, in henries, farads and mm: the window holds it by
// reactances and wavelengths at the file's f0, with the input the file's chain has.
TEST(ChainFiles, AFileInUnitsOpensWithItsOwnInput) {
    const std::string text = "frequency 100MHz\nimpedance 50\n# a match\nseries L 82nH Q 40\n"
                             "line 25mm vf 0.66 loss 0.5; shunt C 3.3pF\n";
    const fs::path file = Temp("units.chain");
    std::ofstream(file, std::ios::binary) << text;
    Program p;
    p.Run(chart::OpenChainFile, file);
    EXPECT_TRUE(p.host.errors.empty()) << p.host.errors.front();
    const theory::TChain as = theory::ReadChainFile(text).Chain;
    const theory::TChain& held = p.chain->Chain();
    ASSERT_EQ(held.Elements.size(), 3u);
    EXPECT_EQ(held.F0Hz, 100e6);
    for (double ratio : {1.0, 0.7, 1.4}) {
        const auto want = theory::InputOhms(as, {30, -40}, ratio);
        EXPECT_NEAR(std::abs(theory::InputOhms(held, {30, -40}, ratio) - want) / std::abs(want), 0,
                    1e-12)
            << ratio;
    }
    EXPECT_EQ(p.chain->VfEdit->Text, "0,66");
    fs::remove(file);
}

// No file, a text that is no chain, a frequency it lacks: each refused with its message,
// the chain as it was.
TEST(ChainFiles, WhatDoesNotReadIsRefusedAndTheChainKept) {
    const struct {
        const char* what;
        const char* text; // nullptr: no such file
        const char* error;
    } files[] = {
        {"no file", nullptr, "Не удалось открыть файл «"},
        {"an unknown kind", "series L 10nH\ncoil 5\n", "Файл «"},
        {"henries without f0", "series L 10nH\n", "Файл «"},
    };
    Program p;
    p.Add(2, "50");
    const theory::TChain before = p.chain->Chain();
    for (const auto& f : files) {
        SCOPED_TRACE(f.what);
        const fs::path file = Temp("bad.chain");
        fs::remove(file);
        if (f.text) std::ofstream(file, std::ios::binary) << f.text;
        p.host.errors.clear();
        p.Run(chart::OpenChainFile, file);
        ASSERT_EQ(p.host.errors.size(), 1u);
        EXPECT_EQ(p.host.errors[0].rfind(f.error, 0), 0u) << p.host.errors[0];
        EXPECT_EQ(p.chain->Chain(), before);
        fs::remove(file);
    }
}

// Without f0 the export says so; with it the file is the chain's two-port at 201
// frequencies from 0,5 to 1,5 f0, as the Touchstone reader reads it.
TEST(ChainFiles, TouchstoneExportCoversTheBand) {
    Program p;
    p.Add(0, "30");
    const fs::path file = Temp("chain.s2p");
    fs::remove(file);
    p.Run(chart::ExportChainTouchstone, file);
    ASSERT_EQ(p.host.errors.size(), 1u);
    EXPECT_EQ(p.host.errors[0], chart::kExportFrequencyMessage);
    EXPECT_FALSE(fs::exists(file));
    p.chain->FrequencyEdit->Text = "100";
    p.app.Click(*p.chain->FrequencyButton);
    p.Run(chart::ExportChainTouchstone, file);
    EXPECT_EQ(p.host.errors.size(), 1u);
    const std::string text = TextOf(file);
    EXPECT_EQ(text, theory::ChainTouchstone(p.chain->Chain(), chart::ExportRatios()));
    const measured::TMeasuredLoad read = measured::ReadTouchstone(text, 2);
    ASSERT_EQ(read.Points.size(), 201u);
    EXPECT_EQ(read.Points.front().Hz, 50e6);
    EXPECT_EQ(read.Points.back().Hz, 150e6);
    fs::remove(file);
}

} // namespace
