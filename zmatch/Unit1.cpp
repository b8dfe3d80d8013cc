#include "zmatch/Unit1.h"

#include "zmatch/ExactHints.h"
#include "zmatch/StubMatch.h"

#include "chart/AuthorPage.h"
#include "chart/Grid.h"
#include "toolkit/Application.h"

namespace zmatch {

TForm1* Form1 = nullptr;
chart::TChartState ChartState;

TForm1::TForm1() : TForm1(ChartState) {}

TForm1::TForm1(chart::TChartState& state)
    : tk::TForm(kForm1Desc), Image1(Get<tk::TImage>("Image1")), Edit1(Get<tk::TEdit>("Edit1")),
      Label1(Get<tk::TLabel>("Label1")), Edit2(Get<tk::TEdit>("Edit2")),
      Edit3(Get<tk::TEdit>("Edit3")), Label2(Get<tk::TLabel>("Label2")),
      Edit4(Get<tk::TEdit>("Edit4")), Button1(Get<tk::TButton>("Button1")),
      Label3(Get<tk::TLabel>("Label3")), Label5(Get<tk::TLabel>("Label5")),
      Edit6(Get<tk::TEdit>("Edit6")), Button2(Get<tk::TButton>("Button2")),
      Label6(Get<tk::TLabel>("Label6")), GroupBox1(Get<tk::TGroupBox>("GroupBox1")),
      RadioButton1(Get<tk::TRadioButton>("RadioButton1")),
      RadioButton2(Get<tk::TRadioButton>("RadioButton2")), Label4(Get<tk::TLabel>("Label4")),
      Label7(Get<tk::TLabel>("Label7")), Label8(Get<tk::TLabel>("Label8")),
      Label9(Get<tk::TLabel>("Label9")), Label10(Get<tk::TLabel>("Label10")),
      Label11(Get<tk::TLabel>("Label11")), Label12(Get<tk::TLabel>("Label12")),
      Label13(Get<tk::TLabel>("Label13")), state_(state) {
    OnCreate = [this](tk::TObject* sender) { FormCreate(sender); };
    Button1->OnClick = [this](tk::TObject* sender) { Button1Click(sender); };
    Button2->OnClick = [this](tk::TObject* sender) { Button2Click(sender); };
    Label13->OnClick = [this](tk::TObject* sender) { Label13Click(sender); };
}

chart::TChartWindow TForm1::ChartWindow() {
    return {
        *Edit1, *Edit2, *Edit3, *Edit4, *Label3, Image1->Canvas, [this] { FormCreate(Button1); }};
}

void TForm1::FormCreate(tk::TObject*) {
    chart::DrawGrid(state_, Image1->Canvas, [this] { DrowLegend(Form1); });
}

void TForm1::Button1Click(tk::TObject*) {
    chart::ShowLoadPoint(state_, ChartWindow());
    HintLoad(*this, state_);
    DrowLegend(Button1);
}

void TForm1::Button2Click(tk::TObject*) {
    MatchWithStub(state_, {*Edit6, *RadioButton1, *Label4, *Label6, *Label7, *Label11, *Label12,
                           Image1->Canvas});
    HintMatch(*this, state_);
    DrowLegend(Button2);
}

// The key to the construction's colours, top left; its captions take whatever brush the
// caller left (transparent after the grid, white boxes after the buttons).
void TForm1::DrowLegend(tk::TObject*) {
    tk::TCanvas& c = Image1->Canvas;
    c.Pen.Style = tk::TPenStyle::psSolid;
    c.Pen.Width = 1;
    c.Pen.Color = tk::clGreen;
    c.MoveTo(10, 10);
    c.LineTo(60, 10);
    c.TextOut(61, 4, "Расстояние от нагрузки до места подключения");
    c.Pen.Color = tk::clFuchsia;
    c.MoveTo(10, 25);
    c.LineTo(60, 25);
    c.TextOut(61, 19, "Длина шлейфа");
    c.Pen.Width = 2;
}

void TForm1::Label13Click(tk::TObject*) {
    if (Application) Application->OpenURL(chart::kAuthorPage);
}

} // namespace zmatch
