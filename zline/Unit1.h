// zline's main window: a load moved along a lossy line, read back off the chart.
#pragma once

#include "chart/ChartForm.h"
#include "chart/ChartState.h"
#include "toolkit/Controls.h"
#include "zline/LineMove.h"

#include <string>

namespace zline {

class TForm1 : public chart::TChartForm {
  public:
    TForm1(); // on the program's own chart state
    explicit TForm1(chart::TChartState& state);

    // In the order of the form's rows.
    tk::TLabel* const Label4 = Get<tk::TLabel>("Label4");
    tk::TEdit* const Edit5 = Get<tk::TEdit>("Edit5");
    tk::TLabel* const Label5 = Get<tk::TLabel>("Label5");
    tk::TEdit* const Edit6 = Get<tk::TEdit>("Edit6");
    tk::TLabel* const Label14 = Get<tk::TLabel>("Label14");
    tk::TLabel* const Label15 = Get<tk::TLabel>("Label15");
    tk::TEdit* const Edit7 = Get<tk::TEdit>("Edit7");
    tk::TCheckBox* const CheckBox1 = Get<tk::TCheckBox>("CheckBox1");
    tk::TGroupBox* const GroupBox1 = Get<tk::TGroupBox>("GroupBox1");
    tk::TRadioButton* const RadioButton1 = Get<tk::TRadioButton>("RadioButton1");
    tk::TRadioButton* const RadioButton2 = Get<tk::TRadioButton>("RadioButton2");
    tk::TButton* const Button2 = Get<tk::TButton>("Button2");
    tk::TLabel* const Label7 = Get<tk::TLabel>("Label7");
    tk::TLabel* const Label6 = Get<tk::TLabel>("Label6");
    tk::TLabel* const Label11 = Get<tk::TLabel>("Label11");
    tk::TLabel* const Label12 = Get<tk::TLabel>("Label12");
    tk::TLabel* const Label8 = Get<tk::TLabel>("Label8");
    tk::TLabel* const Label9 = Get<tk::TLabel>("Label9");
    tk::TLabel* const Label10 = Get<tk::TLabel>("Label10");

    // The window driven by what its controls are, as the command line drives it: the
    // move's fields typed (l, the wavelength, the attenuation in dB per wavelength, the
    // direction, the mirror points) and read as «Определить новое R+jX» reads them, and
    // that button pressed.
    void TypeMove(std::string distance, std::string wavelength, std::string attenuation,
                  bool towardGenerator, bool mirror);
    TMoveInput ReadMove() const;
    void Move() { Button2Click(Button2); }

    void FormCreate(tk::TObject* Sender) override;
    void Button1Click(tk::TObject* Sender) override;
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
