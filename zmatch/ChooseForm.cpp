#include "zmatch/ChooseForm.h"

#include "zmatch/ChoiceRows.h"
#include "zmatch/ChooseAsk.h"
#include "zmatch/MethodChain.h"

#include "chart/ChainBandForm.h"
#include "chart/ChainChart.h"
#include "chart/ChainFiles.h"
#include "chart/ExactText.h"
#include "chart/StepsForm.h"
#include "theory/ChainBand.h"

#include "toolkit/Application.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ProgressBar.h"

#include <utility>

namespace zmatch {

const char* const kNoChoiceMessage =
    "Выберите строку таблицы: сначала нажмите «Подобрать», затем выберите схему.";

namespace {

using K = tk::TControlKind;

std::string ChooseTableText(const tk::TForm& form) {
    return dynamic_cast<const TChooseForm&>(form).TableText();
}

std::string ChoosePictureTitle(const tk::TForm& form) {
    const auto& f = dynamic_cast<const TChooseForm&>(form);
    return "Подбор согласования — " + f.LoadLabel->Caption;
}

void SaveChooseTable(tk::TForm& form) {
    const auto& f = dynamic_cast<const TChooseForm&>(form);
    if (f.Choices().empty()) throw tk::Exception(kNoChoiceMessage);
    form.Application->SaveText({"Сохранить таблицу", "Текст (*.txt)", "подбор согласования.txt"},
                               f.TableText());
}

void StopChoosing(tk::TForm& form) {
    dynamic_cast<TChooseForm&>(form).Stop();
}

void OpenChooseSteps(tk::TForm& form) {
    if (dynamic_cast<const TChooseForm&>(form).Steps().empty())
        throw tk::Exception(kNoChoiceMessage);
    chart::OpenStepsWindow(form);
}

// clang-format off
constexpr tk::TControlDesc kControls[] = {
    // kind          name              parent   left top  width height caption                tab
    {K::Image,       "Picture",        nullptr, 716,   8, chart::kChainChartWidth, chart::kChainChartHeight, "", 30},
    {K::Label,       "LoadLabel",      nullptr,   8,  12, 520,  13, ""},
    {K::Button,      "ReloadButton",   nullptr, 538,   6, 170,  25, "Нагрузка из главного окна", 0},
    {K::Label,       "F0Label",        nullptr,   8,  44,  50,  13, "f0, МГц:"},
    {K::Edit,        "F0Edit",         nullptr,  60,  40,  70,  21, "",                      1},
    {K::Label,       "SpanLabel",      nullptr, 138,  44,  36,  13, "±, %:"},
    {K::Edit,        "SpanEdit",       nullptr, 176,  40,  44,  21, "5",                     2},
    {K::Label,       "FromLabel",      nullptr, 230,  44,  80,  13, "или f1, МГц:"},
    {K::Edit,        "FromEdit",       nullptr, 312,  40,  64,  21, "",                      3},
    {K::Label,       "ToLabel",        nullptr, 384,  44,  52,  13, "f2, МГц:"},
    {K::Edit,        "ToEdit",         nullptr, 438,  40,  64,  21, "",                      4},
    {K::Label,       "VswrLabel",      nullptr, 514,  44,  86,  13, "КСВ не более:"},
    {K::Edit,        "VswrEdit",       nullptr, 602,  40,  50,  21, "2",                     5},
    {K::Label,       "PartsLabel",     nullptr,   8,  74,  50,  13, "Детали:"},
    {K::RadioButton, "IdealButton",    nullptr,  60,  72,  84,  17, "идеальные",             6},
    {K::RadioButton, "E12Button",      nullptr, 148,  72,  50,  17, "E12",                   7},
    {K::RadioButton, "E24Button",      nullptr, 202,  72,  50,  17, "E24",                   8, true},
    {K::RadioButton, "E96Button",      nullptr, 256,  72,  50,  17, "E96",                   9},
    {K::Label,       "QInductorLabel", nullptr, 320,  74,  70,  13, "Q катушек:"},
    {K::Edit,        "QInductorEdit",  nullptr, 392,  70,  50,  21, "50",                    10},
    {K::Label,       "QCapacitorLabel", nullptr, 452, 74, 110,  13, "Q конденсаторов:"},
    {K::Edit,        "QCapacitorEdit", nullptr, 564,  70,  50,  21, "500",                   11},
    {K::Label,       "StubOhmsLabel",  nullptr,   8, 104, 110,  13, "Zв шлейфов, Ом:"},
    {K::Edit,        "StubOhmsEdit",   nullptr, 120, 100,  50,  21, "",                      12},
    {K::Label,       "StubMaxLabel",   nullptr, 180, 104, 130,  13, "Шлейф не длиннее, λ:"},
    {K::Edit,        "StubMaxEdit",    nullptr, 312, 100,  50,  21, "0,5",                   13},
    {K::Label,       "VfLabel",        nullptr, 376, 104, 112,  13, "Коэф. укорочения:"},
    {K::Edit,        "VfEdit",         nullptr, 490, 100,  50,  21, "1",                     14},
    {K::Label,       "SectionsLabel",  nullptr,   8, 134, 110,  13, "Zт λ/4, Ом:"},
    {K::Edit,        "SectionsEdit",   nullptr, 120, 130, 100,  21, "50; 75",                15},
    {K::Label,       "LoadedQLabel",   nullptr, 232, 134, 140,  13, "Нагруженная Q π и T:"},
    {K::Edit,        "LoadedQEdit",    nullptr, 374, 130,  50,  21, "5",                     16},
    {K::Label,       "FieldsNote",     nullptr, 436, 134, 272,  13, "Пустое Zв — Zв линии, пустая Q — без потерь"},
    {K::Button,      "SearchButton",   nullptr,   8, 162, 130,  25, "Подобрать",             17},
    {K::Button,      "StopButton",     nullptr, 146, 162, 130,  25, "Остановить (Esc)",      18},
    {K::Image,       "Progress",       nullptr, 286, 166, 200,  16, ""},
    {K::Label,       "ProgressLabel",  nullptr, 494, 168, 214,  13, ""},
    {K::Label,       "ListLabel",      nullptr,   8, 196, 700,  13, "Лучшие первыми: по наибольшему КСВ в полосе, затем по числу деталей и потерям:"},
    {K::RowList,     "ChoiceList",     nullptr,   8, 212, 700, 340, kChoiceColumns,          19},
    {K::Button,      "ChainButton",    nullptr,   8, 560, 170,  25, "В окно цепи",           20},
    {K::Button,      "BandButton",     nullptr, 186, 560, 170,  25, "Полоса цепи…",          21},
    {K::Button,      "ChartButton",    nullptr, 364, 560, 170,  25, "На диаграмму",          22},
    {K::Label,       "NoteLabel",      nullptr,   8, 596, 700,  60, ""},
    {K::Label,       "KeysLabel",      nullptr,   8, 668, 700,  13, "Esc останавливает подбор, найденное остаётся; F1 — почему первая схема первая; Ctrl+C — таблица."},
};

constexpr tk::TActionDesc kActions[] = {
    // caption                 keys                   what it does                    text
    {"Копировать таблицу",     tk::TShortcut::Copy,   tk::TActionKind::CopyText,      ChooseTableText},
    {"Сохранить таблицу…",     tk::TShortcut::Save,   tk::TActionKind::Command,       nullptr, SaveChooseTable},
    {"Копировать рисунок",     tk::TShortcut::None,   tk::TActionKind::CopyPicture},
    {"Сохранить рисунок…",     tk::TShortcut::None,   tk::TActionKind::SavePicture,   ChoosePictureTitle},
    {"Почему первая — первая", tk::TShortcut::Steps,  tk::TActionKind::Command,       nullptr, OpenChooseSteps},
    {"Остановить подбор",      tk::TShortcut::Stop,   tk::TActionKind::Command,       nullptr, StopChoosing},
};
// clang-format on

} // namespace

TChooseForm::TChooseForm(const chart::TChartForm& main, const chart::TChainStart& start)
    : tk::TForm({"Подбор согласования", 1531, 705, kControls, kActions}), main_(main) {
    ReloadButton->OnClick = [this](tk::TObject*) { Reload(); };
    SearchButton->OnClick = [this](tk::TObject*) { Search(); };
    StopButton->OnClick = [this](tk::TObject*) { Stop(); };
    ChainButton->OnClick = [this](tk::TObject*) { ToChain(); };
    BandButton->OnClick = [this](tk::TObject*) { ToBand(); };
    ChartButton->OnClick = [this](tk::TObject*) { ToChart(); };
    // The schemes and their values are long, the numbers short.
    ChoiceList->SetColumnShares({28, 190, 222, 67, 55, 74, 60});
    ChoiceList->OnChange = [this](tk::TObject*) { DrawSelected(); };
    F0Edit->Hint = "Средняя частота полосы; для нагрузки из файла — частота её точки.";
    SectionsEdit->Hint = "Zт четвертьволновых отрезков, какие есть: «50; 75», или «любое».";
    Start(start);
}

void TChooseForm::Start(const chart::TChainStart& start) {
    start_ = start;
    const chart::TMeasuredChoice* m = main_.Measured();
    measured_ = m && start.F0Hz > 0 ? std::optional<chart::TMeasuredChoice>(*m) : std::nullopt;
    if (start.F0Hz > 0 || F0Edit->Text.empty())
        F0Edit->Text = chart::ShortNumber(start.F0Hz > 0 ? start.F0Hz / 1e6 : 100);
    LoadLabel->Caption = chart::ChainLoadCaption(start.LoadOhms, start.LineOhms) +
                         (measured_ ? ", из файла по его частотам" : "");
    ShowProgress();
    DrawSelected();
}

theory::TBandLoad TChooseForm::BandLoad(double f0Hz) const {
    theory::TBandLoad load;
    load.Load = start_.LoadOhms;
    load.Line = {start_.LineOhms, 0};
    load.F0Hz = f0Hz;
    if (measured_) {
        load.Model = theory::TLoadModel::Measured;
        load.Measured = &measured_->Load;
    }
    return load;
}

void TChooseForm::Reload() {
    const chart::TChainStart start = chart::ReadChainStart(main_);
    Stop();
    Start(start);
}

void TChooseForm::Search() {
    const theory::TChooseAsk ask = ReadChooseAsk(*this, BandLoad(0));
    auto chooser = std::make_unique<theory::TChooser>(ask); // raises what cannot be searched
    chooser_ = std::move(chooser);
    ShowChoices({}, ask);
    NoteLabel->Caption = "Идёт подбор…";
    ShowProgress();
    ++search_;
    if (!Application) {
        while (chooser_)
            Slice();
        return;
    }
    AskForSlice();
}

void TChooseForm::AskForSlice() {
    std::weak_ptr<int> alive = alive_;
    Application->Later([this, alive, search = search_] {
        if (!alive.expired() && chooser_ && search_ == search) Slice();
    });
}

void TChooseForm::Slice() {
    if (!chooser_) return;
    const bool more = chooser_->Step();
    ShowChoices(chooser_->Ranked(), ask_);
    if (!more) return Finish("Подбор закончен");
    ShowProgress();
    if (Application) AskForSlice();
}

void TChooseForm::Stop() {
    if (chooser_) Finish("Подбор остановлен");
}

void TChooseForm::Finish(const char* how) {
    const int done = chooser_ ? chooser_->Done() : 0, total = chooser_ ? chooser_->Total() : 0;
    chooser_.reset();
    ShowProgress();
    std::string note = std::string(how) + ": схем в таблице — " + std::to_string(ranked_.size());
    if (total > 0)
        note += ", просмотрено видов " + std::to_string(done) + " из " + std::to_string(total);
    NoteLabel->Caption = note + (ranked_.empty() ? ". Ни одна схема не нашлась." : ".");
}

void TChooseForm::ShowProgress() {
    const int done = chooser_ ? chooser_->Done() : 0, total = chooser_ ? chooser_->Total() : 0;
    tk::DrawProgress(Progress->Canvas, done, total);
    ProgressLabel->Caption =
        chooser_ ? "Видов схем: " + std::to_string(done) + " из " + std::to_string(total) : "";
}

void TChooseForm::ShowChoices(std::vector<theory::TChoice> ranked, const theory::TChooseAsk& ask) {
    ranked_ = std::move(ranked);
    ask_ = ask;
    std::vector<tk::TRowList::TRow> rows;
    for (std::size_t i = 0; i < ranked_.size(); ++i)
        rows.push_back(ChoiceRow(int(i) + 1, ranked_[i], ask_.Vf));
    const int kept = ChoiceList->ItemIndex();
    ChoiceList->SetRows(std::move(rows));
    const bool keep = kept >= 0 && std::size_t(kept) < ranked_.size();
    ChoiceList->SetItemIndex(ranked_.empty() ? -1 : keep ? kept : 0);
    steps_.clear();
    for (const std::string& reason : theory::ChoiceReasons(ranked_, ask_))
        steps_.push_back({reason, "", 0, 0});
    DrawSelected();
    if (OnStepsChanged) OnStepsChanged();
}

const theory::TChoice& TChooseForm::Selected() const {
    const int row = ChoiceList->ItemIndex();
    if (row < 0 || std::size_t(row) >= ranked_.size()) throw tk::Exception(kNoChoiceMessage);
    return ranked_[std::size_t(row)];
}

void TChooseForm::DrawSelected() {
    const int row = ChoiceList->ItemIndex();
    if (row < 0 || std::size_t(row) >= ranked_.size()) {
        theory::TChain none;
        none.LineOhms = start_.LineOhms;
        chart::DrawChainChart(grid_, Picture->Canvas, none, start_.LoadOhms);
        return;
    }
    const theory::TChain& chain = ranked_[std::size_t(row)].Chain;
    const double f0 = chain.F0Hz > 0 ? chain.F0Hz : ask_.Load.F0Hz;
    if (!(f0 > 0)) {
        chart::DrawChainChart(grid_, Picture->Canvas, chain, start_.LoadOhms);
        return;
    }
    const theory::TBandLoad load = BandLoad(f0);
    const theory::TChainBand band = theory::ChainBand(chain, load, ask_.MaxVswr);
    chart::DrawChainChart(grid_, Picture->Canvas, chain, theory::BandLoadOhms(load, 1), &band);
}

void TChooseForm::ToChart() {
    Selected();
    DrawSelected();
}

chart::TChainForm& TChooseForm::IntoChainWindow() {
    const theory::TChoice& choice = Selected();
    chart::TChainStart start = start_;
    start.F0Hz = choice.Chain.F0Hz;
    // As the window holds a chain: L and C by their reactance at f0.
    return PutIntoChainWindow(*Application, main_, {start, chart::HeldChain(choice.Chain).Chain});
}

void TChooseForm::ToChain() {
    IntoChainWindow();
}

void TChooseForm::ToBand() {
    chart::OpenChainBandWindow(IntoChainWindow());
}

std::string TChooseForm::TableText() const {
    if (ranked_.empty()) throw tk::Exception(kNoChoiceMessage);
    return theory::ChoiceTableText(ranked_, ask_);
}

void OpenChooseWindow(tk::TForm& chartForm) {
    const auto& main = dynamic_cast<const chart::TChartForm&>(chartForm);
    const chart::TChainStart start = chart::ReadChainStart(main);
    chartForm.Application->OpenWindow(std::make_unique<TChooseForm>(main, start));
}

} // namespace zmatch
