#include "fuzz/Harness.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "fuzz/Fingerprint.h"

#include "toolkit/ReadNumber.h"

#include "toolkit/Application.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <typeinfo>

namespace zfuzz {

namespace {

struct TSession {
    char Separator = '.';
    std::string Script;
    std::vector<std::vector<std::string>> Groups; // of field texts
};

TSession Parse(std::span<const std::uint8_t> input, std::size_t edits) {
    std::vector<std::string> lines(1);
    for (const std::uint8_t byte : input) {
        if (byte == '\n')
            lines.emplace_back();
        else
            lines.back() += static_cast<char>(byte);
    }
    // A final '\n' ends the last line rather than starting an empty one, as editors write.
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();

    TSession session;
    session.Script = lines[0];
    if (!session.Script.empty() && session.Script[0] == ',') session.Separator = ',';
    for (std::size_t i = 1; i < lines.size(); i += edits) {
        const auto first = lines.begin() + static_cast<std::ptrdiff_t>(i);
        const auto last =
            lines.begin() + static_cast<std::ptrdiff_t>(std::min(i + edits, lines.size()));
        session.Groups.emplace_back(first, last);
    }
    return session;
}

// Texts as a diagnostic shows them: quoted, and cut when long (a field may hold 10 kB).
// A conversion error's message quotes the field's text as typed, «50.5», with what cannot
// be seen in it by its code («5‹U+200B›»), or says the field is empty when it holds nothing
// but blanks.
bool QuotesField(const std::string& message, const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos)
        return message.find("поле пустое") != std::string::npos;
    return message.find(tk::ShowText(text).Quoted) != std::string::npos;
}

std::string Quote(const std::string& text) {
    constexpr std::size_t kShown = 60;
    if (text.size() <= kShown) return "«" + text + "»";
    return "«" + text.substr(0, kShown) + "…» (" + std::to_string(text.size()) + " bytes)";
}

std::string Describe(const chart::TChartState& s) {
    std::ostringstream os;
    os.precision(17); // enough to tell any two doubles apart
    os << "{XCircleRadius " << s.XCircleRadius << ", RCircleCenter " << s.RCircleCenter
       << ", RCircleRadius " << s.RCircleRadius << ", Pix " << s.PixX << " " << s.PixY << " "
       << s.PixR << ", RadToWaves " << s.RadToWaves << ", Point " << s.PointX << " " << s.PointY
       << ", PointDistPx " << s.PointDistPx << ", LoadWavePos " << s.LoadWavePos << ", NewWavePos "
       << s.NewWavePos << ", ZNorm " << s.ZNorm << ", ZLine " << s.ZLine << "}";
    return os.str();
}

// Everything of the window a failed press is held to.
struct TSnapshot {
    std::vector<std::pair<std::string, std::string>> Labels; // name, caption
    chart::TChartState State;
    std::uint64_t Picture = 0; // a fingerprint
    tk::TPen Pen;
    tk::TBrush Brush;
    tk::TPoint PenPos;
};

TSnapshot Take(const tk::TForm& form, const chart::TChartState& state, const tk::TCanvas& canvas) {
    TSnapshot snap;
    for (const auto& control : form.Controls())
        if (const auto* label = dynamic_cast<const tk::TLabel*>(control.get()))
            snap.Labels.emplace_back(label->Name, label->Caption);
    snap.State = state;
    snap.Picture = Fingerprint(canvas.Bits(), std::size_t(canvas.Width()) * canvas.Height());
    snap.Pen = canvas.Pen;
    snap.Brush = canvas.Brush;
    snap.PenPos = canvas.PenPos;
    return snap;
}

bool SamePen(const tk::TPen& a, const tk::TPen& b) {
    return a.Color == b.Color && a.Width == b.Width && a.Style == b.Style;
}

bool SameBrush(const tk::TBrush& a, const tk::TBrush& b) {
    return a.Style == b.Style && a.Color == b.Color;
}

// "" when `after` differs from `before` only where the leeway allows.
std::string Changes(const TSnapshot& before, const TSnapshot& after, const TLeeway& leeway) {
    for (std::size_t i = 0; i < before.Labels.size(); ++i) {
        const auto& [name, caption] = before.Labels[i];
        if (std::find(leeway.Labels.begin(), leeway.Labels.end(), name) != leeway.Labels.end())
            continue;
        if (after.Labels[i].second != caption)
            return name + " changed from " + Quote(caption) + " to " +
                   Quote(after.Labels[i].second);
    }
    chart::TChartState was = before.State, is = after.State;
    if (leeway.State) {
        leeway.State(was);
        leeway.State(is);
    }
    // operator== holds a NaN unequal to itself; the exact texts of the two hold it equal.
    if (!(was == is) && Describe(was) != Describe(is))
        return "the chart state changed from " + Describe(before.State) + " to " +
               Describe(after.State);
    if (!leeway.Picture) {
        if (before.Picture != after.Picture) return "the picture changed";
        if (!SameBrush(before.Brush, after.Brush)) return "the brush changed";
        if (!(before.PenPos == after.PenPos)) return "the pen position changed";
        if (!leeway.Pen && !SamePen(before.Pen, after.Pen)) return "the pen changed";
    }
    return "";
}

std::string CurrentExceptionType() {
    const std::type_info* type = abi::__cxa_current_exception_type();
    if (!type) return "?";
    int status = 0;
    char* readable = abi::__cxa_demangle(type->name(), nullptr, nullptr, &status);
    std::string name = status == 0 && readable ? readable : type->name();
    std::free(readable);
    return name;
}

class TRecordingHost : public tk::THost {
  public:
    void Show(tk::TForm&, tk::TApplication&) override {}
    void Run() override {}
    void ShowError(const std::string& message) override { Errors.push_back(message); }
    void OpenURL(const std::string&) override {}

    std::vector<std::string> Errors;
};

struct TOutcome {
    enum class TKind { Done, ConvertError, ToolkitError, Foreign } Kind = TKind::Done;
    std::string Message; // or, for a foreign exception, its type
};

class TSessionRunner {
  public:
    TSessionRunner(const TProgram& program, tk::TForm& form, const chart::TChartState& state)
        : program_(program), form_(form), state_(state),
          canvas_(form.Get<tk::TImage>("Image1")->Canvas), application_(host_) {
        form_.Application = &application_;
    }

    // Runs the window's start-up; "" when it went through.
    std::string Start() {
        if (form_.OnCreate) application_.Dispatch([&] { form_.OnCreate(&form_); });
        if (!host_.Errors.empty()) return "the window's start-up failed: " + host_.Errors.front();
        return "";
    }

    void Type(const std::vector<std::string>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            form_.Get<tk::TEdit>(program_.Edits[i])->Text = texts[i];
    }

    void Select(const char* radioButton) {
        form_.Get<tk::TRadioButton>(radioButton)->SetChecked(true);
    }

    void CheckBox(bool checked) { form_.Get<tk::TCheckBox>("CheckBox1")->Checked = checked; }

    // Presses the button as the window system does, through the application object, and
    // holds the outcome to what any input must give.
    std::string Press(const TPress& press) {
        tk::TButton& button = *form_.Get<tk::TButton>(press.Button);
        const TSnapshot before = Take(form_, state_, canvas_);
        const std::size_t shown = host_.Errors.size();

        TOutcome outcome;
        using K = TOutcome::TKind;
        application_.Dispatch([&] {
            try {
                if (button.OnClick) button.OnClick(&button);
            } catch (const tk::EConvertError& e) {
                outcome = {K::ConvertError, e.Message};
                throw;
            } catch (const tk::Exception& e) {
                outcome = {K::ToolkitError, e.Message};
                throw;
            } catch (...) {
                outcome = {K::Foreign, CurrentExceptionType()};
                throw;
            }
        });

        if (outcome.Kind == K::Foreign)
            return "an exception of type " + outcome.Message + " escaped the handler";
        if (outcome.Kind != K::Done) {
            if (outcome.Message.empty()) return "an exception with no message escaped the handler";
            if (host_.Errors.size() != shown + 1 || host_.Errors.back() != outcome.Message)
                return "the error box did not show " + Quote(outcome.Message);
        }

        // The first edit the handler reads that does not parse, with the error it gives.
        std::optional<std::size_t> bad;
        for (std::size_t i = 0; i < press.Reads.size() && !bad; ++i) {
            try {
                tk::StrToFloat(form_.Get<tk::TEdit>(press.Reads[i].Edit)->Text);
            } catch (const tk::EConvertError&) {
                bad = i;
            }
        }
        const auto badText = [&] {
            const std::string& edit = press.Reads[*bad].Edit;
            return edit + " " + Quote(form_.Get<tk::TEdit>(edit)->Text);
        };

        if (outcome.Kind == K::Done) {
            if (bad && *bad < press.FirstReads)
                return badText() + " does not parse, yet the press went through";
            return "";
        }
        const TSnapshot after = Take(form_, state_, canvas_);
        std::string broken;
        switch (outcome.Kind) {
        case K::ConvertError:
            if (!bad)
                return "conversion error " + Quote(outcome.Message) +
                       " though every edit the handler reads parses";
            // The message names the field in the window's words and quotes its text, or says
            // that the field is empty.
            if (!QuotesField(outcome.Message, form_.Get<tk::TEdit>(press.Reads[*bad].Edit)->Text))
                return "conversion error " + Quote(outcome.Message) + ", expected the one of " +
                       badText();
            broken = Changes(before, after, press.Reads[*bad].Leeway);
            return broken.empty() ? "" : "after a conversion error in " + badText() + ": " + broken;
        case K::ToolkitError:
            if (bad && *bad < press.FirstReads)
                return badText() + " does not parse, yet the press stopped with " +
                       Quote(outcome.Message);
            broken = Changes(before, after, press.OtherFailure);
            return broken.empty() ? "" : "after " + Quote(outcome.Message) + ": " + broken;
        case K::Done:
        case K::Foreign:
            break;
        }
        return "";
    }

  private:
    const TProgram& program_;
    tk::TForm& form_;
    const chart::TChartState& state_;
    tk::TCanvas& canvas_;
    TRecordingHost host_;
    tk::TApplication application_;
};

void Restore(const TStartUp& started, tk::TForm& form, chart::TChartState& state) {
    tk::TCanvas& canvas = form.Get<tk::TImage>("Image1")->Canvas;
    std::copy(started.Picture.begin(), started.Picture.end(), canvas.Bits());
    canvas.Pen = started.Pen;
    canvas.Brush = started.Brush;
    canvas.PenPos = started.PenPos;
    state = started.State;
    for (const auto& [name, caption] : started.Labels)
        form.Get<tk::TLabel>(name)->Caption = caption;
    for (const auto& [name, text] : started.Edits)
        form.Get<tk::TEdit>(name)->Text = text;
    for (const auto& [name, hint] : started.Hints)
        form.Get<tk::TControl>(name)->Hint = hint;
    // A radio button checked clears its siblings, so only the checked ones are set.
    for (const auto& [name, checked] : started.Checks) {
        if (auto* box = dynamic_cast<tk::TCheckBox*>(form.Get<tk::TControl>(name)))
            box->Checked = checked;
        else if (checked)
            form.Get<tk::TRadioButton>(name)->SetChecked(true);
    }
}

} // namespace

TStartUp StartUp(const TProgram& program) {
    chart::TChartState state;
    const std::unique_ptr<tk::TForm> form = program.Create(state);
    TSessionRunner runner(program, *form, state);
    TStartUp started;
    started.Failure = runner.Start();
    const tk::TCanvas& canvas = form->Get<tk::TImage>("Image1")->Canvas;
    for (const auto& control : form->Controls()) {
        const tk::TControl* c = control.get();
        started.Hints.emplace_back(c->Name, c->Hint);
        if (const auto* label = dynamic_cast<const tk::TLabel*>(c))
            started.Labels.emplace_back(label->Name, label->Caption);
        if (const auto* edit = dynamic_cast<const tk::TEdit*>(c))
            started.Edits.emplace_back(edit->Name, edit->Text);
        if (const auto* radio = dynamic_cast<const tk::TRadioButton*>(c))
            started.Checks.emplace_back(radio->Name, radio->Checked());
        if (const auto* box = dynamic_cast<const tk::TCheckBox*>(c))
            started.Checks.emplace_back(box->Name, box->Checked);
    }
    started.State = state;
    started.Picture.assign(canvas.Bits(),
                           canvas.Bits() + std::size_t(canvas.Width()) * canvas.Height());
    started.Pen = canvas.Pen;
    started.Brush = canvas.Brush;
    started.PenPos = canvas.PenPos;
    return started;
}

std::string Replay(const TProgram& program, std::span<const std::uint8_t> input) {
    TWindow window(program);
    return Replay(program, StartUp(program), window, input);
}

std::string Replay(const TProgram& program, const TStartUp& started, TWindow& window,
                   std::span<const std::uint8_t> input) {
    if (!started.Failure.empty()) return started.Failure;
    const TSession session = Parse(input, program.Edits.size());
    const testing_common::ScopedDecimalSeparator separator(session.Separator);
    chart::TChartState& state = window.State;
    const std::unique_ptr<tk::TForm>& form = window.Form;
    Restore(started, *form, state);
    TSessionRunner runner(program, *form, state);

    std::size_t group = 0;
    if (group < session.Groups.size()) runner.Type(session.Groups[group++]);
    std::size_t presses = 0;
    for (const char c : session.Script) {
        switch (c) {
        case '1':
        case '2': {
            if (presses == kMaxPresses) break;
            ++presses;
            const TPress& press = program.Buttons[std::size_t(c - '1')];
            if (std::string broken = runner.Press(press); !broken.empty())
                return "press " + std::to_string(presses) + " (" + press.Button + "): " + broken;
            break;
        }
        case 'a':
            runner.Select("RadioButton1");
            break;
        case 'b':
            runner.Select("RadioButton2");
            break;
        case 'C':
        case 'c':
            if (program.HasCheckBox) runner.CheckBox(c == 'C');
            break;
        case '>':
            if (group < session.Groups.size()) runner.Type(session.Groups[group++]);
            break;
        default:
            break;
        }
    }
    return "";
}

} // namespace zfuzz
