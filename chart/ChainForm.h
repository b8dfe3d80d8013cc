// «Цепь…»: a window beside either program's own, where the user builds a chain of elements of
// their own on the main window's load and tunes it while the chart follows. It starts from
// the load and the line's Zв as «Показать точку» reads them (with its messages; a load from a
// measured file brings its frequency), and lists the elements from the load toward the
// generator, each row with the node after the element: z, y, Z in Ω, |Г|, КСВ, return loss
// and Q, exact; the input's the same in large type under the list.
//
// Every change (an element added, removed, moved, changed in kind, or its value set by the
// slider or typed) solves the chain again and draws its path on the window's own chart at
// once (chart/ChainPath.h). The slider's keys tune the selected element: the arrows finely,
// PageUp and PageDown coarsely; so does the wheel, and a node dragged on the chart
// (chart/ChainTuning.h).
//
// The chart also shows the input's path across the band (chart/ChainBandPath.h); the band
// window (chart/ChainBandForm.h, Ctrl+B) and the steps window (F1: an element a step,
// chart/ChainSteps.h) follow every change.
#pragma once

#include "chart/ChainTuning.h"
#include "chart/ChartForm.h"
#include "chart/DrawnGrid.h"
#include "chart/StepsSource.h"
#include "theory/Chain.h"
#include "theory/ChainBand.h"

#include "toolkit/Controls.h"
#include "toolkit/RowList.h"
#include "toolkit/SliderValue.h"

#include <functional>
#include <optional>

namespace chart {

// The load and line a chain starts from, read from the main window as «Показать точку»
// reads them; a bad field raises its message, and a line with a reactance kChainLineMessage.
struct TChainStart {
    theory::TComplex LoadOhms;
    double LineOhms = 50;
    double F0Hz = 0; // a measured load's frequency; 0: none
};
TChainStart ReadChainStart(const TChartForm& main);

class TChainForm : public tk::TForm, public TStepsSource {
  public:
    TChainForm(const TChartForm& main, const TChainStart& start);
    ~TChainForm() override {
        if (OnChainGone) OnChainGone();
    }
    TChainForm(const TChainForm&) = delete;
    TChainForm& operator=(const TChainForm&) = delete;

    tk::TImage* const Picture = Get<tk::TImage>("Picture");
    tk::TLabel* const LoadLabel = Get<tk::TLabel>("LoadLabel");
    tk::TButton* const ReloadButton = Get<tk::TButton>("ReloadButton");
    tk::TEdit* const FrequencyEdit = Get<tk::TEdit>("FrequencyEdit");
    tk::TButton* const FrequencyButton = Get<tk::TButton>("FrequencyButton");
    tk::TRowList* const KindList = Get<tk::TRowList>("KindList");
    tk::TButton* const AddButton = Get<tk::TButton>("AddButton");
    tk::TButton* const KindButton = Get<tk::TButton>("KindButton");
    tk::TButton* const RemoveButton = Get<tk::TButton>("RemoveButton");
    tk::TButton* const UpButton = Get<tk::TButton>("UpButton");
    tk::TButton* const DownButton = Get<tk::TButton>("DownButton");
    tk::TRowList* const ElementList = Get<tk::TRowList>("ElementList");
    tk::TSliderValue* const ValueSlider = Get<tk::TSliderValue>("ValueSlider");
    tk::TEdit* const ValueEdit = Get<tk::TEdit>("ValueEdit");
    tk::TLabel* const ValueUnitLabel = Get<tk::TLabel>("ValueUnitLabel");
    tk::TButton* const ValueButton = Get<tk::TButton>("ValueButton");
    tk::TEdit* const OwnLineEdit = Get<tk::TEdit>("OwnLineEdit");
    tk::TButton* const OwnLineButton = Get<tk::TButton>("OwnLineButton");
    tk::TEdit* const QEdit = Get<tk::TEdit>("QEdit");
    tk::TButton* const QButton = Get<tk::TButton>("QButton");
    tk::TEdit* const LossEdit = Get<tk::TEdit>("LossEdit");
    tk::TButton* const LossButton = Get<tk::TButton>("LossButton");
    tk::TEdit* const MillimetresEdit = Get<tk::TEdit>("MillimetresEdit");
    tk::TEdit* const VfEdit = Get<tk::TEdit>("VfEdit");
    tk::TButton* const MillimetresButton = Get<tk::TButton>("MillimetresButton");
    tk::TRadioButton* const E12Button = Get<tk::TRadioButton>("E12Button");
    tk::TRadioButton* const E24Button = Get<tk::TRadioButton>("E24Button");
    tk::TRadioButton* const E96Button = Get<tk::TRadioButton>("E96Button");
    tk::TButton* const StandardButton = Get<tk::TButton>("StandardButton");
    tk::TLabel* const StandardLabel = Get<tk::TLabel>("StandardLabel");
    tk::TLabel* const InputLabel = Get<tk::TLabel>("InputLabel");
    tk::TLabel* const InputDetailLabel = Get<tk::TLabel>("InputDetailLabel");

    const theory::TChain& Chain() const { return chain_; }
    theory::TComplex LoadOhms() const { return load_; }
    // The element of the row selected in ElementList; -1: none (the load's row, or no row).
    int Selected() const { return ElementList->ItemIndex() - 1; }
    // The load across the band: the measured file's, when the load came from one and f0 is
    // set, else the typed load as a series R with L or C.
    theory::TBandLoad BandLoad() const;
    // The input across the band, as the chart draws its path.
    const theory::TChainBand& Band() const { return band_; }
    // An element a step, from the load: its arc, its value and the node it reaches.
    const TConstructionSteps& Steps() const override { return steps_; }
    tk::TImage& StepsPicture() override { return *Picture; }
    // Run after every change of the chain (the band window follows it), and as the window
    // goes.
    std::function<void()> OnChainChanged, OnChainGone;

    // What the buttons do. Add puts the kind chosen in KindList (the first if none) after
    // the element selected (at the end if none) and selects it; KindChange gives the
    // selected element that kind; Remove, Up and Down act on the selected one.
    void Add();
    void KindChange();
    void Remove();
    void Move(int by);
    // The chain replaced by `chain` on the load and line of `start` (f0 the chain's), its
    // first element selected: a method's solution taken in (zmatch's «В цепь»), a chain
    // file opened or a link's chain (chart/ChainAddress.h), as the window holds a chain
    // (HeldChain, chart/ChainFiles.h), its lines in mm given at velocity factor `vf` (0: none).
    void TakeChain(const TChainStart& start, const theory::TChain& chain, double vf = 0);
    const TChartForm& Main() const { return main_; }
    // The main window's load and Zв read again; a bad field raises its message with nothing
    // changed.
    void Reload();
    // FrequencyEdit read in MHz (empty: none); ValueEdit read in ValueUnitLabel's unit for the
    // selected element. A text that does not read raises its message with nothing changed.
    void ApplyFrequency();
    void ApplyValue();
    // OwnLineEdit read as the selected line's or stub's own Zв in ohms (empty: the chain's);
    // another kind raises kOwnLineMessage.
    void ApplyOwnLine();
    // QEdit, LossEdit, or MillimetresEdit with VfEdit, read for the selected element as
    // chart/ChainFields.h reads them; what does not read or apply raises its message with
    // nothing changed.
    void ApplyElementField(void (*apply)(theory::TChainElement&, const tk::TEdit&),
                           const tk::TEdit& field);
    void ApplyMillimetres();
    // Each L and C on its nearest value of the series checked (theory/StandardValues.h), the
    // КСВ at the input before and after in StandardLabel; without f0 kStandardFrequencyMessage.
    void ApplyStandardValues();
    // The selected element's value from the slider's position.
    void Slide();
    // Selects element `element`, its value the slider's new centre, unless it is selected.
    void SelectElement(int element);
    // The selected element's value set to `value`, the slider moved to it within its range,
    // and everything that shows it following.
    void Tune(double value);
    double Anchor() const { return anchor_; }

  private:
    // The selected element edited on a copy, then the chain solved again; nothing changes
    // where `edit` raises its message.
    void EditSelected(const std::function<void(theory::TChainElement&)>& edit);
    void Start(const TChainStart& start);
    // The chain solved again: the rows, the input's labels and the chart.
    void Refresh();
    // The slider and ValueEdit set on the selected element's value, as the new centre of
    // the slider's range.
    void AnchorSlider();
    // The chart drawn anew: the band's path under the chain's, the steps' marks kept.
    void DrawChart();

    const TChartForm& main_;
    theory::TChain chain_;
    theory::TComplex load_;
    double anchor_ = 0; // the value the slider's range is set around
    double vf_ = 1;     // the velocity factor a line's length in mm was last typed with
    TDrawnGrid grid_;
    std::optional<TMeasuredChoice> measured_; // the file the load was read from, if any
    theory::TChainBand band_;
    TConstructionSteps steps_;
    TChainTuning tuning_{*this};
};

// A window's title for a saved or printed picture, and its results as text.
std::string ChainPictureTitle(const tk::TForm& form);
std::string ChainResultsText(const tk::TForm& form);

extern const char* const kChainLineMessage;
extern const char* const kChainValueMessage;
extern const char* const kOwnLineMessage;

} // namespace chart
