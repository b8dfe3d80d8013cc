// The methods target: a session at zmatch's methods window beside its main window.
//
// Input, read as lines: line 1 is the script. '1' to '4' choose the method in the window's
// order, 'a' and 'b' the short or open stub, 'S' presses «Решить», '>' types the next group
// of field lines; a ',' as the very first byte makes the comma the decimal separator, the
// point being the default. From line 2 on, groups of seven lines: the main window's Zн and
// Zв, then the methods window's first stub, spacing and frequency; the first group is typed
// before the script starts, one cut short leaves the rest. The methods, their choices and
// fields are the window's own (zmatch/MethodOptions.h), in its order.
//
// After each press: a refusal is a toolkit exception, and the window's picture, results and
// last solution stay as they were; a solution has one to four solutions, each with its
// reading, every answer built a КСВ of 1 or more, and steps placed on the canvas's record.
// Nothing else may escape the handler.
#include "fuzz/Check.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/ChartState.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "zmatch/MethodOptions.h"
#include "zmatch/MethodsForm.h"
#include "zmatch/Unit1.h"

#include "fuzz/TextChecks.h"

#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zfuzz {

namespace {

constexpr std::size_t kMaxPresses = 8, kMaxLine = 1024;

struct TWindows {
    chart::TChartState state;
    zmatch::TForm1 main{state};
    zmatch::TMethodsForm methods{main};
    std::vector<tk::TCanvasCall> log;

    TWindows() { methods.Picture->Canvas.Log = &log; }

    // The main window's Zн and Zв, then the methods window's own fields in their order.
    std::vector<tk::TEdit*> Fields() const {
        const auto load = main.LoadFields();
        std::vector<tk::TEdit*> fields(load.begin(), load.end());
        for (const zmatch::TOptionDesc& d : zmatch::OptionKinds())
            if (tk::TEdit* field = d.Caption ? methods.FieldOf(d.Kind) : nullptr)
                fields.push_back(field);
        return fields;
    }
    // The choices of the window's rows in their order: the short stub, the open one.
    std::vector<std::pair<zmatch::methods::TOptionKind, const char*>> Choices() const {
        std::vector<std::pair<zmatch::methods::TOptionKind, const char*>> choices;
        for (const zmatch::TOptionDesc& d : zmatch::OptionKinds())
            for (const zmatch::TOptionChoice& c : d.Choices)
                choices.emplace_back(d.Kind, c.Word);
        return choices;
    }
    std::vector<std::string> Results() const {
        std::vector<std::string> out;
        for (const tk::TLabel* l : methods.SolutionLabels)
            out.push_back(l->Caption + "\n" + l->Hint);
        for (const tk::TLabel* l : methods.NoteLabels)
            out.push_back(l->Caption);
        out.push_back(methods.BuiltLabel->Caption);
        return out;
    }
    std::vector<std::uint32_t> Picture() const {
        const tk::TCanvas& c = methods.Picture->Canvas;
        return {c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height()};
    }
};

std::string SolvedBroken(const TWindows& w) {
    const zmatch::methods::TMethodOutcome* o = w.methods.Outcome();
    if (!o) return "solved without an outcome";
    if (o->Solutions.empty() || o->Solutions.size() > 4) return "not one to four solutions";
    for (const auto& s : o->Solutions) {
        if (s.Reading.empty()) return "a solution without its reading";
        if (std::isnan(s.BuiltVswr) || s.BuiltVswr < 1 - 1e-9) return "a built КСВ below 1";
    }
    if (w.methods.Steps().empty()) return "a solution without steps";
    return {};
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    const std::vector<std::string> lines = LinesOf(input, kMaxLine);
    const std::string& script = lines[0];
    const testing_common::ScopedDecimalSeparator separator(
        !script.empty() && script[0] == ',' ? ',' : '.');
    TWindows w;
    std::size_t next = 1;
    const auto typeGroup = [&] {
        for (tk::TEdit* field : w.Fields())
            if (next < lines.size()) field->Text = lines[next++];
    };
    typeGroup();
    const auto choices = w.Choices();
    std::size_t presses = 0;
    for (const char c : script) {
        if (c >= '1' && std::size_t(c - '1') < w.methods.MethodButtons.size())
            w.methods.MethodButtons[std::size_t(c - '1')]->SetChecked(true);
        else if (c >= 'a' && std::size_t(c - 'a') < choices.size())
            w.methods.TypeOption(choices[std::size_t(c - 'a')].first,
                                 choices[std::size_t(c - 'a')].second);
        else if (c == '>')
            typeGroup();
        else if (c == 'S' && presses++ < kMaxPresses) {
            const auto picture = w.Picture();
            const auto results = w.Results();
            const auto* before = w.methods.Outcome();
            const std::size_t solutions = before ? before->Solutions.size() : 0;
            try {
                w.methods.SolveClick(w.methods.SolveButton);
            } catch (const tk::Exception&) {
                if (w.Picture() != picture) return "a refusal changed the picture";
                if (w.Results() != results) return "a refusal changed the results";
                const auto* after = w.methods.Outcome();
                if ((after ? after->Solutions.size() : 0) != solutions)
                    return "a refusal changed the last solution";
                continue;
            } catch (const std::exception& e) {
                return std::string("the handler let out ") + e.what();
            }
            if (std::string broken = SolvedBroken(w); !broken.empty()) return broken;
            w.log.clear();
        }
    }
    return {};
}

} // namespace zfuzz
