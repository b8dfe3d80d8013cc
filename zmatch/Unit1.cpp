#include "zmatch/Unit1.h"

#include "zmatch/ExactHints.h"
#include "zmatch/StubMatch.h"
#include "zmatch/StubSteps.h"

#include "chart/LoadSteps.h"

#include "chart/Grid.h"
#include "chart/Legend.h"

namespace zmatch {

TForm1* Form1 = nullptr;
chart::TChartState ChartState;

TForm1::TForm1() : TForm1(ChartState) {}

TForm1::TForm1(chart::TChartState& state) : chart::TChartForm(kForm1Desc, state) {
    Button2->OnClick = [this](tk::TObject* sender) { Button2Click(sender); };
}

void TForm1::FormCreate(tk::TObject*) {
    chart::DrawGrid(state_, Image1->Canvas);
    DrowLegend(Form1);
}

// The chart drawn afresh with the load on it, and the legend its wipe took.
void TForm1::Button1Click(tk::TObject*) {
    chart::TStepMarks marks(Image1->Canvas);
    const chart::TLoadPoint load = ShowLoadPoint(marks);
    lastMatch_.reset();
    HintLoad(*this, load);
    DrowLegend(Button1);
    KeepSteps(marks, chart::LoadPointSteps(load), true);
}

double TForm1::Wavelength() const {
    return ReadWavelength(*Edit6);
}

void TForm1::ChooseStub(theory::TStubKind kind) {
    (kind == theory::TStubKind::Short ? RadioButton1 : RadioButton2)->SetChecked(true);
}

theory::TStubKind TForm1::StubKind() const {
    return RadioButton1->Checked() ? theory::TStubKind::Short : theory::TStubKind::Open;
}

// The matching drawn over the chart, its lengths in wavelengths and in the typed unit.
void TForm1::Button2Click(tk::TObject*) {
    const TStubConstruction match =
        PlanStubConstruction(state_, ShownLoad(), ReadWavelength(*Edit6), StubKind());
    chart::TStepMarks marks(Image1->Canvas);
    DrawStubConstruction(Image1->Canvas, match, marks);
    LeaveStubConstruction(state_, match);
    Label6->Caption = AdmittanceCaption(match);
    Label4->Caption = DistanceCaption(match.DistanceInUnit());
    Label11->Caption = DistanceCaption(match.Distance());
    Label7->Caption = StubCaption(match.StubInUnit());
    Label12->Caption = StubCaption(match.Stub());
    HintMatch(*this, match);
    lastMatch_ = match;
    DrowLegend(Button2);
    KeepSteps(marks, StubSteps(match), false);
}

// The key to the construction's colours, top left; its captions take whatever brush the
// caller left (transparent after the grid, white boxes after the buttons).
void TForm1::DrowLegend(tk::TObject*) {
    tk::TCanvas& c = Image1->Canvas;
    c.Pen.Style = tk::TPenStyle::psSolid;
    c.Pen.Width = 1;
    chart::DrawLegendRow(c, 0, tk::clGreen, "Расстояние от нагрузки до места подключения");
    chart::DrawLegendRow(c, 1, tk::clFuchsia, "Длина шлейфа");
    c.Pen.Width = 2;
}

} // namespace zmatch
