#include "chart/ChainBandForm.h"

#include "chart/ChainBandPath.h"
#include "chart/ChainForm.h"

#include "toolkit/Application.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"

#include <memory>

namespace chart {

const char* const kBandLimitMessage = "Граница КСВ: число должно быть больше 1.";
const char* const kChainNoF0Note = "Частота f0 не задана:\nполоса только в долях f0.\n"
                                   "Задайте f0 в окне «Цепь»,\nчтобы видеть её в герцах.";

namespace {

using K = tk::TControlKind;

// The column on the left, the plot beside it, as in the methods' band window.
// clang-format off
constexpr tk::TControlDesc kControls[] = {
    // kind     name           parent   left top  width height caption          tab
    {K::Image,  "Picture",     nullptr,  216,   8, 700, 500, ""},
    {K::Label,  "LimitLabel",  nullptr,    8,  12,  90,  13, "Граница КСВ:"},
    {K::Edit,   "LimitEdit",   nullptr,  100,   8,  50,  21, "2",            0},
    {K::Button, "LimitButton", nullptr,  156,   6,  52,  25, "Задать",       1},
    {K::Label,  "NoteLabel",   nullptr,    8,  44, 200, 150, ""},
};

constexpr tk::TActionDesc kActions[] = {
    // caption                 keys                   what it does                    text
    {"Копировать рисунок",     tk::TShortcut::Copy,   tk::TActionKind::CopyPicture},
    {"Сохранить рисунок…",     tk::TShortcut::Save,   tk::TActionKind::SavePicture,   TChainBandForm::Title},
    {"Печать…",                tk::TShortcut::Print,  tk::TActionKind::PrintPicture,  TChainBandForm::Title},
};
// clang-format on

constexpr TBandScale Scale(double limit) {
    return {limit, true};
}

} // namespace

theory::TBandLoad TChainForm::BandLoad() const {
    theory::TBandLoad in;
    in.Load = load_;
    in.Line = {chain_.LineOhms, 0};
    if (measured_ && chain_.F0Hz > 0) {
        in.Model = theory::TLoadModel::Measured;
        in.Measured = &measured_->Load;
        in.F0Hz = chain_.F0Hz;
    }
    return in;
}

TChainBandForm::TChainBandForm(TChainForm& chain)
    : tk::TForm({"Полоса цепи", 924, 516, kControls, kActions}), chain_(&chain) {
    LimitEdit->Hint = "КСВ, в пределах которого считается полоса: 2, 1,5, 3.";
    LimitButton->OnClick = [this](tk::TObject*) { ApplyLimit(); };
    Picture->OnReadout = [this](tk::TPoint pixel) {
        return BandReadout(Plot(), f0Hz_, pixel, Picture->Canvas.Width(), Picture->Canvas.Height(),
                           Scale(limit_));
    };
    // Only the window that opens follows the chain: a second one, dropped by OpenWindow
    // because one is open already, never takes the chain's notice from it.
    OnCreate = [this](tk::TObject*) {
        following_ = true;
        chain_->OnChainChanged = [this] { Redraw(); };
        chain_->OnChainGone = [this] {
            following_ = false;
            chain_ = nullptr;
        };
        Redraw();
    };
    OnClose = [this](tk::TObject*) { Release(); };
}

TChainBandForm::~TChainBandForm() {
    Release();
}

void TChainBandForm::Release() {
    if (!following_) return;
    following_ = false;
    chain_->OnChainChanged = nullptr;
    chain_->OnChainGone = nullptr;
    chain_ = nullptr;
}

bool TChainBandForm::SameWindow(const tk::TForm& other) const {
    const auto* band = dynamic_cast<const TChainBandForm*>(&other);
    return band && band->chain_ == chain_;
}

void TChainBandForm::ApplyLimit() {
    const double limit = tk::ReadNumber(*LimitEdit, "Граница КСВ");
    if (!(limit > 1)) throw tk::Exception(kBandLimitMessage);
    limit_ = limit;
    Redraw();
}

void TChainBandForm::Redraw() {
    if (!chain_) return;
    const theory::TBandLoad load = chain_->BandLoad();
    // The chain window's own band has the usual limit: taken rather than swept again.
    band_ = limit_ == 2 ? chain_->Band() : theory::ChainBand(chain_->Chain(), load, limit_);
    f0Hz_ = chain_->Chain().F0Hz;
    if (load.Model == theory::TLoadModel::Measured)
        NoteLabel->Caption = band_.Ratio.empty() ? "В файле нет нагрузки на f0:\nполосы нет."
                                                 : "Нагрузка на каждой частоте —\nиз файла "
                                                   "измерений.";
    else
        NoteLabel->Caption =
            f0Hz_ > 0 ? "Нагрузка вне f0: R и L или C\nпоследовательно." : kChainNoF0Note;
    DrawBandPlot(Picture->Canvas, Plot(), f0Hz_, Scale(limit_));
}

TBandPlot TChainBandForm::Plot() const {
    return {band_.Ratio, {{&band_.Curve, "Вход цепи", "входа цепи", kBandFirstColor, 2}}};
}

std::string TChainBandForm::Title(const tk::TForm&) {
    return "КСВ цепи в полосе частот";
}

void OpenChainBandWindow(tk::TForm& chainForm) {
    auto& chain = dynamic_cast<TChainForm&>(chainForm);
    chainForm.Application->OpenWindow(std::make_unique<TChainBandForm>(chain));
}

} // namespace chart
