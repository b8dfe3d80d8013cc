#include "zline/Unit1.h"

#include "zline/ExactHints.h"
#include "zline/LineMove.h"
#include "zline/MoveSteps.h"
#include "zline/Reflection.h"

#include "chart/Grid.h"
#include "chart/LoadSteps.h"
#include "theory/LineTheory.h"
#include "toolkit/Conversions.h"
#include "toolkit/Single.h"

namespace zline {

TForm1* Form1 = nullptr;
chart::TChartState ChartState;

using tk::FloatToStrF;

TForm1::TForm1() : TForm1(ChartState) {}

TForm1::TForm1(chart::TChartState& state) : chart::TChartForm(kForm1Desc, state) {
    Button2->OnClick = [this](tk::TObject* sender) { Button2Click(sender); };
}

void TForm1::TypeMove(std::string distance, std::string wavelength, std::string attenuation,
                      bool towardGenerator, bool mirror) {
    Edit5->Text = std::move(distance);
    Edit6->Text = std::move(wavelength);
    Edit7->Text = std::move(attenuation);
    (towardGenerator ? RadioButton1 : RadioButton2)->SetChecked(true);
    CheckBox1->Checked = mirror;
}

TMoveInput TForm1::ReadMove() const {
    return ReadMoveInput(*Edit5, *Edit6, *Edit7, RadioButton1->Checked());
}

void TForm1::FormCreate(tk::TObject*) {
    chart::DrawGrid(state_, Image1->Canvas);
    DrowShkali(Form1);
}

// The chart drawn afresh with the load on it, its figures beside it, its mirror images
// when asked for, and the ruler its wipe took.
void TForm1::Button1Click(tk::TObject*) {
    chart::TStepMarks marks(Image1->Canvas);
    const chart::TLoadPoint load = ShowLoadPoint(marks);
    const TReflectionFigures figures = ReflectionFigures(load);
    Label7->Caption = PositionCaption(load.WavePos);
    Label8->Caption = GammaCaption(figures);
    Label9->Caption = VswrCaption(figures);
    Label10->Caption = TwrCaption(figures);
    marks.Begin();
    if (CheckBox1->Checked) {
        DrawMirrorPoints(Image1->Canvas, MirrorPoints(load.Point));
        marks.End();
    }
    HintLoad(*this, load);
    marks.Begin(); // the figures, read on the ruler drawn again now
    marks.End();
    DrowShkali(Button1);
    chart::TConstructionSteps steps = chart::LoadPointSteps(load);
    for (chart::TConstructionStep& step : LoadReadingSteps(load, CheckBox1->Checked))
        steps.push_back(std::move(step));
    KeepSteps(marks, std::move(steps), true);
}

// The load moved along the line from where "Показать точку" left it.
void TForm1::Button2Click(tk::TObject*) {
    const TLineMove move = PlanLineMove(
        state_, ShownLoad(), ReadMoveInput(*Edit5, *Edit6, *Edit7, RadioButton1->Checked()));
    chart::TStepMarks marks(Image1->Canvas);
    DrawLineMove(Image1->Canvas, move, marks);
    LeaveLineMove(state_, move);
    Label7->Caption = PositionCaption(move.Position);
    Label6->Caption = ImpedanceCaption(move);
    Label12->Caption = OhmsCaption(move);
    HintMove(*this, move);
    DrowShkali(Button2);
    KeepSteps(marks, MoveSteps(move), false);
}

// The ruler right of the chart: |G| upward from the centre row, the standing-wave ratio
// of the same distance downward, a tick and its value every 20 px (|G| = 0,07, 0,13 ...).
// It takes the caller's pen width and brush.
namespace {
constexpr int kRulerX = 750;      // the ruler's line
constexpr int kRulerStep = 20;    // from one tick to the next
constexpr int kRulerTick = 2;     // a tick's half length
constexpr int kRulerTextGap = 2;  // from the line to a value
constexpr int kRulerTextRise = 3; // a value's top above its tick
} // namespace

void TForm1::DrowShkali(tk::TObject*) {
    constexpr int x = kRulerX;
    constexpr int y = chart::ChartCenterY;
    tk::TCanvas& c = Image1->Canvas;
    c.Pen.Color = tk::clBlack;
    c.MoveTo(x, y - chart::ChartRadius);
    c.LineTo(x, y + chart::ChartRadius);
    const auto tick = [&](int row) {
        c.MoveTo(x - kRulerTick, row);
        c.LineTo(x + kRulerTick, row);
    };
    tick(y);
    for (int i = kRulerStep; i <= chart::ChartRadius; i += kRulerStep) {
        const float g = tk::ToSingle(i / double(chart::ChartRadius));
        tick(y - i);
        c.TextOut(x + kRulerTextGap, y - kRulerTextRise - i, FloatToStrF(g, 3, 2));
        if (g != 1) { // |G| = 1 has no finite ratio
            const float v = tk::ToSingle(theory::StandingWaveRatio(g));
            c.TextOut(x + kRulerTextGap, y - kRulerTextRise + i, FloatToStrF(v, 5, 2));
            tick(y + i);
        }
    }
}

} // namespace zline
