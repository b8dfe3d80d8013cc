#include "chart/ChartForm.h"

#include "chart/AdmittanceGrid.h"
#include "chart/FieldNames.h"
#include "chart/Grid.h"
#include "chart/Readout.h"
#include "toolkit/ReadNumber.h"

#include "toolkit/Application.h"

namespace chart {

const char* const kPickBeyondRimMessage =
    "Эта точка лежит за окружностью |Г| = 1, вне диаграммы: нагрузки с положительным "
    "активным сопротивлением там нет. Выберите точку внутри круга.";
const char* const kPickOpenCircuitMessage =
    "Эта точка — холостой ход (Г = 1): сопротивление нагрузки в ней бесконечно, записать его "
    "в поля Zн нельзя. Выберите точку рядом с ней.";

TChartForm::TChartForm(const tk::TFormDesc& desc, TChartState& state)
    : tk::TForm(desc), state_(state) {
    OnCreate = [this](tk::TObject* sender) { FormCreate(sender); };
    Button1->OnClick = [this](tk::TObject* sender) { Button1Click(sender); };
    Label13->OnClick = [this](tk::TObject* sender) { Label13Click(sender); };
    // The readout's Z is on the line of the load shown, which the chart is drawn for.
    Image1->OnReadout = [this](tk::TPoint pixel) {
        return ReadoutText(
            ReadPixel(pixel, state_.LoadShown() ? std::optional(state_.ZLine) : std::nullopt));
    };
    Image1->ReadingStart = {ChartCenterX, ChartCenterY};
    Image1->OnPick = [this](tk::TPoint pixel) { PickPixel(pixel); };
    Image1->Overlay = {DrawAdmittanceGrid, AdmittanceGridInk};
}

void TChartForm::TypeLoad(const std::string& re, const std::string& im, const std::string& lineRe,
                          const std::string& lineIm) {
    Edit1->Text = re;
    Edit2->Text = im;
    Edit3->Text = lineRe;
    Edit4->Text = lineIm;
}

void TChartForm::Label13Click(tk::TObject*) {
    if (Application) Application->OpenURL(kAuthorPage);
}

void TChartForm::PickPixel(tk::TPoint pixel) {
    const TReadout bare = ReadPixel(pixel);
    if (bare.Place != TReadPlace::Disc) throw tk::Exception(kPickBeyondRimMessage);
    if (!bare.Z.Finite()) throw tk::Exception(kPickOpenCircuitMessage);
    const tk::TStoredNumber rv = tk::ReadStored(*Edit3, field::LineR),
                            xv = tk::ReadStored(*Edit4, field::LineX);
    CheckLineResistance(rv.Stored);

    const TComplexSpread z = *ReadPixel(pixel, theory::TComplex(rv.Typed, xv.Typed)).Ohms;
    const std::string typedR = Edit1->Text, typedX = Edit2->Text;
    Edit1->Text = PickedNumber(z.Re, z.Decimals);
    Edit2->Text = PickedNumber(z.Im, z.Decimals);
    try {
        if (Button1->OnClick) Button1->OnClick(Button1);
    } catch (...) {
        Edit1->Text = typedR;
        Edit2->Text = typedX;
        throw;
    }
}

TLoadPoint TChartForm::ShowLoadPoint(TStepMarks& marks) {
    const TLoadPoint load = PlanLoadPoint(ReadLoadInput(*Edit1, *Edit2, *Edit3, *Edit4));
    // The fields' tooltips tell where a measured load came from only while they hold it.
    if (!Measured()) Edit1->Hint = Edit2->Hint = "";
    tk::TCanvas& c = Image1->Canvas;
    Label3->Caption = load.Caption();
    WipeChartDisc(c);
    DrawGrid(state_, c);
    FinishChart(); // wiped again, with everything beyond the rim, by the load's construction
    DrawLoadPoint(c, load, marks);
    LeaveLoadPoint(state_, load);
    RecordShownLoad(load.Typed.Exact);
    return load;
}

void TChartForm::KeepSteps(const TStepMarks& marks, TConstructionSteps texts, bool afresh) {
    TConstructionSteps placed = marks.Placed(std::move(texts));
    if (afresh) {
        steps_ = std::move(placed);
        loadSteps_ = steps_.size();
    } else {
        steps_.resize(loadSteps_);
        for (TConstructionStep& step : steps_)
            step.EndFromRecordEnd += marks.Drawn();
        steps_.insert(steps_.end(), placed.begin(), placed.end());
    }
    if (OnStepsChanged) OnStepsChanged();
}

} // namespace chart
