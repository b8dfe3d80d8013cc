#include "chart/ChainForm.h"

#include "chart/AdmittanceGrid.h"
#include "chart/ChainAddress.h"
#include "chart/ChainBandForm.h"
#include "chart/ChainChart.h"
#include "chart/ChainFields.h"
#include "chart/ChainFiles.h"
#include "chart/ChainRows.h"
#include "chart/ChainSteps.h"
#include "chart/ExactText.h"
#include "chart/LoadPoint.h"
#include "chart/Readout.h"
#include "chart/StepMarks.h"

#include "toolkit/Application.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"

#include <memory>
#include <utility>

namespace chart {

const char* const kChainLineMessage =
    "Цепь рассчитывается на линии с вещественным Zв: задайте реактивную часть Zв равной 0.";
const char* const kChainValueMessage = "число должно быть больше нуля.";
const char* const kOwnLineMessage =
    "Своё Zв бывает только у отрезка линии и у шлейфа: выберите в списке один из них.";

namespace {

using K = tk::TControlKind;

// clang-format off
constexpr tk::TControlDesc kControls[] = {
    // kind          name                parent   left top  width height caption                tab
    {K::Label,       "LoadLabel",        nullptr,   8,  12, 400,  13, ""},
    {K::Button,      "ReloadButton",     nullptr, 538,   6, 170,  25, "Нагрузка из главного окна", 0},
    {K::Label,       "FrequencyLabel",   nullptr,   8,  44,  60,  13, "f0, МГц:"},
    {K::Edit,        "FrequencyEdit",    nullptr,  72,  40,  80,  21, "",                      1},
    {K::Button,      "FrequencyButton",  nullptr, 160,  38, 110,  25, "Задать частоту",        2},
    {K::Label,       "FrequencyNote",    nullptr, 278,  44, 430,  13, "Без частоты L и C задаются в Ом"},
    {K::Label,       "KindLabel",        nullptr,   8,  74, 200,  13, "Вид элемента:"},
    {K::RowList,     "KindList",         nullptr,   8,  90, 200, 215, "Вид",                   3},
    {K::Button,      "AddButton",        nullptr, 216,  90, 130,  25, "Добавить",              4},
    {K::Button,      "KindButton",       nullptr, 216, 120, 130,  25, "Сменить вид",           5},
    {K::Button,      "RemoveButton",     nullptr, 216, 150, 130,  25, "Удалить",               6},
    {K::Button,      "UpButton",         nullptr, 216, 180, 130,  25, "Выше",                  7},
    {K::Button,      "DownButton",       nullptr, 216, 210, 130,  25, "Ниже",                  8},
    {K::Label,       "ListLabel",        nullptr,   8, 314, 700,  13, "От нагрузки к генератору; в строке элемента — узел после него:"},
    {K::RowList,     "ElementList",      nullptr,   8, 330, 700, 200,
     "№\tЭлемент\tЗначение\tz\ty\tZ, Ом\t|Г|\tКСВ\tОП, дБ\tQ",                                9},
    {K::SliderValue, "ValueSlider",      nullptr,   8, 538, 700,  24, "",                      10},
    {K::Label,       "ValueLabel",       nullptr,   8, 574,  60,  13, "Значение:"},
    {K::Edit,        "ValueEdit",        nullptr,  72, 570,  90,  21, "",                      11},
    {K::Label,       "ValueUnitLabel",   nullptr, 168, 574,  40,  13, ""},
    {K::Button,      "ValueButton",      nullptr, 216, 568,  90,  25, "Задать",                12},
    {K::Label,       "OwnLineLabel",     nullptr, 316, 574,  50,  13, "Zв, Ом:"},
    {K::Edit,        "OwnLineEdit",      nullptr, 366, 570,  60,  21, "",                      13},
    {K::Button,      "OwnLineButton",    nullptr, 432, 568, 125,  25, "Задать Zв отрезка",     14},
    {K::Label,       "SelectedLabel",    nullptr, 356,  74, 352,  13, "У выбранного элемента:"},
    {K::Label,       "QLabel",           nullptr, 356,  98, 110,  13, "Q при f0:"},
    {K::Edit,        "QEdit",            nullptr, 470,  94,  70,  21, "",                      15},
    {K::Button,      "QButton",          nullptr, 548,  92, 160,  25, "Задать Q",              16},
    {K::Label,       "LossLabel",        nullptr, 356, 128, 110,  13, "Потери, дБ/λ:"},
    {K::Edit,        "LossEdit",         nullptr, 470, 124,  70,  21, "",                      17},
    {K::Button,      "LossButton",       nullptr, 548, 122, 160,  25, "Задать потери",         18},
    {K::Label,       "MillimetresLabel", nullptr, 356, 158, 110,  13, "Длина, мм:"},
    {K::Edit,        "MillimetresEdit",  nullptr, 470, 154,  70,  21, "",                      19},
    {K::Label,       "VfLabel",          nullptr, 356, 188, 110,  13, "Коэф. укорочения:"},
    {K::Edit,        "VfEdit",           nullptr, 470, 184,  70,  21, "",                      20},
    {K::Button,      "MillimetresButton", nullptr, 548, 182, 160, 25, "Задать длину в мм",     21},
    {K::RadioButton, "E12Button",        nullptr, 356, 226,  50,  17, "E12",                   22, true},
    {K::RadioButton, "E24Button",        nullptr, 410, 226,  50,  17, "E24",                   23},
    {K::RadioButton, "E96Button",        nullptr, 464, 226,  50,  17, "E96",                   24},
    {K::Button,      "StandardButton",   nullptr, 548, 222, 160,  25, "Стандартные значения",  25},
    {K::Label,       "StandardLabel",    nullptr, 356, 256, 352,  13, ""},
    {K::Label,       "InputLabel",       nullptr,   8, 606, 700,  20, ""},
    {K::Label,       "InputDetailLabel", nullptr,   8, 632, 700,  20, ""},
    {K::Label,       "KeysLabel",        nullptr,   8, 668, 700,  13, "Стрелки и колесо меняют значение точно, PageUp, PageDown и Ctrl+колесо — грубо; узел на диаграмме тянется мышью."},
    {K::Image,       "Picture",          nullptr, 716,   8, kChainChartWidth, kChainChartHeight, "", 26},
};

constexpr tk::TActionDesc kActions[] = {
    // caption                 keys                   what it does                    text
    {"Копировать рисунок",     tk::TShortcut::Copy,   tk::TActionKind::CopyPicture},
    {"Сохранить рисунок…",     tk::TShortcut::Save,   tk::TActionKind::SavePicture,   ChainPictureTitle},
    {"Печать…",                tk::TShortcut::Print,  tk::TActionKind::PrintPicture,  ChainPictureTitle},
    {"Копировать результаты",  tk::TShortcut::None,   tk::TActionKind::CopyText,      ChainResultsText},
    {"Сетка проводимостей",    tk::TShortcut::Overlay, tk::TActionKind::ToggleOverlay},
    {"Полоса…",                tk::TShortcut::Band,   tk::TActionKind::Command,       nullptr, OpenChainBandWindow},
    {"Построение по шагам",    tk::TShortcut::Steps,  tk::TActionKind::Command,       nullptr, OpenChainStepsWindow},
    {"Открыть цепь…",          tk::TShortcut::Open,   tk::TActionKind::Command,       nullptr, OpenChainFile},
    {"Сохранить цепь…",        tk::TShortcut::None,   tk::TActionKind::Command,       nullptr, SaveChainFile},
    {"Экспорт в Touchstone (.s2p)…", tk::TShortcut::None, tk::TActionKind::Command,   nullptr, ExportChainTouchstone},
};
// clang-format on

constexpr int kInputFontSize = 11;


// The number a field holds, above zero.
double ReadPositive(const tk::TEdit& edit, std::string_view field) {
    const double v = tk::ReadNumber(edit, field);
    if (!(v > 0)) throw tk::Exception(std::string(field) + ": " + kChainValueMessage);
    return v;
}

} // namespace

TChainStart ReadChainStart(const TChartForm& main) {
    const TLoadPoint load = PlanLoadPoint(main.ReadLoad());
    if (load.Typed.Exact.Line.imag() != 0) throw tk::Exception(kChainLineMessage);
    TChainStart start{load.Typed.Exact.Load, load.Typed.Exact.Line.real()};
    if (const TMeasuredChoice* m = main.Measured()) start.F0Hz = m->Hz;
    return start;
}

TChainForm::TChainForm(const TChartForm& main, const TChainStart& start)
    : tk::TForm({"Цепь", 1531, 705, kControls, kActions}), main_(main) {
    std::vector<tk::TRowList::TRow> kinds;
    for (const TChainKindChoice& k : ChainKindChoices())
        kinds.push_back({k.Caption});
    KindList->SetRows(std::move(kinds));
    KindList->SetItemIndex(0);
    ValueSlider->SetRange(0, kSliderSteps);
    ValueSlider->LargeStep = 25;
    InputLabel->Font.Size = kInputFontSize;
    InputDetailLabel->Font.Size = kInputFontSize;
    Picture->Overlay = {DrawAdmittanceGrid, AdmittanceGridInk};
    Picture->ReadingStart = {ChartCenterX, ChartCenterY};
    Picture->OnReadout = [this](tk::TPoint pixel) {
        return ReadoutText(ReadPixel(pixel, theory::TComplex(chain_.LineOhms, 0)));
    };
    ReloadButton->OnClick = [this](tk::TObject*) { Reload(); };
    FrequencyButton->OnClick = [this](tk::TObject*) { ApplyFrequency(); };
    AddButton->OnClick = [this](tk::TObject*) { Add(); };
    KindButton->OnClick = [this](tk::TObject*) { KindChange(); };
    RemoveButton->OnClick = [this](tk::TObject*) { Remove(); };
    UpButton->OnClick = [this](tk::TObject*) { Move(-1); };
    DownButton->OnClick = [this](tk::TObject*) { Move(1); };
    ValueButton->OnClick = [this](tk::TObject*) { ApplyValue(); };
    OwnLineButton->OnClick = [this](tk::TObject*) { ApplyOwnLine(); };
    QButton->OnClick = [this](tk::TObject*) { ApplyElementField(&ApplyQ, *QEdit); };
    LossButton->OnClick = [this](tk::TObject*) { ApplyElementField(&ApplyLoss, *LossEdit); };
    MillimetresButton->OnClick = [this](tk::TObject*) { ApplyMillimetres(); };
    StandardButton->OnClick = [this](tk::TObject*) { ApplyStandardValues(); };
    VfEdit->Text = ShortNumber(vf_);
    // The number is short; the element, its value and the node's z, y and Z the long texts.
    ElementList->SetColumnShares({3, 12, 8, 9, 9, 9, 6, 6, 6, 5});
    ElementList->OnChange = [this](tk::TObject*) { AnchorSlider(); };
    ValueSlider->OnChange = [this](tk::TObject*) { Slide(); };
    tuning_.Hook();
    Start(start);
}

void TChainForm::Start(const TChainStart& start) {
    load_ = start.LoadOhms;
    chain_.LineOhms = start.LineOhms;
    if (start.F0Hz > 0) {
        chain_.F0Hz = start.F0Hz;
        FrequencyEdit->Text = ShortNumber(start.F0Hz / 1e6);
    }
    const TMeasuredChoice* m = main_.Measured();
    measured_ = m && start.F0Hz > 0 ? std::optional<TMeasuredChoice>(*m) : std::nullopt;
    LoadLabel->Caption = ChainLoadCaption(load_, chain_.LineOhms);
    Refresh();
    AnchorSlider();
}

void TChainForm::TakeChain(const TChainStart& start, const theory::TChain& chain, double vf) {
    chain_ = chain;
    if (vf > 0) VfEdit->Text = ShortNumber(vf_ = vf);
    FrequencyEdit->Text = chain.F0Hz > 0 ? ShortNumber(chain.F0Hz / 1e6) : "";
    Start({start.LoadOhms, start.LineOhms, chain.F0Hz});
    ElementList->SetItemIndex(chain_.Elements.empty() ? 0 : 1);
    AnchorSlider();
}

void TChainForm::Reload() {
    Start(ReadChainStart(main_));
}

void TChainForm::ApplyFrequency() {
    const bool none = FrequencyEdit->Text.find_first_not_of(' ') == std::string::npos;
    chain_.F0Hz = none ? 0 : ReadPositive(*FrequencyEdit, "f0, МГц") * 1e6;
    Refresh();
    AnchorSlider();
}

void TChainForm::Add() {
    const int kind = std::max(0, KindList->ItemIndex());
    const std::size_t at = std::size_t(Selected() + 1);
    auto& elements = chain_.Elements;
    elements.insert(elements.begin() + std::ptrdiff_t(std::min(at, elements.size())),
                    ChainKindChoices()[std::size_t(kind)].Make(chain_.LineOhms));
    Refresh();
    ElementList->SetItemIndex(int(std::min(at, elements.size() - 1)) + 1);
    AnchorSlider();
}

void TChainForm::KindChange() {
    if (Selected() < 0) return;
    const int kind = std::max(0, KindList->ItemIndex());
    theory::TChainElement& e = chain_.Elements[std::size_t(Selected())];
    e = WithKindOf(e, ChainKindChoices()[std::size_t(kind)].Make(chain_.LineOhms));
    Refresh();
    AnchorSlider();
}

void TChainForm::Remove() {
    if (Selected() < 0) return;
    const int row = ElementList->ItemIndex();
    chain_.Elements.erase(chain_.Elements.begin() + Selected());
    Refresh();
    ElementList->SetItemIndex(std::min(row, int(chain_.Elements.size())));
    AnchorSlider();
}

void TChainForm::Move(int by) {
    const int from = Selected(), to = from + by;
    if (from < 0 || to < 0 || to >= int(chain_.Elements.size())) return;
    std::swap(chain_.Elements[std::size_t(from)], chain_.Elements[std::size_t(to)]);
    Refresh();
    ElementList->SetItemIndex(to + 1);
    AnchorSlider();
}

void TChainForm::ApplyValue() {
    EditSelected([&](theory::TChainElement& e) {
        e.Value = ValueFromShown(e, ReadPositive(*ValueEdit, "Значение"), chain_.F0Hz);
    });
}

void TChainForm::ApplyOwnLine() {
    EditSelected([&](theory::TChainElement& e) {
        if (e.Kind != theory::TChainKind::Line && e.Kind != theory::TChainKind::Stub)
            throw tk::Exception(kOwnLineMessage);
        const bool none = OwnLineEdit->Text.find_first_not_of(' ') == std::string::npos;
        e.Z0 = none ? 0 : ReadPositive(*OwnLineEdit, "Zв отрезка");
    });
}

void TChainForm::Slide() {
    if (Selected() < 0) return;
    theory::TChainElement& e = chain_.Elements[std::size_t(Selected())];
    const double v = SliderValue(e, anchor_, ValueSlider->Position());
    if (!(v > 0)) return; // a line of no length is no element: the slider's end stops short
    e.Value = v;
    ValueEdit->Text = ShortNumber(ShownValue(e, chain_.F0Hz));
    ValueSlider->Caption = ElementName(e) + " = " + ValueText(e, chain_.F0Hz);
    Refresh();
}

void TChainForm::SelectElement(int element) {
    if (element == Selected()) return;
    ElementList->SetItemIndex(element + 1);
    AnchorSlider();
}

void TChainForm::Tune(double value) {
    if (Selected() < 0) return;
    theory::TChainElement& e = chain_.Elements[std::size_t(Selected())];
    e.Value = value;
    ValueSlider->SetPosition(SliderPosition(e, anchor_, value));
    ValueEdit->Text = ShortNumber(ShownValue(e, chain_.F0Hz));
    ValueSlider->Caption = ElementName(e) + " = " + ValueText(e, chain_.F0Hz);
    Refresh();
}

void TChainForm::AnchorSlider() {
    if (Selected() < 0) {
        ValueSlider->Caption = "Выберите элемент в списке";
        ValueUnitLabel->Caption = "";
        return;
    }
    const theory::TChainElement& e = chain_.Elements[std::size_t(Selected())];
    anchor_ = e.Value;
    ValueSlider->SetPosition(SliderPosition(e, anchor_, e.Value));
    ValueSlider->Caption = ElementName(e) + " = " + ValueText(e, chain_.F0Hz);
    ValueEdit->Text = ShortNumber(ShownValue(e, chain_.F0Hz));
    ValueUnitLabel->Caption = ValueUnit(e, chain_.F0Hz);
    OwnLineEdit->Text = e.Z0 > 0 ? ShortNumber(e.Z0) : "";
    const TFieldTexts fields = FieldTexts(e, chain_.F0Hz, vf_);
    QEdit->Text = fields.Q;
    LossEdit->Text = fields.Loss;
    MillimetresEdit->Text = fields.Millimetres;
}

void TChainForm::Refresh() {
    const std::vector<theory::TComplex> nodes = theory::NodeOhms(chain_, load_, 1);
    std::vector<tk::TRowList::TRow> rows;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        tk::TRowList::TRow row{std::to_string(i)};
        if (i == 0) {
            row.insert(row.end(), {"Нагрузка", ShortComplex(load_) + " Ом"});
        } else {
            const theory::TChainElement& e = chain_.Elements[i - 1];
            row.insert(row.end(), {ElementName(e), ValueText(e, chain_.F0Hz)});
        }
        for (std::string& c : ReadingColumns(theory::ReadingOf(nodes[i], chain_.LineOhms)))
            row.push_back(std::move(c));
        rows.push_back(std::move(row));
    }
    ElementList->SetRows(std::move(rows));
    const theory::TNodeReading input = theory::ReadingOf(nodes.back(), chain_.LineOhms);
    InputLabel->Caption = InputMainText(input);
    InputDetailLabel->Caption = InputDetailText(input);
    DrawChart();
    if (OnStepsChanged) OnStepsChanged();
    if (OnChainChanged) OnChainChanged();
    if (Application) Application->SetAddress(ChainAddress(chain_, load_));
}

void TChainForm::DrawChart() {
    band_ = theory::ChainBand(chain_, BandLoad());
    TStepMarks marks(Picture->Canvas);
    DrawChainChart(grid_, Picture->Canvas, chain_, load_, &band_, &marks);
    steps_ = marks.Placed(ChainStepTexts(chain_, load_));
}

std::string ChainPictureTitle(const tk::TForm& form) {
    const auto& f = dynamic_cast<const TChainForm&>(form);
    return ChainChartTitle(f.LoadOhms(), f.Chain().LineOhms);
}

std::string ChainResultsText(const tk::TForm& form) {
    const auto& f = dynamic_cast<const TChainForm&>(form);
    std::string text = "Цепь, " + ChainLoadCaption(f.LoadOhms(), f.Chain().LineOhms) + "\n";
    const auto& rows = f.ElementList->Rows();
    const auto& heads = f.ElementList->Columns();
    for (const tk::TRowList::TRow& row : rows) {
        text += row[0] + ". " + row[1] + " " + row[2] + ":";
        for (std::size_t k = 3; k < row.size() && k < heads.size(); ++k)
            text += (k == 3 ? " " : ", ") + heads[k] + " = " + row[k];
        text += "\n";
    }
    return text + f.InputLabel->Caption + "\n" + f.InputDetailLabel->Caption + "\n";
}

void OpenChainWindow(tk::TForm& chartForm) {
    const auto& main = dynamic_cast<const TChartForm&>(chartForm);
    const TChainStart start = ReadChainStart(main);
    chartForm.Application->OpenWindow(std::make_unique<TChainForm>(main, start));
}

} // namespace chart
