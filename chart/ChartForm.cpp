#include "chart/ChartForm.h"

#include "chart/AdmittanceGrid.h"
#include "chart/Grid.h"

#include "toolkit/Application.h"

namespace chart {

TChartForm::TChartForm(const tk::TFormDesc& desc, TChartState& state)
    : tk::TForm(desc), state_(state) {
    Label13->OnClick = [this](tk::TObject* sender) { Label13Click(sender); };
    Image1->Overlay = {DrawAdmittanceGrid, AdmittanceGridInk};
}

void TChartForm::Label13Click(tk::TObject*) {
    if (Application) Application->OpenURL(kAuthorPage);
}

TLoadPoint TChartForm::ShowLoadPoint() {
    const TLoadPoint load = PlanLoadPoint(ReadLoadInput(*Edit1, *Edit2, *Edit3, *Edit4));
    tk::TCanvas& c = Image1->Canvas;
    Label3->Caption = load.Caption();
    WipeChartDisc(c);
    DrawGrid(state_, c);
    FinishChart(); // wiped again, with everything beyond the rim, by the load's construction
    DrawLoadPoint(c, load);
    LeaveLoadPoint(state_, load);
    shownLoad_ = load.Typed.Exact;
    return load;
}

} // namespace chart
