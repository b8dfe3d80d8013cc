// zline's main window: a load moved along a lossy line, read back off the chart.
#pragma once

#include "chart/ChartForm.h"
#include "chart/ChartState.h"
#include "toolkit/Controls.h"

namespace zline {

class TForm1 : public chart::TChartForm {
  public:
    TForm1(); // on the program's own chart state
    explicit TForm1(chart::TChartState& state);

    tk::TEdit* Edit5;
    tk::TLabel* Label4;
    tk::TLabel* Label5;
    tk::TEdit* Edit6;
    tk::TButton* Button2;
    tk::TLabel* Label6;
    tk::TLabel* Label7;
    tk::TLabel* Label8;
    tk::TLabel* Label9;
    tk::TLabel* Label10;
    tk::TLabel* Label11;
    tk::TLabel* Label12;
    tk::TGroupBox* GroupBox1;
    tk::TRadioButton* RadioButton1;
    tk::TRadioButton* RadioButton2;
    tk::TLabel* Label14;
    tk::TEdit* Edit7;
    tk::TLabel* Label15;
    tk::TCheckBox* CheckBox1;

    void FormCreate(tk::TObject* Sender);
    void Button1Click(tk::TObject* Sender);
    void Button2Click(tk::TObject* Sender);
    void DrowShkali(tk::TObject* Sender);

  private:
    void FinishChart() override { DrowShkali(Button1); }
};

// The program's window and chart state: one of each per process, zero at start.
extern TForm1* Form1;
extern chart::TChartState ChartState;

extern const tk::TFormDesc kForm1Desc;

} // namespace zline
