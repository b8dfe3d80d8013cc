// Saves the pictures of zmatch's other windows that the user guide shows (docs/guide.*.md),
// made by the program itself on the offscreen platform so they never go stale: the chart
// with the admittance grid over it, the steps window at the turn to M with the chart as it
// stood then, the band window, the methods window solving two stubs, and the chain window
// matching with an L and a C of the user's own. Numbers are typed
// with the comma of a Russian desktop.
//
//     zmatch_guide_pictures DIRECTORY
#include "tests/common/MethodsShot.h"
#include "tests/common/StepsShot.h"
#include "tests/qt/WindowDriver.h"

#include "chart/ChainForm.h"
#include "zmatch/BandForm.h"
#include "zmatch/Unit1.h"

#include <cstdio>
#include <string>

namespace {

using Window = driver::ProgramWindow<zmatch::TForm1>;

// Saves the window of the form opened beside the main one, or says why not.
bool SaveOther(Window& w, const std::string& path) {
    if (w.app.Windows().empty()) {
        std::fprintf(stderr, "%s: the window did not open\n", path.c_str());
        return false;
    }
    QWidget* window = w.host.WindowOf(*w.app.Windows().back());
    if (window && driver::SaveWindow(window, QString::fromStdString(path))) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

bool SaveMain(Window& w, const std::string& path) {
    if (driver::SaveWindow(w.host.Window(), QString::fromStdString(path))) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

// 100 + j50 on 50 ohms matched with a short stub, typed and pressed as its user would.
void Match(Window& w) {
    driver::TypeOver(w.Widget("Edit1"), "100");
    driver::TypeOver(w.Widget("Edit2"), "50");
    driver::TypeOver(w.Widget("Edit3"), "50");
    driver::TypeOver(w.Widget("Edit4"), "0");
    driver::Press(w.Widget("Button1"));
    driver::Press(w.Widget("RadioButton1"));
    driver::Press(w.Widget("Button2"));
}

// That match's band.
bool Band(const std::string& dir) {
    Window w("zmatch");
    Match(w);
    w.app.Dispatch([&] { zmatch::OpenBandWindow(*w.form); });
    return SaveOther(w, dir + "/zmatch-band.png");
}

// The steps of the same match at the turn to M (step 6), beside the chart as it stood then.
bool Steps(const std::string& dir) {
    Window w("zmatch");
    return testing_common::OpenStepsAt(w.app, *w.form, false, 6) &&
           SaveOther(w, dir + "/zmatch-steps.png") && SaveMain(w, dir + "/zmatch-step-chart.png");
}

// 60 - j80 matched by two short stubs λ/8 apart, the first at the load: the window's own
// choices.
bool Methods(const std::string& dir) {
    Window w("zmatch");
    return testing_common::OpenMethodAt(w.app, *w.form, "double-stub", "60", "-80") &&
           SaveOther(w, dir + "/zmatch-methods.png");
}

// 30 - j40 on 50 ohms matched by a chain of its user's own at 100 MHz: a series L of
// 64,49 Ω brings it onto g = 1, a shunt C of 61,24 Ω takes it to the centre.
bool Chain(const std::string& dir) {
    Window w("zmatch");
    driver::TypeOver(w.Widget("Edit1"), "30");
    driver::TypeOver(w.Widget("Edit2"), "-40");
    driver::TypeOver(w.Widget("Edit3"), "50");
    driver::TypeOver(w.Widget("Edit4"), "0");
    w.app.Dispatch([&] { chart::OpenChainWindow(*w.form); });
    auto* chain =
        w.app.Windows().empty() ? nullptr : dynamic_cast<chart::TChainForm*>(w.app.Windows()[0]);
    if (!chain) return SaveOther(w, dir + "/zmatch-chain.png");
    const struct {
        int kind;
        const char* ohms;
    } elements[] = {{0, "64,49"}, {3, "61,24"}};
    for (const auto& e : elements) {
        w.app.Select(*chain->KindList, e.kind);
        w.app.Click(*chain->AddButton);
        chain->ValueEdit->Text = e.ohms;
        w.app.Click(*chain->ValueButton);
    }
    chain->FrequencyEdit->Text = "100";
    w.app.Click(*chain->FrequencyButton);
    return SaveOther(w, dir + "/zmatch-chain.png");
}

// The load's construction with the admittance grid laid over the chart.
bool Grid(const std::string& dir) {
    Window w("zmatch");
    Match(w);
    w.app.Dispatch([&] { w.form->Image1->ShowOverlay(true); });
    return SaveMain(w, dir + "/zmatch-grid.png");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    return Band(dir) && Steps(dir) && Methods(dir) && Chain(dir) && Grid(dir) ? 0 : 1;
}
