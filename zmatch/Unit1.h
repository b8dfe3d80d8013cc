// zmatch's main window: a load, a line, and one parallel stub that matches them, solved
// on the chart's pixels.
#pragma once

#include "chart/ChartForm.h"
#include "chart/ChartState.h"
#include "chart/LineTheory.h"
#include "toolkit/Controls.h"

namespace zmatch {

class TForm1 : public chart::TChartForm {
  public:
    TForm1(); // on the program's own chart state
    explicit TForm1(chart::TChartState& state);

    tk::TLabel* Label5;
    tk::TEdit* Edit6;
    tk::TButton* Button2;
    tk::TLabel* Label6;
    tk::TGroupBox* GroupBox1;
    tk::TRadioButton* RadioButton1;
    tk::TRadioButton* RadioButton2;
    tk::TLabel* Label4;
    tk::TLabel* Label7;
    tk::TLabel* Label8;
    tk::TLabel* Label9;
    tk::TLabel* Label10;
    tk::TLabel* Label11;
    tk::TLabel* Label12;

    void FormCreate(tk::TObject* Sender);
    void Button1Click(tk::TObject* Sender);
    void Button2Click(tk::TObject* Sender);
    void DrowLegend(tk::TObject* Sender);

  private:
    void FinishChart() override { DrowLegend(Button1); }
    chart::TStubKind StubKind() const;
};

// The program's window and chart state: one of each per process, zero at start.
extern TForm1* Form1;
extern chart::TChartState ChartState;

extern const tk::TFormDesc kForm1Desc;

} // namespace zmatch
