// zmatch's band window: how a match holds off its frequency, КСВ against f/f0, with the
// load's model off f0 to choose and f0 to name. Opened beside the chart by «Полоса
// согласования…» (Ctrl+B) after «Согласовать», for the chart's answer and the exact first
// and second solutions; from the methods window, for the solutions of its method. Opened
// again, the same window shows the newer match.
#pragma once

#include "chart/BandPlot.h"
#include "chart/ChartForm.h"
#include "theory/BandResponse.h"
#include "toolkit/Controls.h"

#include <optional>
#include <string>
#include <vector>

namespace zmatch {

// One curve of the window: a network built for the load, named in the legend and the readout,
// in its colour and pen's width.
struct TBandCurveSource {
    std::string Name, ReadoutName;
    tk::TColor Color;
    int Width = 2;
    theory::TNetwork Network;
};

// What the window plots: the load and its line (the model, the measurement and f0 are the
// window's to set), the matchings as the chart and line theory made them, and the measurement
// the load was read from, when it was.
struct TBandSource {
    theory::TBandLoad Load;
    std::vector<TBandCurveSource> Curves;
    std::optional<chart::TMeasuredChoice> Measured;
};

class TBandForm : public tk::TForm {
  public:
    TBandForm();

    tk::TImage* const Picture = Get<tk::TImage>("Picture");
    tk::TGroupBox* const ModelBox = Get<tk::TGroupBox>("ModelBox");
    tk::TRadioButton* const SeriesModelButton = Get<tk::TRadioButton>("SeriesModelButton");
    tk::TRadioButton* const ConstantModelButton = Get<tk::TRadioButton>("ConstantModelButton");
    tk::TRadioButton* const MeasuredModelButton = Get<tk::TRadioButton>("MeasuredModelButton");
    tk::TLabel* const F0Label = Get<tk::TLabel>("F0Label");
    tk::TEdit* const F0Edit = Get<tk::TEdit>("F0Edit");
    tk::TButton* const DrawButton = Get<tk::TButton>("DrawButton");

    // Takes a new match and plots it; a measurement brings its own f0 and the choice of
    // the measured model, which is taken when it comes.
    void ShowMatch(TBandSource source);
    // The plot anew from the model chosen and the f0 field: a field that does not read
    // raises its message with nothing changed. Empty: f0 not known, the plot in f/f0.
    void Redraw();

    const theory::TNetworksResponse& Response() const { return response_; }
    double F0Hz() const { return f0Hz_; }
    // What the plot shows, its curves named as the source names them.
    chart::TBandPlot Plot() const;
    // The title of a saved or printed plot.
    static std::string Title(const tk::TForm& form);

  private:
    TBandSource source_;
    theory::TNetworksResponse response_;
    double f0Hz_ = 0;
};

// «Полоса согласования…»: the band window of the chart form's last match, beside it.
// Before any match the error box says to press «Согласовать» first.
void OpenBandWindow(tk::TForm& chartForm);
// The band window showing `source` (opened, or the open one raised), from any window's menu.
void ShowBand(tk::TForm& from, TBandSource source);

extern const char* const kNoMatchForBandMessage;

} // namespace zmatch
