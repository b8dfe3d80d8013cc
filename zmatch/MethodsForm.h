// «Другие способы согласования…»: a window beside zmatch's own that matches the load of the
// main window by another method on a chart of its own (the same grid, frame and pixel
// rules): one stub in series, two stubs across the line, a quarter-wave transformer, or a
// lumped L-section. «Решить» reads Zн and Zв from the main window's fields as «Показать
// точку» reads them (with its messages), and its «Длин. волн.» as the shunt stub does: every
// length is given in λ and in that wavelength's unit. It plots the load afresh, and draws every
// solution of the chosen method in a colour of its own, with a legend; the results give each as the
// chart reads it, the exact answer in its tooltip, and what the chart's answer gives when it is
// built.
#pragma once

#include "zmatch/methods/Method.h"

#include "chart/ChartForm.h"
#include "chart/ChartState.h"
#include "chart/ConstructionSteps.h"
#include "chart/LoadPoint.h"
#include "chart/StepsSource.h"
#include "toolkit/Controls.h"
#include "toolkit/Exceptions.h"

#include <array>
#include <functional>
#include <optional>

namespace zmatch {

// An option the window refuses: the message, and the field it was read from, so that the
// command line names its own option for it whatever the message says.
class EOptionError : public tk::Exception {
  public:
    EOptionError(const tk::TEdit* field, std::string message)
        : tk::Exception(std::move(message)), Field(field) {}
    const tk::TEdit* Field;
};

class TMethodsForm : public tk::TForm, public chart::TStepsSource {
  public:
    // `main`: the window whose Zн and Zв fields it reads (zmatch's TForm1).
    explicit TMethodsForm(const chart::TChartForm& main);

    static constexpr std::size_t kSolutionRows = 4, kNoteRows = 2;

    tk::TImage* const Image1 = Get<tk::TImage>("Image1");
    std::array<tk::TRadioButton*, 4> MethodButtons;
    tk::TRadioButton* const RadioButton5 = Get<tk::TRadioButton>("RadioButton5"); // short
    tk::TRadioButton* const RadioButton6 = Get<tk::TRadioButton>("RadioButton6"); // open
    tk::TEdit* const Edit1 = Get<tk::TEdit>("Edit1");         // the first stub from the load, λ
    tk::TEdit* const Edit2 = Get<tk::TEdit>("Edit2");         // the spacing, λ
    tk::TEdit* const Edit3 = Get<tk::TEdit>("Edit3");         // the frequency
    tk::TButton* const Button1 = Get<tk::TButton>("Button1"); // «Решить»
    std::array<tk::TButton*, 3> SpacingButtons;               // λ/8, λ/4, 3λ/8
    std::array<tk::TLabel*, kSolutionRows> SolutionLabels;
    std::array<tk::TLabel*, kNoteRows> NoteLabels;
    tk::TLabel* const Label11 = Get<tk::TLabel>("Label11"); // the answers built

    // The method chosen, as the command line names it, and choosing one.
    const methods::TMethod& Method() const;
    void ChooseMethod(std::string_view key);

    // «Решить»: nothing changes when a field does not read or the method refuses.
    void Button1Click(tk::TObject* Sender);

    // The last solution and its load, while the chart shows them; nullptr before.
    const methods::TMethodOutcome* Outcome() const { return outcome_ ? &*outcome_ : nullptr; }
    const chart::TTypedLoad& SolvedLoad() const { return solvedLoad_; }
    // The main window's «Длин. волн.» the lengths were given in (1 for the L-section).
    double SolvedWavelength() const { return solvedWavelength_; }
    // The measurement the main window's Zн fields held a point of, when it was solved.
    const std::optional<chart::TMeasuredChoice>& SolvedMeasured() const { return solvedMeasured_; }
    const chart::TConstructionSteps& Steps() const override { return steps_; }
    tk::TImage& StepsPicture() override { return *Image1; }

    // The window's options as read from its fields for the method chosen (only those it
    // uses are read), with the main window's wavelength for a method with lengths.
    methods::TMethodOptions ReadOptions() const;

  private:
    void DrawLegend(const methods::TMethodOutcome& outcome);

    const chart::TChartForm& main_;
    chart::TChartState state_;
    std::optional<methods::TMethodOutcome> outcome_;
    chart::TTypedLoad solvedLoad_;
    double solvedWavelength_ = 1;
    std::optional<chart::TMeasuredChoice> solvedMeasured_;
    chart::TConstructionSteps steps_;
};

// What the window's menu copies and titles: the results as text (the method and its load,
// then each solution, its exact answer and what it gives built, then the notes), and the
// method with its load for a picture's title.
std::string MethodsResultsText(const tk::TForm& form);
std::string MethodsPictureTitle(const tk::TForm& form);

// The menu row of the main window: the methods window beside it, or the open one raised.
void OpenMethodsWindow(tk::TForm& chartForm);

extern const char* const kMethodMatchedMessage;
// A spacing too near a whole number of half wavelengths (methods::ResolvableSpacing), with
// the nearest that is not.
std::string SpacingMessage(double spacing);
extern const char* const kNoSolutionForBandMessage;
extern const char* const kFirstStubMessage;
extern const char* const kStubDistanceRangeMessage;

} // namespace zmatch
