// zline's handlers on its own window's canvas, and the same drawing on QPainter.
#include "bench/Replay.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "toolkit/Conversions.h"
#include "zline/Unit1.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// Moved in rather than assigned from the literal, which GCC 12 at -O3 takes for an
// overlapping copy and warns about.
void Type(tk::TEdit& edit, std::string text) {
    edit.Text = std::move(text);
}

// A window of its own, headless, with the grid and ruler drawn as at start-up and the
// values of the cases typed in: 50 + j50 ohm on a 50 ohm line, moved 0,3 wavelengths
// toward the generator on a line losing 2 dB per wavelength.
struct Window {
    explicit Window(bool mirrors = false) : form(state) {
        form.FormCreate(&form);
        Type(*form.Edit1, "50");
        Type(*form.Edit2, "50");
        Type(*form.Edit3, "50");
        Type(*form.Edit4, "0");
        Type(*form.Edit5, "0,3");
        Type(*form.Edit6, "1");
        Type(*form.Edit7, "2");
        form.RadioButton1->SetChecked(true);
        form.CheckBox1->Checked = mirrors;
    }

    tk::TCanvas& Canvas() { return form.Image1->Canvas; }

    testing_common::ScopedDecimalSeparator sep{','};
    chart::TChartState state;
    zline::TForm1 form;
};

void Grid(benchmark::State& state) {
    Window w;
    for (auto _ : state)
        w.form.FormCreate(&w.form);
    benchmark::DoNotOptimize(w.Canvas().Bits());
}

void ShowPoint(benchmark::State& state, bool mirrors) {
    Window w(mirrors);
    for (auto _ : state)
        w.form.Button1Click(w.form.Button1);
    benchmark::DoNotOptimize(w.Canvas().Bits());
}

// The move draws over the point's picture, which is put back outside the clock.
void Move(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        state.PauseTiming();
        w.form.Button1Click(w.form.Button1);
        state.ResumeTiming();
        w.form.Button2Click(w.form.Button2);
    }
    benchmark::DoNotOptimize(w.Canvas().Bits());
}

// Both clicks in a row, as the user makes them.
void ShowPointAndMove(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.form.Button1Click(w.form.Button1);
        w.form.Button2Click(w.form.Button2);
    }
    benchmark::DoNotOptimize(w.Canvas().Bits());
}

enum class Handler { FormCreate, Button1Click, Button2Click };

// Which of the recorded calls to play back: all of them, or one kind, to see where a small
// handler's time goes on either side.
enum class Kind { All, Text, Ellipses, Lines };

bool Of(Kind kind, const tk::TCanvasCall& call) {
    using Op = tk::TCanvasCall::TOp;
    switch (kind) {
    case Kind::All:
        return true;
    case Kind::Text:
        return call.Op == Op::TextOut;
    case Kind::Ellipses:
        return call.Op == Op::Ellipse;
    case Kind::Lines:
        return call.Op == Op::MoveTo || call.Op == Op::LineTo;
    }
    return false;
}

// The calls of one handler, recorded once on a window brought to the state it runs in.
void Versus(benchmark::State& state, Handler handler, bool mirrors = false, Kind kind = Kind::All) {
    Window w(mirrors);
    if (handler == Handler::Button2Click) w.form.Button1Click(w.form.Button1);
    std::vector<tk::TCanvasCall> calls = bench::Record(w.Canvas(), [&] {
        switch (handler) {
        case Handler::FormCreate:
            return w.form.FormCreate(&w.form);
        case Handler::Button1Click:
            return w.form.Button1Click(w.form.Button1);
        case Handler::Button2Click:
            return w.form.Button2Click(w.form.Button2);
        }
    });
    std::erase_if(calls, [kind](const tk::TCanvasCall& call) { return !Of(kind, call); });
    bench::VersusQPainter(state, calls, w.Canvas().Width(), w.Canvas().Height());
}

[[maybe_unused]] const bool registered = [] {
    using bench::Register;
    Register("zline/FormCreate", Grid);
    Register("zline/Button1Click", [](benchmark::State& s) { ShowPoint(s, false); });
    Register("zline/Button1Click/mirrors", [](benchmark::State& s) { ShowPoint(s, true); });
    Register("zline/Button2Click", Move);
    Register("zline/Button1+2Click", ShowPointAndMove);
    Register("vsQPainter/zline/FormCreate",
             [](benchmark::State& s) { Versus(s, Handler::FormCreate); });
    Register("vsQPainter/zline/Button1Click",
             [](benchmark::State& s) { Versus(s, Handler::Button1Click); });
    Register("vsQPainter/zline/Button1Click/mirrors",
             [](benchmark::State& s) { Versus(s, Handler::Button1Click, true); });
    Register("vsQPainter/zline/Button2Click",
             [](benchmark::State& s) { Versus(s, Handler::Button2Click); });
    Register("vsQPainter/zline/Button2Click/text",
             [](benchmark::State& s) { Versus(s, Handler::Button2Click, false, Kind::Text); });
    Register("vsQPainter/zline/Button2Click/ellipses",
             [](benchmark::State& s) { Versus(s, Handler::Button2Click, false, Kind::Ellipses); });
    Register("vsQPainter/zline/Button2Click/lines",
             [](benchmark::State& s) { Versus(s, Handler::Button2Click, false, Kind::Lines); });
    return true;
}();

} // namespace
