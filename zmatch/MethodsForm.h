// «Другие способы согласования…»: a window beside zmatch's own that matches the load of the
// main window by another method on a chart of its own (the same grid, frame and pixel
// rules): one stub in series, two stubs across the line, a quarter-wave transformer, or a
// lumped L-section. «Решить» reads Zн and Zв from the main window's fields as «Показать
// точку» reads them (with its messages), and its «Длин. волн.» as the shunt stub does: every
// length is given in λ and in that wavelength's unit. It plots the load afresh, and draws every
// solution of the chosen method in a colour of its own, with a legend; the results give each as the
// chart reads it, the exact answer in its tooltip, and what the chart's answer gives when it is
// built.
//
// Its rows are laid out from its list of methods and the options they read (MethodsLayout.h):
// a method of its own files and a line in methods::Methods() is a radio button here, its
// options read from the rows they share with the others.
#pragma once

#include "zmatch/MethodOptions.h"
#include "zmatch/MethodsLayout.h"
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
#include <span>
#include <string_view>
#include <vector>

namespace zmatch {

class TMethodsForm : public tk::TForm, public chart::TStepsSource {
  public:
    // `main`: the window whose Zн, Zв and «Длин. волн.» fields it reads (zmatch's TForm1);
    // `list`: the methods it offers, in its order.
    explicit TMethodsForm(const chart::TChartForm& main,
                          std::span<const methods::TMethod> list = methods::Methods());

    static constexpr std::size_t kSolutionRows = zmatch::kSolutionRows,
                                 kNoteRows = zmatch::kNoteRows;

    tk::TImage* const Picture = Get<tk::TImage>("Picture");
    std::vector<tk::TRadioButton*> MethodButtons; // one a method, in the list's order
    // The rows of the options: nullptr where no method of the list reads the option.
    tk::TRadioButton* const ShortStubButton = Find<tk::TRadioButton>("ShortStubButton");
    tk::TRadioButton* const OpenStubButton = Find<tk::TRadioButton>("OpenStubButton");
    tk::TEdit* const FirstStubEdit = Find<tk::TEdit>("FirstStubEdit");
    tk::TEdit* const SpacingEdit = Find<tk::TEdit>("SpacingEdit");
    tk::TEdit* const FrequencyEdit = Find<tk::TEdit>("FrequencyEdit");
    std::vector<tk::TButton*> SpacingPresetButtons; // λ/8, λ/4, 3λ/8
    tk::TButton* const SolveButton = Get<tk::TButton>("SolveButton");
    std::array<tk::TLabel*, kSolutionRows> SolutionLabels;
    std::array<tk::TLabel*, kNoteRows> NoteLabels;
    tk::TLabel* const BuiltLabel = Get<tk::TLabel>("BuiltLabel"); // the answers built
    tk::TEdit* const ChainSolutionEdit = Get<tk::TEdit>("ChainSolutionEdit");
    tk::TButton* const ChainButton = Get<tk::TButton>("ChainButton");

    // The method chosen, as the command line names it, and choosing one.
    const methods::TMethod& Method() const;
    void ChooseMethod(std::string_view key);

    // An option's field: this window's, or the main window's «Длин. волн.» for the
    // wavelength; nullptr for a choice, or a row the window does not have.
    tk::TEdit* FieldOf(methods::TOptionKind kind) const;
    // An option typed as the command line writes it: a field's text, or a choice's word
    // ("open"); a word the choice does not know changes nothing.
    void TypeOption(methods::TOptionKind kind, const std::string& text);
    // The word of the choice made: "short".
    std::string_view Chosen(methods::TOptionKind kind) const;

    // «Решить»: nothing changes when a field does not read or the method refuses.
    void SolveClick(tk::TObject* Sender);

    // «В цепь»: the solution numbered in ChainSolutionEdit, exactly, into the chain window
    // (zmatch/MethodChain.h); before «Решить», or a number no solution has, a message.
    void ChainClick();

    // The last solution and its load, while the chart shows them; nullptr before.
    const methods::TMethodOutcome* Outcome() const { return outcome_ ? &*outcome_ : nullptr; }
    const chart::TTypedLoad& SolvedLoad() const { return solvedLoad_; }
    // The main window's «Длин. волн.» the lengths were given in (1 for the L-section).
    double SolvedWavelength() const { return solvedWavelength_; }
    // The measurement the main window's Zн fields held a point of, when it was solved.
    const std::optional<chart::TMeasuredChoice>& SolvedMeasured() const { return solvedMeasured_; }
    const chart::TConstructionSteps& Steps() const override { return steps_; }
    tk::TImage& StepsPicture() override { return *Picture; }

    // The window's options as read from their fields for the method chosen (only those it
    // reads, in the order of OptionKinds()); a field that does not read raises EOptionError.
    methods::TMethodOptions ReadOptions() const;

  private:
    TMethodsForm(const chart::TChartForm& main, std::span<const methods::TMethod> list,
                 const TMethodsLayout& layout);
    template <class T> T* Find(std::string_view name) const {
        return dynamic_cast<T*>(FindControl(name));
    }
    void ShowResults(const methods::TMethodOutcome& outcome);
    void DrawLegend(const methods::TMethodOutcome& outcome);

    const chart::TChartForm& main_;
    std::span<const methods::TMethod> list_;
    tk::TEdit* const wavelength_; // the main window's
    chart::TChartState state_;
    std::optional<methods::TMethodOutcome> outcome_;
    chart::TTypedLoad solvedLoad_;
    double solvedWavelength_ = 1;
    std::optional<chart::TMeasuredChoice> solvedMeasured_;
    double solvedHz_ = 0; // the L-section's frequency, or a measured load's; 0: none
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
extern const char* const kNoSolutionForBandMessage;
extern const char* const kNoSolutionForChainMessage;

} // namespace zmatch
