// The PDF of the most complex picture: zmatch's construction of 100 + j50 on a 50-ohm line
// matched with a short stub (about a thousand calls still showing on the canvas), written
// to a file as «Сохранить рисунок…» writes it: the record checked against the canvas, the
// figure played back, the face's subset embedded, the file renamed into place.
#include "tests/common/ScopedDecimalSeparator.h"

#include "toolkit/qt/PdfPicture.h"
#include "zmatch/Unit1.h"

#include <QByteArray>
#include <QGuiApplication>
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
    static int argc = 1;
    static char name[] = "zchart_bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
        new QGuiApplication(argc, argv); // kept: Qt's statics may be gone at exit
    }
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
    const QString path = dir.filePath("zmatch.pdf");
    for (auto _ : state)
        tkqt::SavePdf(form.Image1->Canvas, path, "zmatch — Zн = 100+j50 Ом, Zв = 50 Ом");
    state.counters["calls"] = double(tkqt::PictureCalls(form.Image1->Canvas).size());
}

BENCHMARK(PdfOfTheMatchedPicture)->Unit(benchmark::kMillisecond);

} // namespace
