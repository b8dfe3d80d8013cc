// The choose-window target: a session at zmatch's «Подбор согласования…» beside its main
// window.
//
// Input, read as lines: line 1 is the script. 'a' to 'd' check the parts (ideal, E12, E24,
// E96), 'S' presses «Подобрать» and lets the search run to its end, 's' presses it and stops
// after one slice (Esc), 'R' takes the main window's load again, '>' types the next group of
// field lines; a ',' as the very first byte makes the comma the decimal separator, the point
// being the default. Only the first 'S' searches to the end, later ones stop as 's' does: a
// whole search takes seconds under the sanitizers with every target sharing the cores, and
// three of them outlasted the time-out. From line 2 on, groups of sixteen lines: the main
// window's Zн and Zв, then the window's twelve fields in its order (f0, ±, f1, f2, КСВ, Q of
// L and C, stubs' Zв, longest stub, Zт, loaded Q, velocity factor); the first group is typed
// before the window opens, one cut short leaves the rest.
//
// After each press: a refusal is a toolkit exception, with the fields as typed and the table
// as it was; a search ends stopped, its table a row a choice, best first, each КСВ 1 or more.
// No slice may show an internal error.
#include "fuzz/Check.h"
#include "tests/common/ErrorRecordingHost.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/ChartState.h"
#include "toolkit/Application.h"
#include "toolkit/Exceptions.h"
#include "zmatch/ChooseForm.h"
#include "zmatch/Unit1.h"

#include "fuzz/TextChecks.h"

#include <cmath>
#include <string>
#include <vector>

namespace zfuzz {

namespace {

constexpr std::size_t kMaxPresses = 3, kMaxLine = 256;

struct TSession {
    chart::TChartState state;
    testing_common::ErrorRecordingHost host;
    tk::TApplication app{host};
    zmatch::TForm1* main = nullptr;
    zmatch::TChooseForm* choose = nullptr;

    TSession() { app.CreateForm(main, state); }

    std::vector<tk::TEdit*> Fields() const {
        const auto load = main->LoadFields();
        std::vector<tk::TEdit*> fields(load.begin(), load.end());
        if (choose)
            for (tk::TEdit* e : {choose->F0Edit, choose->SpanEdit, choose->FromEdit, choose->ToEdit,
                                 choose->VswrEdit, choose->QInductorEdit, choose->QCapacitorEdit,
                                 choose->StubOhmsEdit, choose->StubMaxEdit, choose->SectionsEdit,
                                 choose->LoadedQEdit, choose->VfEdit})
                fields.push_back(e);
        return fields;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const tk::TEdit* e : Fields())
            texts.push_back(e->Text);
        return texts;
    }
};

std::string InternalShown(const TSession& s) {
    for (const std::string& e : s.host.errors)
        if (e.find("Внутренняя ошибка") != std::string::npos) return "a slice showed: " + e;
    return {};
}

std::string TableBroken(const zmatch::TChooseForm& w) {
    if (w.Searching()) return "a search still under way after its end";
    const auto& ranked = w.Choices();
    if (w.ChoiceList->Rows().size() != ranked.size()) return "a table row not a choice";
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        if (!(ranked[i].WorstVswr >= 1 - 1e-9)) return "a worst КСВ below 1";
        if (i > 0 && theory::RanksBefore(ranked[i], ranked[i - 1])) return "not best first";
    }
    return {};
}

// «Подобрать» pressed: a refusal keeps the fields and the table; a search runs to its end or
// is stopped after its first slice.
std::string Search(TSession& s, bool stopEarly) {
    zmatch::TChooseForm& w = *s.choose;
    const auto texts = s.Texts();
    const auto rows = w.ChoiceList->Rows();
    try {
        w.Search();
    } catch (const tk::Exception&) {
        if (s.Texts() != texts) return "a refusal changed a field";
        if (w.ChoiceList->Rows() != rows) return "a refusal changed the table";
        return {};
    } catch (const std::exception& e) {
        return std::string("the search let out ") + e.what();
    }
    if (stopEarly) {
        s.host.RunLater();
        w.Stop();
    }
    for (int slices = 0; s.host.RunLater(); ++slices)
        if (slices > 1000) return "a search that does not end";
    if (std::string shown = InternalShown(s); !shown.empty()) return shown;
    return TableBroken(w);
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    const std::vector<std::string> lines = LinesOf(input, kMaxLine);
    const std::string& script = lines[0];
    const testing_common::ScopedDecimalSeparator separator(
        !script.empty() && script[0] == ',' ? ',' : '.');
    TSession s;
    std::size_t next = 1;
    const auto type = [&](std::size_t from) { // the group's fields from `from` on
        const std::vector<tk::TEdit*> fields = s.Fields();
        for (std::size_t i = from; i < fields.size(); ++i)
            if (next < lines.size()) fields[i]->Text = lines[next++];
    };
    type(0);
    try {
        zmatch::OpenChooseWindow(*s.main);
    } catch (const tk::Exception&) {
        return {}; // a load the chain window refuses is refused here too
    } catch (const std::exception& e) {
        return std::string("opening let out ") + e.what();
    }
    s.choose = dynamic_cast<zmatch::TChooseForm*>(s.app.Windows().at(0));
    type(4); // the load's lines are typed; the window's own follow
    std::size_t presses = 0;
    bool searchedWhole = false;
    for (const char c : script) {
        tk::TRadioButton* parts[] = {s.choose->IdealButton, s.choose->E12Button,
                                     s.choose->E24Button, s.choose->E96Button};
        if (c >= 'a' && c <= 'd')
            parts[c - 'a']->SetChecked(true);
        else if (c == '>')
            type(0);
        else if (c == 'R') {
            try {
                s.choose->Reload();
            } catch (const tk::Exception&) {
            }
        } else if ((c == 'S' || c == 's') && presses++ < kMaxPresses) {
            const bool whole = c == 'S' && !searchedWhole;
            searchedWhole = searchedWhole || whole;
            if (std::string broken = Search(s, !whole); !broken.empty()) return broken;
        }
    }
    return {};
}

} // namespace zfuzz
