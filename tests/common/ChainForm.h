// A small form with a list of rows and a slider, as a chain of elements tuned live: the
// slider's handler writes its value beside it and into the selected row; the list's
// handler counts its changes. Every binding's tests show it.
#pragma once

#include "toolkit/Application.h"

#include <string>

namespace testing_common {

inline constexpr tk::TControlDesc kChainControls[] = {
    {tk::TControlKind::RowList, "Chain", nullptr, 8, 8, 300, 120, "Элемент\tЗначение", 0},
    {tk::TControlKind::SliderValue, "Tune", nullptr, 8, 140, 300, 24, "", 1},
};

class TChainForm : public tk::TForm {
  public:
    TChainForm() : TForm({"Цепочка", 320, 180, kChainControls}) {
        OnCreate = [this](tk::TObject*) {
            List().SetRows({{"C1", "2,2 пФ"}, {"L1", "15 нГн"}, {"C2", "1 пФ"}});
            Slider().SetRange(0, 1000);
            Slider().SetPosition(220);
            Slider().LargeStep = 100;
        };
        List().OnChange = [this](tk::TObject*) { ++ListChanges; };
        Slider().OnChange = [this](tk::TObject*) {
            Slider().Caption = std::to_string(Slider().Position());
            if (List().ItemIndex() < 0) return;
            auto rows = List().Rows();
            rows[std::size_t(List().ItemIndex())][1] = Slider().Caption;
            List().SetRows(rows);
        };
    }
    tk::TRowList& List() const { return *Get<tk::TRowList>("Chain"); }
    tk::TSliderValue& Slider() const { return *Get<tk::TSliderValue>("Tune"); }
    int ListChanges = 0;
};

} // namespace testing_common
