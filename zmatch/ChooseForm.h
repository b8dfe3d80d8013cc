// «Подбор согласования…» (F3 in zmatch's window): every way of matching the main window's load
// across a band, each tuned for the band on parts that can be bought, in a table best first
// (theory/Choose.h does the search). The load is read as the chain window reads it
// (chart::ReadChainStart); a load from a measured file goes across the file's frequencies.
// The fields give the band (f0 ± %, or f1 to f2), the КСВ accepted, the parts (ideal, E12,
// E24, E96 with the Q of L and C), the stubs' Zв and the longest stub, the quarter-wave
// sections' Zт, the loaded Q of π and T, and the velocity factor for lengths in mm
// (zmatch/ChooseAsk.h reads them).
//
// The search goes a topology a slice (TApplication::Later), the progress bar and the table
// following each; Esc stops it and keeps what was found. A row goes to the chain window to be
// tuned, to that chain's band window, and to this window's own chart; F1 explains why the
// first is first; the table copies (Ctrl+C) and saves as text (Ctrl+S).
#pragma once

#include "chart/ChainForm.h"
#include "chart/ChartForm.h"
#include "chart/DrawnGrid.h"
#include "chart/StepsSource.h"
#include "theory/Choose.h"

#include "toolkit/Controls.h"
#include "toolkit/RowList.h"

#include <memory>
#include <optional>
#include <vector>

namespace zmatch {

class TChooseForm : public tk::TForm, public chart::TStepsSource {
  public:
    TChooseForm(const chart::TChartForm& main, const chart::TChainStart& start);
    TChooseForm(const TChooseForm&) = delete;
    TChooseForm& operator=(const TChooseForm&) = delete;

    tk::TImage* const Picture = Get<tk::TImage>("Picture");
    tk::TLabel* const LoadLabel = Get<tk::TLabel>("LoadLabel");
    tk::TButton* const ReloadButton = Get<tk::TButton>("ReloadButton");
    tk::TEdit* const F0Edit = Get<tk::TEdit>("F0Edit");
    tk::TEdit* const SpanEdit = Get<tk::TEdit>("SpanEdit");
    tk::TEdit* const FromEdit = Get<tk::TEdit>("FromEdit");
    tk::TEdit* const ToEdit = Get<tk::TEdit>("ToEdit");
    tk::TEdit* const VswrEdit = Get<tk::TEdit>("VswrEdit");
    tk::TRadioButton* const IdealButton = Get<tk::TRadioButton>("IdealButton");
    tk::TRadioButton* const E12Button = Get<tk::TRadioButton>("E12Button");
    tk::TRadioButton* const E24Button = Get<tk::TRadioButton>("E24Button");
    tk::TRadioButton* const E96Button = Get<tk::TRadioButton>("E96Button");
    tk::TEdit* const QInductorEdit = Get<tk::TEdit>("QInductorEdit");
    tk::TEdit* const QCapacitorEdit = Get<tk::TEdit>("QCapacitorEdit");
    tk::TEdit* const StubOhmsEdit = Get<tk::TEdit>("StubOhmsEdit");
    tk::TEdit* const StubMaxEdit = Get<tk::TEdit>("StubMaxEdit");
    tk::TEdit* const SectionsEdit = Get<tk::TEdit>("SectionsEdit");
    tk::TEdit* const LoadedQEdit = Get<tk::TEdit>("LoadedQEdit");
    tk::TEdit* const VfEdit = Get<tk::TEdit>("VfEdit");
    tk::TButton* const SearchButton = Get<tk::TButton>("SearchButton");
    tk::TButton* const StopButton = Get<tk::TButton>("StopButton");
    tk::TImage* const Progress = Get<tk::TImage>("Progress");
    tk::TLabel* const ProgressLabel = Get<tk::TLabel>("ProgressLabel");
    tk::TRowList* const ChoiceList = Get<tk::TRowList>("ChoiceList");
    tk::TButton* const ChainButton = Get<tk::TButton>("ChainButton");
    tk::TButton* const BandButton = Get<tk::TButton>("BandButton");
    tk::TButton* const ChartButton = Get<tk::TButton>("ChartButton");
    tk::TLabel* const NoteLabel = Get<tk::TLabel>("NoteLabel");

    // «Подобрать»: the fields read (a bad one raises its message with nothing changed), the
    // table emptied and the search started, a topology a slice while the window system
    // keeps going; a search under way is replaced.
    void Search();
    // One topology searched, the progress and the table following; the next slice asked for
    // unless that was the last or the search was stopped.
    void Slice();
    // Esc or «Остановить»: no more slices; what was found stays in the table.
    void Stop();
    bool Searching() const { return chooser_ != nullptr; }

    // The table given these choices, best first, as found for `ask`: what a search shows
    // as it goes, and what a test shows without one. The first row is selected and drawn.
    void ShowChoices(std::vector<theory::TChoice> ranked, const theory::TChooseAsk& ask);
    const std::vector<theory::TChoice>& Choices() const { return ranked_; }
    const theory::TChooseAsk& Ask() const { return ask_; }
    // The choice of the selected row; without one kNoChoiceMessage.
    const theory::TChoice& Selected() const;

    // A row's buttons: its chain into the chain window (opened, or the open one's chain
    // replaced), then that window's band window; or drawn on this window's chart.
    void ToChain();
    void ToBand();
    void ToChart();
    // The main window's load read again (the search stopped first); a bad field raises its
    // message with nothing changed.
    void Reload();

    // The table as text (theory::ChoiceTableText), and why the first is first as steps.
    std::string TableText() const;
    const chart::TConstructionSteps& Steps() const override { return steps_; }
    tk::TImage& StepsPicture() override { return *Picture; }
    const chart::TChartForm& Main() const { return main_; }
    // The load across the band the search takes: the measured file's, or the typed load as
    // a series R with L or C; f0 and Zв as given.
    theory::TBandLoad BandLoad(double f0Hz) const;

  private:
    void Start(const chart::TChainStart& start);
    chart::TChainForm& IntoChainWindow();
    void ShowProgress();
    void DrawSelected();
    void Finish(const char* how);

    const chart::TChartForm& main_;
    chart::TChainStart start_;
    std::optional<chart::TMeasuredChoice> measured_;
    theory::TChooseAsk ask_;
    std::unique_ptr<theory::TChooser> chooser_;
    std::vector<theory::TChoice> ranked_;
    chart::TDrawnGrid grid_;
    chart::TConstructionSteps steps_;
    // The next slice of this search asked for, once the window system has done what waits.
    void AskForSlice();
    // Held while the form lives: a slice asked for after it went finds it gone.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    // Counts the searches begun: a slice asked for by one replaced since does nothing.
    int search_ = 0;
};

// The menu row of zmatch's window: the window beside it, or the open one raised.
void OpenChooseWindow(tk::TForm& chartForm);

extern const char* const kNoChoiceMessage;

} // namespace zmatch
