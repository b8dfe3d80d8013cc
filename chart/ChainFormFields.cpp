// The chain window's fields for what the selected element carries beside its value (its Q,
// a line's loss and its length in mm, chart/ChainFields.h), and the standard values put on
// every L and C at once.
#include "chart/ChainFields.h"
#include "chart/ChainForm.h"
#include "theory/StandardValues.h"

#include "toolkit/Exceptions.h"

namespace chart {

void TChainForm::EditSelected(const std::function<void(theory::TChainElement&)>& edit) {
    if (Selected() < 0) return;
    // A copy edited: a field that does not read leaves the element as it was.
    theory::TChainElement e = chain_.Elements[std::size_t(Selected())];
    edit(e);
    chain_.Elements[std::size_t(Selected())] = e;
    Refresh();
    AnchorSlider();
}

void TChainForm::ApplyElementField(void (*apply)(theory::TChainElement&, const tk::TEdit&),
                                   const tk::TEdit& field) {
    EditSelected([&](theory::TChainElement& e) { apply(e, field); });
}

void TChainForm::ApplyMillimetres() {
    EditSelected([&](theory::TChainElement& e) {
        vf_ = chart::ApplyMillimetres(e, *MillimetresEdit, *VfEdit, chain_.F0Hz);
    });
}

void TChainForm::ApplyStandardValues() {
    if (!(chain_.F0Hz > 0)) throw tk::Exception(kStandardFrequencyMessage);
    const theory::TSeries series = E96Button->Checked()   ? theory::TSeries::E96
                                   : E24Button->Checked() ? theory::TSeries::E24
                                                          : theory::TSeries::E12;
    const double before = theory::ReadingOf(theory::InputOhms(chain_, load_, 1), chain_.LineOhms).Vswr;
    chain_ = theory::OnStandardValues(chain_, series);
    const double after = theory::ReadingOf(theory::InputOhms(chain_, load_, 1), chain_.LineOhms).Vswr;
    StandardLabel->Caption = StandardVswrText(series, before, after);
    Refresh();
    AnchorSlider();
}

} // namespace chart
