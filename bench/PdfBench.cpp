// The PDF of the most complex picture: zmatch's construction of 100 + j50 on a 50-ohm line
// matched with a short stub (about a thousand calls still showing on the canvas), written
// to a file as «Сохранить рисунок…» writes it: the record checked against the canvas, the
// figure played back, the whole face embedded, the streams compressed, the file renamed
// into place.
#include "tests/common/ScopedDecimalSeparator.h"

#include "toolkit/PdfDocument.h"
#include "toolkit/VectorPicture.h"
#include "zmatch/Unit1.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace {

void Type(tk::TEdit& edit, std::string text) {
    edit.Text = std::move(text);
}

void PdfOfTheMatchedPicture(benchmark::State& state) {
    testing_common::ScopedDecimalSeparator sep{','};
    std::vector<tk::TCanvasCall> log;
    chart::TChartState chart;
    zmatch::TForm1 form(chart);
    form.Image1->Canvas.Log = &log;
    form.FormCreate(&form);
    Type(*form.Edit1, "100");
    Type(*form.Edit2, "50");
    Type(*form.Edit3, "50");
    Type(*form.Edit4, "0");
    Type(*form.Edit6, "1");
    form.Button1Click(form.Button1);
    form.Button2Click(form.Button2);

    QTemporaryDir dir;
    const std::string path = dir.filePath("zmatch.pdf").toStdString();
    for (auto _ : state)
        tk::SavePdf(form.Image1->Canvas, path, "zmatch — Zн = 100+j50 Ом, Zв = 50 Ом");
    state.counters["calls"] = double(tk::PictureCalls(form.Image1->Canvas).size());
}

BENCHMARK(PdfOfTheMatchedPicture)->Unit(benchmark::kMillisecond);

} // namespace
