// The harness on a window of its own whose Button1 does what each case makes it do: how an
// input becomes a session, and that every kind of misbehaviour is caught.
#include "fuzz/Harness.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string_view>

namespace {

using K = tk::TControlKind;

const tk::TControlDesc kControls[] = {
    {K::Image, "Image1", nullptr, 0, 0, 16, 16, ""},
    {K::Edit, "Edit1", nullptr, 0, 0, 10, 10, "0"},
    {K::Edit, "Edit2", nullptr, 0, 0, 10, 10, "0"},
    {K::Label, "Label1", nullptr, 0, 0, 10, 10, "Label1"},
    {K::Label, "Label2", nullptr, 0, 0, 10, 10, "Label2"},
    {K::Button, "Button1", nullptr, 0, 0, 10, 10, "Button1"},
    {K::Button, "Button2", nullptr, 0, 0, 10, 10, "Button2"},
    {K::GroupBox, "GroupBox1", nullptr, 0, 0, 10, 10, ""},
    {K::RadioButton, "RadioButton1", "GroupBox1", 0, 0, 10, 10, "", -1, true},
    {K::RadioButton, "RadioButton2", "GroupBox1", 0, 0, 10, 10, ""},
    {K::CheckBox, "CheckBox1", nullptr, 0, 0, 10, 10, ""},
};

class TTestWindow : public tk::TForm {
  public:
    using THandler = std::function<void(TTestWindow&)>;

    TTestWindow(chart::TChartState& state, THandler button1, THandler button2)
        : tk::TForm({"", 16, 16, kControls}), State(state) {
        Get<tk::TButton>("Button1")->OnClick = [this, button1](tk::TObject*) { button1(*this); };
        Get<tk::TButton>("Button2")->OnClick = [this, button2](tk::TObject*) { button2(*this); };
    }

    double Read(const char* edit) const { return tk::StrToFloat(Get<tk::TEdit>(edit)->Text); }
    void Write(const char* label, std::string caption) {
        Get<tk::TLabel>(label)->Caption = std::move(caption);
    }
    tk::TCanvas& Canvas() { return Get<tk::TImage>("Image1")->Canvas; }

    chart::TChartState& State;
};

// Button1 parses `reads` before anything else can stop it; Button2 reads nothing.
zfuzz::TProgram TestProgram(TTestWindow::THandler button1, std::vector<zfuzz::TRead> reads) {
    zfuzz::TProgram p;
    p.Edits = {"Edit1", "Edit2"};
    const std::size_t first = reads.size();
    p.Buttons.emplace_back("Button1", std::move(reads), first);
    p.Buttons.emplace_back("Button2");
    p.HasCheckBox = true;
    p.Create = [button1](chart::TChartState& state) -> std::unique_ptr<tk::TForm> {
        return std::make_unique<TTestWindow>(state, button1, [](TTestWindow&) {});
    };
    return p;
}

zfuzz::TLeeway Leeway(std::vector<std::string> labels, bool pen = false,
                      void (*state)(chart::TChartState&) = nullptr) {
    zfuzz::TLeeway leeway;
    leeway.Labels = std::move(labels);
    leeway.Pen = pen;
    leeway.State = state;
    return leeway;
}

std::string Replay(const zfuzz::TProgram& program, std::string_view input) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(input.data());
    return zfuzz::Replay(program, {bytes, input.size()});
}

// The script acts in order on the window: presses, radio buttons, the check box, the next
// group of field lines, and a leading comma for the separator.
TEST(Harness, InputBecomesASession) {
    struct Row {
        const char* why;
        std::string_view input;
        std::vector<std::string> seen; // by each press of Button1
    };
    const Row rows[] = {
        {"nothing to do", "", {}},
        {"design-time texts", "1", {"0|0 a c ."}},
        {"texts typed first", "1\n1,5\n-2\n", {"1,5|-2 a c ."}},
        {"comma as the first byte", ",1\n1,5", {"1,5|0 a c ,"}},
        {"comma elsewhere is ignored", "1,\n1", {"1|0 a c ."}},
        {"radio buttons and check box",
         "b1C1a1c1",
         {"0|0 b c .", "0|0 b C .", "0|0 a C .", "0|0 a c ."}},
        {"groups, one cut short", "1>1>1\na\nb\nc", {"a|b a c .", "c|b a c .", "c|b a c ."}},
        {"empty lines are empty texts", "1\n\n\n", {"| a c ."}},
        {"only '\\n' ends a line",
         std::string_view("1\n\r\0x\n", 6),
         {std::string("\r\0x|0 a c .", 11)}},
        {"unknown bytes are ignored", "xyz1!", {"0|0 a c ."}},
        {"presses past the limit are ignored", "2222222222221", {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        std::vector<std::string> seen;
        const auto program = TestProgram(
            [&](TTestWindow& w) {
                seen.push_back(w.Get<tk::TEdit>("Edit1")->Text + "|" +
                               w.Get<tk::TEdit>("Edit2")->Text +
                               (w.Get<tk::TRadioButton>("RadioButton1")->Checked() ? " a" : " b") +
                               (w.Get<tk::TCheckBox>("CheckBox1")->Checked ? " C " : " c ") +
                               tk::FormatSettings().DecimalSeparator);
            },
            {});
        EXPECT_EQ(Replay(program, r.input), "");
        EXPECT_EQ(seen, r.seen);
    }
}

// Every misbehaviour of a handler is reported, and only misbehaviour.
TEST(Harness, CatchesWhatAHandlerMustNotDo) {
    struct Row {
        const char* why;
        TTestWindow::THandler button1;
        zfuzz::TLeeway leeway;
        const char* input;
        const char* report; // "" when the press is in order
    };
    const auto readFirst = [](TTestWindow& w) {
        w.Read("Edit1");
        w.Write("Label1", "done");
    };
    const Row rows[] = {
        {"a read before any change", readFirst, {}, "1\nx", ""},
        {"a label written before the read",
         [](TTestWindow& w) {
             w.Write("Label1", "early");
             w.Read("Edit1");
         },
         {},
         "1\nx",
         "Label1 changed from «Label1» to «early»"},
        {"... which the leeway allows",
         [](TTestWindow& w) {
             w.Write("Label1", "early");
             w.Read("Edit1");
         },
         Leeway({"Label1"}), "1\nx", ""},
        {"the chart state changed before the read",
         [](TTestWindow& w) {
             w.State.PointX = 7;
             w.Read("Edit1");
         },
         {},
         "1\nx",
         "the chart state changed"},
        {"... which the leeway allows",
         [](TTestWindow& w) {
             w.State.PointX = 7;
             w.Read("Edit1");
         },
         Leeway({}, false, [](chart::TChartState& s) { s.PointX = 0; }), "1\nx", ""},
        {"drawing before the read",
         [](TTestWindow& w) {
             w.Canvas().MoveTo(0, 0);
             w.Canvas().LineTo(9, 9);
             w.Read("Edit1");
         },
         {},
         "1\nx",
         "the picture changed"},
        {"the pen taken up before the read",
         [](TTestWindow& w) {
             w.Canvas().Pen.Width = 3;
             w.Read("Edit1");
         },
         {},
         "1\nx",
         "the pen changed"},
        {"... which the leeway allows",
         [](TTestWindow& w) {
             w.Canvas().Pen.Width = 3;
             w.Read("Edit1");
         },
         Leeway({}, true), "1\nx", ""},
        {"a foreign exception",
         [](TTestWindow&) { throw std::runtime_error("boom"); },
         {},
         "1",
         "an exception of type std::runtime_error escaped the handler"},
        {"an exception without a message",
         [](TTestWindow&) { throw tk::EInvalidOp(""); },
         {},
         "1",
         "an exception with no message escaped the handler"},
        {"a NaN in the state that stays as it was",
         [](TTestWindow& w) {
             w.Read("Edit1");
             w.State.LoadWavePos = std::numeric_limits<float>::quiet_NaN();
         },
         {},
         "1>1\n1\n\nx",
         ""},
        {"a field read out of its order",
         [](TTestWindow& w) {
             w.Read("Edit2");
             w.Read("Edit1");
         },
         {},
         "1\nx\ny",
         "conversion error ««y» не является числом», expected the one of Edit1 «x»"},
        {"a field the handler ignores",
         [](TTestWindow&) {},
         {},
         "1\nx",
         "Edit1 «x» does not parse, yet the press went through"},
        {"a stop of its own before the read",
         [](TTestWindow&) { throw tk::Exception("stop"); },
         {},
         "1\nx",
         "Edit1 «x» does not parse, yet the press stopped with «stop»"},
        {"a field not declared as read",
         [](TTestWindow& w) { w.Read("Edit2"); },
         {},
         "1\n0\ny",
         "conversion error ««y» не является числом» though every edit the handler reads "
         "parses"},
        {"only the press that misbehaves",
         [](TTestWindow& w) {
             w.Write("Label2", w.Get<tk::TLabel>("Label2")->Caption + "+");
             w.Read("Edit1");
         },
         {},
         "1>1\n1\n\nx",
         "press 2 (Button1): after a conversion error in Edit1 «x»: Label2 changed"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        const std::string report = Replay(TestProgram(r.button1, {{"Edit1", r.leeway}}), r.input);
        if (*r.report == '\0')
            EXPECT_EQ(report, "");
        else
            EXPECT_NE(report.find(r.report), std::string::npos) << report;
    }
}

} // namespace
