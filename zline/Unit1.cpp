#include "zline/Unit1.h"

#include "zline/ExactHints.h"
#include "zline/LineMove.h"

#include "chart/AuthorPage.h"
#include "chart/Frame.h"
#include "chart/Grid.h"
#include "chart/Marks.h"
#include "toolkit/Application.h"
#include "toolkit/Conversions.h"
#include "toolkit/Single.h"

#include <cmath>

namespace zline {

TForm1* Form1 = nullptr;
chart::TChartState ChartState;

using tk::FloatToStrF;
using tk::TFloatFormat;

TForm1::TForm1() : TForm1(ChartState) {}

TForm1::TForm1(chart::TChartState& state)
    : tk::TForm(kForm1Desc), Image1(Get<tk::TImage>("Image1")), Edit1(Get<tk::TEdit>("Edit1")),
      Label1(Get<tk::TLabel>("Label1")), Edit2(Get<tk::TEdit>("Edit2")),
      Edit3(Get<tk::TEdit>("Edit3")), Label2(Get<tk::TLabel>("Label2")),
      Edit4(Get<tk::TEdit>("Edit4")), Button1(Get<tk::TButton>("Button1")),
      Label3(Get<tk::TLabel>("Label3")), Edit5(Get<tk::TEdit>("Edit5")),
      Label4(Get<tk::TLabel>("Label4")), Label5(Get<tk::TLabel>("Label5")),
      Edit6(Get<tk::TEdit>("Edit6")), Button2(Get<tk::TButton>("Button2")),
      Label6(Get<tk::TLabel>("Label6")), Label7(Get<tk::TLabel>("Label7")),
      Label8(Get<tk::TLabel>("Label8")), Label9(Get<tk::TLabel>("Label9")),
      Label10(Get<tk::TLabel>("Label10")), Label11(Get<tk::TLabel>("Label11")),
      Label12(Get<tk::TLabel>("Label12")), GroupBox1(Get<tk::TGroupBox>("GroupBox1")),
      RadioButton1(Get<tk::TRadioButton>("RadioButton1")),
      RadioButton2(Get<tk::TRadioButton>("RadioButton2")), Label14(Get<tk::TLabel>("Label14")),
      Edit7(Get<tk::TEdit>("Edit7")), Label15(Get<tk::TLabel>("Label15")),
      CheckBox1(Get<tk::TCheckBox>("CheckBox1")), Label13(Get<tk::TLabel>("Label13")),
      state_(state) {
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
    chart::DrawGrid(state_, Image1->Canvas, [this] { DrowShkali(Form1); });
}

void TForm1::Button1Click(tk::TObject*) {
    chart::ShowLoadPoint(state_, ChartWindow());
    Label7->Caption =
        "раст./длин.волн. = " + FloatToStrF(state_.LoadWavePos, TFloatFormat::ffFixed, 5, 4);
    ShowReflection();
    if (CheckBox1->Checked) DrawMirrorPoints();
    HintLoad(*this, state_);
    DrowShkali(Button1);
}

// |G| from the plotted pixel, not from the typed load, and the wave ratios from it. On the
// rim the standing-wave ratio is infinite; beyond it (negative resistance) both ratios
// come out negative.
void TForm1::ShowReflection() {
    const float gamma = tk::ToSingle(std::fabs(state_.PointDistPx * (1.0 / chart::ChartRadius)));
    const auto text = [](double v) { return FloatToStrF(v, TFloatFormat::ffFixed, 5, 4); };
    Label8->Caption = "|Г| = " + text(gamma);
    if (gamma == 1) {
        Label9->Caption = "КСВ = ∞";
        Label10->Caption = "КБВ = " + text(0);
        return;
    }
    const float vswr = tk::ToSingle((1.0 + gamma) / (1.0 - gamma));
    const float twr = tk::ToSingle(1.0 / vswr);
    Label9->Caption = "КСВ = " + text(vswr);
    Label10->Caption = "КБВ = " + text(twr);
}

// The load's mirror images in both diameters and through the centre (z*, 1/z*, 1/z),
// joined by a dashed rectangle.
void TForm1::DrawMirrorPoints() {
    tk::TCanvas& c = Image1->Canvas;
    const chart::TPixel load{state_.PointX, state_.PointY};
    const chart::TPixel opposite = chart::Opposite(load);
    c.Pen.Width = 1;
    c.Brush.Style = tk::TBrushStyle::bsClear;
    c.Pen.Style = tk::TPenStyle::psDash;
    c.Rectangle(load.X, load.Y, opposite.X, opposite.Y);
    c.Pen.Style = tk::TPenStyle::psSolid;
    chart::DrawMarker(c, chart::MirroredInRealAxis(load), tk::clLime);
    chart::DrawMarker(c, chart::MirroredInImaginaryAxis(load), tk::clLime);
    chart::DrawMarker(c, opposite, tk::clLime);
}

void TForm1::Button2Click(tk::TObject*) {
    MoveAlongLine(state_, {*Edit5, *Edit6, *Edit7, *RadioButton1, *Label6, *Label7, *Label12,
                           Image1->Canvas});
    HintMove(*this, state_);
    DrowShkali(Button2);
}

// The ruler right of the chart: |G| upward from the centre row, the standing-wave ratio
// of the same distance downward. It takes the caller's pen width and brush.
void TForm1::DrowShkali(tk::TObject*) {
    constexpr int x = 750; // the ruler's line
    constexpr int y = chart::ChartCenterY;
    constexpr int step = 20; // a tick every 20 px: |G| = 0,07, 0,13 ...
    tk::TCanvas& c = Image1->Canvas;
    c.Pen.Color = tk::clBlack;
    c.MoveTo(x, y - chart::ChartRadius);
    c.LineTo(x, y + chart::ChartRadius);
    const auto tick = [&](int row) {
        c.MoveTo(x - 2, row);
        c.LineTo(x + 2, row);
    };
    tick(y);
    for (int i = step; i <= chart::ChartRadius; i += step) {
        const float g = tk::ToSingle(i / double(chart::ChartRadius));
        tick(y - i);
        c.TextOut(x + 2, y - 3 - i, FloatToStrF(g, TFloatFormat::ffFixed, 3, 2));
        if (g != 1) { // |G| = 1 has no finite ratio
            const float v = tk::ToSingle((1.0 + g) / (1.0 - g));
            c.TextOut(x + 2, y - 3 + i, FloatToStrF(v, TFloatFormat::ffFixed, 5, 2));
            tick(y + i);
        }
    }
}

void TForm1::Label13Click(tk::TObject*) {
    if (Application) Application->OpenURL(chart::kAuthorPage);
}

} // namespace zline
