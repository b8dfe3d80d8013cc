// zmatch's main window: a load, a line, and one parallel stub that matches them, solved
// on the chart's pixels.
#pragma once

#include "chart/ChartForm.h"
#include "chart/ChartState.h"
#include "theory/LineTheory.h"
#include "toolkit/Controls.h"
#include "zmatch/StubMatch.h"

#include <optional>
#include <string>
#include <utility>

namespace zmatch {

class TForm1 : public chart::TChartForm {
  public:
    TForm1(); // on the program's own chart state
    explicit TForm1(chart::TChartState& state);

    // In the order of the form's rows.
    tk::TLabel* const Label5 = Get<tk::TLabel>("Label5");
    tk::TEdit* const Edit6 = Get<tk::TEdit>("Edit6");
    tk::TGroupBox* const GroupBox1 = Get<tk::TGroupBox>("GroupBox1");
    tk::TRadioButton* const RadioButton1 = Get<tk::TRadioButton>("RadioButton1");
    tk::TRadioButton* const RadioButton2 = Get<tk::TRadioButton>("RadioButton2");
    tk::TButton* const Button2 = Get<tk::TButton>("Button2");
    tk::TLabel* const Label9 = Get<tk::TLabel>("Label9");
    tk::TLabel* const Label6 = Get<tk::TLabel>("Label6");
    tk::TLabel* const Label8 = Get<tk::TLabel>("Label8");
    tk::TLabel* const Label4 = Get<tk::TLabel>("Label4");
    tk::TLabel* const Label7 = Get<tk::TLabel>("Label7");
    tk::TLabel* const Label10 = Get<tk::TLabel>("Label10");
    tk::TLabel* const Label11 = Get<tk::TLabel>("Label11");
    tk::TLabel* const Label12 = Get<tk::TLabel>("Label12");

    void FormCreate(tk::TObject* Sender) override;
    void Button1Click(tk::TObject* Sender) override;
    void Button2Click(tk::TObject* Sender);
    void DrowLegend(tk::TObject* Sender);

    // The window driven by what its controls are, as the command line drives it: the
    // wavelength typed and read as «Согласовать» reads it, the stub chosen, the button
    // pressed, and the results' hints cleared of an earlier match.
    void TypeWavelength(std::string text) { Edit6->Text = std::move(text); }
    double Wavelength() const;
    void ChooseStub(theory::TStubKind kind);
    void Match() { Button2Click(Button2); }
    void ClearMatchHints();

    // The match «Согласовать» last drew, while the chart shows it; nullptr before.
    const TStubConstruction* LastMatch() const { return lastMatch_ ? &*lastMatch_ : nullptr; }

  private:
    std::optional<TStubConstruction> lastMatch_;
    void FinishChart() override { DrowLegend(Button1); }
    theory::TStubKind StubKind() const;
};

// The program's window and chart state: one of each per process, zero at start.
extern TForm1* Form1;
extern chart::TChartState ChartState;

extern const tk::TFormDesc kForm1Desc;

} // namespace zmatch
