// One drag step of a node of an eight-element chain in the chain window, as a binding hands
// it to the application: the value whose node lies nearest the pointer found along the
// slider's range (chart/ChainTuning.h), the chain solved, the rows and the input's labels
// written, and the window's chart drawn anew, through TApplication as every event runs.
// The pointer alternates between the last node and a point beside its arc, so that every
// step changes the value. The goal is under 2 ms; the step's band apart is ChainBench.cpp's.
#include "bench/NoHost.h"
#include "chart/ChainForm.h"
#include "chart/Frame.h"
#include "theory/ChainPath.h"
#include "toolkit/Application.h"
#include "zmatch/Unit1.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using bench::NoHost;

tk::TPoint PixelOf(theory::TComplex g) {
    return chart::PixelOfGamma(g.real(), g.imag());
}

void BM_ChainDragStep(benchmark::State& state) {
    NoHost host;
    tk::TApplication app(host);
    chart::TChartState chartState;
    zmatch::TForm1* form = nullptr;
    app.CreateForm(form, chartState);
    form->TypeLoad("20", "-35", "50", "0");
    for (const tk::TActionDesc& a : form->Actions())
        if (a.Shortcut == tk::TShortcut::Chain) app.Dispatch([&] { a.Command(*form); });
    auto& chain = dynamic_cast<chart::TChainForm&>(*app.Windows().at(0));
    // L, shunt C, a line, series C, a shorted shunt stub, shunt L, series R, a line.
    for (const int kind : {0, 3, 6, 2, 7, 1, 4, 6}) {
        app.Select(*chain.KindList, kind);
        app.Click(*chain.AddButton);
    }
    // The last node, and a point 15 pixels up and right of it, as bench/web times it too.
    const auto path = theory::ChainPaths(chain.Chain(), chain.LoadOhms()).back();
    const tk::TPoint node = PixelOf(path.back());
    const tk::TPoint ends[] = {node, {node.X + 15, node.Y - 15}};
    if (!app.Press(*chain.Picture, ends[0])) state.SkipWithError("the last node not taken");
    int step = 0;
    for (auto _ : state)
        app.Drag(*chain.Picture, ends[++step % 2]);
    app.Release(*chain.Picture, ends[step % 2]);
}
BENCHMARK(BM_ChainDragStep)->Unit(benchmark::kMicrosecond);

} // namespace
