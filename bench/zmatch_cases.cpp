// zmatch's handlers on its own window's canvas, and the same drawing on QPainter.
#include "bench/Replay.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "toolkit/Conversions.h"
#include "zmatch/Unit1.h"

#include <string>
#include <utility>

namespace {

// Moved in rather than assigned from the literal, which GCC 12 at -O3 takes for an
// overlapping copy and warns about.
void Type(tk::TEdit& edit, std::string text) {
    edit.Text = std::move(text);
}

// A window of its own, headless, with the grid drawn as at start-up and the load of the
// cases typed in: 50 + j50 ohm on a 50 ohm line.
struct Window {
    Window() : form(state) {
        form.FormCreate(&form);
        Type(*form.Edit1, "50");
        Type(*form.Edit2, "50");
        Type(*form.Edit3, "50");
        Type(*form.Edit4, "0");
        Type(*form.Edit6, "1");
    }

    void Stub(bool shorted) { (shorted ? form.RadioButton1 : form.RadioButton2)->SetChecked(true); }
    tk::TCanvas& Canvas() { return form.Image1->Canvas; }

    testing_common::ScopedDecimalSeparator sep{','};
    chart::TChartState state;
    zmatch::TForm1 form;
};

void Grid(benchmark::State& state) {
    Window w;
    for (auto _ : state)
        w.form.FormCreate(&w.form);
    benchmark::DoNotOptimize(w.Canvas().Bits());
}

void ShowPoint(benchmark::State& state) {
    Window w;
    for (auto _ : state)
        w.form.Button1Click(w.form.Button1);
    benchmark::DoNotOptimize(w.Canvas().Bits());
}

// The matching draws over the point's picture, which is put back outside the clock.
void Match(benchmark::State& state, bool shorted) {
    Window w;
    w.Stub(shorted);
    for (auto _ : state) {
        state.PauseTiming();
        w.form.Button1Click(w.form.Button1);
        state.ResumeTiming();
        w.form.Button2Click(w.form.Button2);
    }
    benchmark::DoNotOptimize(w.Canvas().Bits());
}

// Both clicks in a row, as the user makes them.
void ShowPointAndMatch(benchmark::State& state, bool shorted) {
    Window w;
    w.Stub(shorted);
    for (auto _ : state) {
        w.form.Button1Click(w.form.Button1);
        w.form.Button2Click(w.form.Button2);
    }
    benchmark::DoNotOptimize(w.Canvas().Bits());
}

enum class Handler { FormCreate, Button1Click, Button2Click };

// The calls of one handler, recorded once on a window brought to the state it runs in.
void Versus(benchmark::State& state, Handler handler, bool shorted = true) {
    Window w;
    w.Stub(shorted);
    if (handler == Handler::Button2Click) w.form.Button1Click(w.form.Button1);
    const std::vector<tk::TCanvasCall> calls = bench::Record(w.Canvas(), [&] {
        switch (handler) {
        case Handler::FormCreate:
            return w.form.FormCreate(&w.form);
        case Handler::Button1Click:
            return w.form.Button1Click(w.form.Button1);
        case Handler::Button2Click:
            return w.form.Button2Click(w.form.Button2);
        }
    });
    bench::VersusQPainter(state, calls, w.Canvas().Width(), w.Canvas().Height());
}

[[maybe_unused]] const bool registered = [] {
    using bench::Register;
    Register("zmatch/FormCreate", Grid);
    Register("zmatch/Button1Click", ShowPoint);
    Register("zmatch/Button2Click/short", [](benchmark::State& s) { Match(s, true); });
    Register("zmatch/Button2Click/open", [](benchmark::State& s) { Match(s, false); });
    Register("zmatch/Button1+2Click/short",
             [](benchmark::State& s) { ShowPointAndMatch(s, true); });
    Register("zmatch/Button1+2Click/open",
             [](benchmark::State& s) { ShowPointAndMatch(s, false); });
    Register("vsQPainter/zmatch/FormCreate",
             [](benchmark::State& s) { Versus(s, Handler::FormCreate); });
    Register("vsQPainter/zmatch/Button1Click",
             [](benchmark::State& s) { Versus(s, Handler::Button1Click); });
    Register("vsQPainter/zmatch/Button2Click/short",
             [](benchmark::State& s) { Versus(s, Handler::Button2Click, true); });
    Register("vsQPainter/zmatch/Button2Click/open",
             [](benchmark::State& s) { Versus(s, Handler::Button2Click, false); });
    return true;
}();

} // namespace
