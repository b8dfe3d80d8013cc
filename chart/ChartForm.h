// What both programs' windows share: the picture of the chart, the load and line fields,
// «Показать точку» with the normalised load under it, and the link to the chart's article.
// Each program adds its own controls between the button and the link.
#pragma once

#include "chart/AuthorPage.h"
#include "chart/ChartActions.h"
#include "chart/ChartState.h"
#include "chart/ConstructionSteps.h"
#include "chart/LoadPoint.h"
#include "chart/StepMarks.h"
#include "chart/StepsSource.h"
#include "measured/MeasuredLoad.h"

#include "toolkit/Controls.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace chart {

// A measured load and the frequency the Zн fields were filled at, with the texts written
// into them.
struct TMeasuredChoice {
    measured::TMeasuredLoad Load;
    double Hz = 0;
    std::string Re, Im;
};

namespace rows {

using K = tk::TControlKind;

// The chart's picture, 689 pixels high at (left, 8).
constexpr tk::TControlDesc Picture(int left, int width) {
    return {K::Image, "Image1", nullptr, left, 8, width, 689, ""};
}

// clang-format off
inline constexpr tk::TControlDesc kLoad[] = {
    // kind          name            parent       left top  width height caption                         tab
    {K::Label,       "Label1",       nullptr,       8,  16, 103,  13, "Zн=                        +j"},
    {K::Edit,        "Edit1",        nullptr,      34,  13,  63,  21, "0",                               0},
    {K::Edit,        "Edit2",        nullptr,     117,  13,  60,  21, "0",                               1},
    {K::Label,       "Label2",       nullptr,       8,  43, 103,  13, "Zв=                        +j"},
    {K::Edit,        "Edit3",        nullptr,      34,  40,  63,  21, "0",                               2},
    {K::Edit,        "Edit4",        nullptr,     117,  40,  60,  21, "0",                               3},
    {K::Label,       "Label3",       nullptr,       8,  80,  26,  13, "Zнн="},
    {K::Button,      "Button1",      nullptr,       8,  99, 169,  25, "Показать точку",                  4},
};
// clang-format on

constexpr tk::TControlDesc AuthorLink(int top, int width) {
    return {K::Label, "Label13", nullptr, 8, top, width, 13, kAuthorPage, -1, false, true};
}

// A whole window's rows: the picture, the load, the program's own rows, the link.
template <std::size_t N>
constexpr auto Window(tk::TControlDesc picture, const tk::TControlDesc (&own)[N],
                      tk::TControlDesc link) {
    std::array<tk::TControlDesc, N + std::size(kLoad) + 2> all{};
    std::size_t i = 0;
    all[i++] = picture;
    for (const tk::TControlDesc& d : kLoad)
        all[i++] = d;
    for (const tk::TControlDesc& d : own)
        all[i++] = d;
    all[i] = link;
    return all;
}

} // namespace rows

// Both windows' title and size; a program may add rows of its own to the chart's actions.
template <std::size_t N>
constexpr tk::TFormDesc ChartFormDesc(const std::array<tk::TControlDesc, N>& all,
                                      std::span<const tk::TActionDesc> actions = kChartActions) {
    return {"Диаграмма сопротивлений", 1016, 734, all, actions};
}

// The shared controls of a window built from rows::Window, and the link's click. Each
// control is bound by the name its row gives it; a name without a row stops the window's
// construction.
class TChartForm : public tk::TForm, public TStepsSource {
  public:
    tk::TImage* const Image1 = Get<tk::TImage>("Image1");
    tk::TLabel* const Label1 = Get<tk::TLabel>("Label1");
    tk::TEdit* const Edit1 = Get<tk::TEdit>("Edit1");
    tk::TEdit* const Edit2 = Get<tk::TEdit>("Edit2");
    tk::TLabel* const Label2 = Get<tk::TLabel>("Label2");
    tk::TEdit* const Edit3 = Get<tk::TEdit>("Edit3");
    tk::TEdit* const Edit4 = Get<tk::TEdit>("Edit4");
    tk::TLabel* const Label3 = Get<tk::TLabel>("Label3");
    tk::TButton* const Button1 = Get<tk::TButton>("Button1");
    tk::TLabel* const Label13 = Get<tk::TLabel>("Label13");

    // The load and its line as a user types them into Zн and Zв: "100", "50", "50", "0".
    void TypeLoad(const std::string& re, const std::string& im, const std::string& lineRe,
                  const std::string& lineIm);
    // Zн and Zв read as «Показать точку» reads them; a bad field raises its message.
    TLoadInput ReadLoad() const { return ReadLoadInput(*Edit1, *Edit2, *Edit3, *Edit4); }
    // «Показать точку» pressed, and the chart's picture it draws on.
    void ShowPoint() { Button1Click(Button1); }
    tk::TCanvas& ChartCanvas() const { return Image1->Canvas; }
    // Zн's parts, then Zв's, in the order TypeLoad takes them.
    std::array<tk::TEdit*, 4> LoadFields() const { return {Edit1, Edit2, Edit3, Edit4}; }

    // Opens the chart's article in the desktop's browser.
    void Label13Click(tk::TObject* Sender);
    // The handlers each program's window has by design, bound here to the form's creation
    // and to «Показать точку»; the program binds its second button itself.
    virtual void FormCreate(tk::TObject* Sender) = 0;
    virtual void Button1Click(tk::TObject* Sender) = 0;

    // A pixel of the chart taken as the load: its Z = z·Zв, with Zв read from its fields as
    // «Показать точку» reads them and Z written with the readout's digits (pixel (460, 230)
    // on a 50 Ом line writes 50 and 50), goes into the load fields, and «Показать точку»
    // shows it. A Zв that does not read, a pixel beyond the rim or at the open circuit,
    // raise their message with nothing changed; so does a point the button refuses, its
    // fields put back.
    void PickPixel(tk::TPoint pixel);

    // The load and line of the point last shown, as typed; zero before the first. The
    // second buttons' exact answers start from them, as the chart starts from its state.
    const TTypedLoad& ShownLoad() const { return shownLoad_; }
    // Records the load a point stands for, as «Показать точку» does; a point placed on the
    // chart's state straight away (as tests place one on a pixel) records its own.
    void RecordShownLoad(const TTypedLoad& load) { shownLoad_ = load; }

    // The measurement the Zн fields hold a point of: only while they still hold the texts
    // written from it, so a load typed over it is a load of its own.
    const TMeasuredChoice* Measured() const {
        return measured_ && Edit1->Text == measured_->Re && Edit2->Text == measured_->Im
                   ? &*measured_
                   : nullptr;
    }
    void SetMeasured(TMeasuredChoice choice) { measured_ = std::move(choice); }

    // The last construction step by step: the load's steps from «Показать точку», then
    // those of the program's second button last pressed since; empty before the first. A
    // press that is refused leaves them as they were.
    const TConstructionSteps& Steps() const override { return steps_; }
    tk::TImage& StepsPicture() override { return *Image1; }

  protected:
    TChartForm(const tk::TFormDesc& desc, TChartState& state);

    // The start of both programs' «Показать точку», step by step: the load read and
    // planned (a bad field or a load that cannot be drawn stops it before anything
    // changes), Label3, the chart drawn afresh with the program's finishing routine, the
    // load's construction over it, and the shared state it leaves. The program's own
    // steps follow, from the plan it returns. `marks` notes the load's steps on the canvas.
    TLoadPoint ShowLoadPoint(TStepMarks& marks);

    // A handler's steps, once all it draws is drawn: the load's start the list afresh, the
    // second button's follow the load's (in place of an earlier press's), whose places
    // move back by what the handler drew.
    void KeepSteps(const TStepMarks& marks, TConstructionSteps texts, bool afresh);

    // The program's finishing routine (its legend or ruler), which ends every drawing of
    // the bare chart.
    virtual void FinishChart() = 0;

    TChartState& state_;

  private:
    TTypedLoad shownLoad_;
    std::optional<TMeasuredChoice> measured_;
    TConstructionSteps steps_;
    std::size_t loadSteps_ = 0; // the first steps_, from «Показать точку»
};

// The pixels that cannot be taken as the load.
extern const char* const kPickBeyondRimMessage;
extern const char* const kPickOpenCircuitMessage;

} // namespace chart
