// The chain's band window, beside the chain window (Ctrl+B there): КСВ at the chain's input
// across the band, with the return loss in dB as a second scale and in the readout
// (chart/BandPlot.h), and the band where КСВ stays within a limit, 2 or as typed. The band
// is 0,5 .. 1,5 f0, or the measured file's own frequencies with its load at each
// (TChainForm::BandLoad, theory/ChainBand.h). It follows every change of the chain window at
// once; without f0 a label says the band is in f / f0 alone and how to give f0.
#pragma once

#include "chart/BandPlot.h"
#include "theory/ChainBand.h"

#include "toolkit/Controls.h"

#include <string>

namespace chart {

class TChainForm;

class TChainBandForm : public tk::TForm {
  public:
    explicit TChainBandForm(TChainForm& chain);
    // One band window a chain window.
    bool SameWindow(const tk::TForm& other) const override;
    ~TChainBandForm() override;
    TChainBandForm(const TChainBandForm&) = delete;
    TChainBandForm& operator=(const TChainBandForm&) = delete;

    tk::TImage* const Picture = Get<tk::TImage>("Picture");
    tk::TEdit* const LimitEdit = Get<tk::TEdit>("LimitEdit");
    tk::TButton* const LimitButton = Get<tk::TButton>("LimitButton");
    tk::TLabel* const NoteLabel = Get<tk::TLabel>("NoteLabel");

    // LimitEdit read as the КСВ the band keeps within (above 1); a text that does not read
    // raises its message with nothing changed.
    void ApplyLimit();
    // The band of the chain as it is now, plotted.
    void Redraw();

    const theory::TChainBand& Band() const { return band_; }
    double Limit() const { return limit_; }
    double F0Hz() const { return f0Hz_; }
    TBandPlot Plot() const;
    static std::string Title(const tk::TForm& form);

  private:
    void Release();

    TChainForm* chain_;
    bool following_ = false; // since the window opened
    theory::TChainBand band_;
    double limit_ = 2;
    double f0Hz_ = 0;
};

// «Полоса…» in the chain window: its band window, opened or raised.
void OpenChainBandWindow(tk::TForm& chainForm);

extern const char* const kBandLimitMessage;
extern const char* const kChainNoF0Note;

} // namespace chart
