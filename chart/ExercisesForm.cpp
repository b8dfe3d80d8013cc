#include "chart/ExercisesForm.h"

#include "chart/AdmittanceGrid.h"
#include "chart/ChainChart.h"
#include "chart/ExactText.h"
#include "chart/Frame.h"
#include "chart/StepsForm.h"
#include "exercises/Documents.h"
#include "exercises/Moodle.h"
#include "exercises/Solve.h"

#include "toolkit/Application.h"
#include "toolkit/Exceptions.h"

#include <memory>

namespace chart {

namespace {

using K = tk::TControlKind;

// The fields and lists in a column on the left, the chart on the right. The column is 312
// wide, so that the page lays the window out beside a desktop's chart, the chart above the
// column, whole.
// clang-format off
constexpr tk::TControlDesc kControls[] = {
    // kind      name                parent   left top  width height caption                       tab
    {K::Label,   "KindLabel",        nullptr,   8,   8, 312,  13, "Вид задачи:"},
    {K::RowList, "KindList",         nullptr,   8,  24, 312, 120, "Вид",                            0},
    {K::Label,   "CountLabel",       nullptr,   8, 156, 186,  13, "Вариантов (от 1 до 200):"},
    {K::Edit,    "CountEdit",        nullptr, 196, 152,  60,  21, "30",                             1},
    {K::Label,   "GroupLabel",       nullptr,   8, 182, 186,  13, "Группа (любой текст):"},
    {K::Edit,    "GroupEdit",        nullptr, 196, 178, 124,  21, "",                               2},
    {K::Label,   "SpacingLabel",     nullptr,   8, 208, 186,  13, "Между шлейфами, λ:"},
    {K::Edit,    "SpacingEdit",      nullptr, 196, 204,  60,  21, "",                               3},
    {K::Label,   "FrequencyLabel",   nullptr,   8, 234, 186,  13, "Частота Г-звена, МГц:"},
    {K::Edit,    "FrequencyEdit",    nullptr, 196, 230,  60,  21, "500",                            4},
    {K::Label,   "RadiusLabel",      nullptr,   8, 260, 186,  13, "Радиус на листе, мм:"},
    {K::Edit,    "RadiusEdit",       nullptr, 196, 256,  60,  21, "80",                             5},
    {K::Button,  "MakeButton",       nullptr, 260, 254,  60,  25, "Сделать",                        6},
    {K::RowList, "VariantList",      nullptr,   8, 284, 312, 110, "№\tЗадача",                      7},
    {K::Label,   "ProblemLabel",     nullptr,   8, 400, 312, 104, ""},
    {K::Button,  "WorksheetsButton", nullptr,   8, 510, 154,  25, "Листы заданий, PDF…",            8},
    {K::Button,  "KeyButton",        nullptr, 166, 510, 154,  25, "Ключ, PDF…",                     9},
    {K::Button,  "MoodleButton",     nullptr,   8, 539, 154,  25, "Тест Moodle, XML…",              10},
    {K::Label,   "CheckVariantLabel", nullptr,  8, 578,  50,  13, "Вариант:"},
    {K::Edit,    "CheckVariantEdit", nullptr,  60, 574,  40,  21, "1",                              11},
    {K::Label,   "AnswersLabel",     nullptr, 108, 578,  50,  13, "Ответы:"},
    {K::Edit,    "AnswersEdit",      nullptr, 160, 574, 160,  21, "",                               12},
    {K::Label,   "CheckNote",        nullptr,   8, 606, 186,  13, "Например: d=0,198 l=0,126"},
    {K::Button,  "CheckButton",      nullptr, 200, 600, 120,  25, "Проверить",                      13},
    {K::RowList, "VerdictList",      nullptr,   8, 632, 312, 100,
     "Ответ\tОценка\tОтклонение\tмм\tпикс.",                                                       14},
    {K::Image,   "Picture",          nullptr, 328,   8, kChainChartWidth, kChainChartHeight, "",   15},
};
// clang-format on

constexpr tk::TFormDesc kExercisesFormDesc{
    "Задания", 328 + kChainChartWidth + 8, 740, kControls};

// Characters a line of the problem's text holds in the window's font.
constexpr std::size_t kProblemLineWidth = 48;

std::string Bytes(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

} // namespace

TExercisesForm::TExercisesForm(std::string_view program)
    : tk::TForm(kExercisesFormDesc), kinds_(exercises::KindsOf(program)) {
    std::vector<tk::TRowList::TRow> kinds;
    for (const exercises::TKind k : kinds_)
        kinds.push_back({std::string(exercises::KindName(k))});
    KindList->SetRows(std::move(kinds));
    KindList->SetItemIndex(0);
    const exercises::TAsk defaults;
    SpacingEdit->Text = ShortNumber(defaults.Spacing);
    FrequencyEdit->Text = ShortNumber(defaults.Hz / 1e6);
    RadiusEdit->Text = ShortNumber(defaults.RadiusMm);
    Picture->Overlay = {DrawAdmittanceGrid, AdmittanceGridInk};
    MakeButton->OnClick = [this](tk::TObject*) { Make(); };
    // A variant's number is short, its problem long; a verdict's deviation the longest word.
    VariantList->SetColumnShares({1, 7});
    VerdictList->SetColumnShares({3, 3, 4, 2, 2});
    VariantList->OnChange = [this](tk::TObject*) { ShowVariant(VariantList->ItemIndex()); };
    WorksheetsButton->OnClick = [this](tk::TObject*) { SaveWorksheets(); };
    KeyButton->OnClick = [this](tk::TObject*) { SaveKey(); };
    MoodleButton->OnClick = [this](tk::TObject*) { SaveMoodle(); };
    CheckButton->OnClick = [this](tk::TObject*) { Check(); };
    grid_.LayOn(Picture->Canvas);
}

void TExercisesForm::List(exercises::TExerciseSet set, int row) {
    std::vector<tk::TRowList::TRow> rows;
    for (const exercises::TVariant& v : set.Variants)
        rows.push_back(VariantRow(v));
    set_ = std::move(set);
    VerdictList->SetRows({});
    VariantList->SetRows(std::move(rows));
    VariantList->SetItemIndex(row);
    ShowVariant(row);
}

void TExercisesForm::Make() {
    List(MakeOrExplain(ReadExercisesAsk(*this)), 0);
}

void TExercisesForm::ShowVariant(int row) {
    if (!set_ || row < 0 || row >= int(set_->Variants.size())) return;
    const exercises::TVariant& v = set_->Variants[std::size_t(row)];
    ProblemLabel->Caption = Wrapped(exercises::ProblemText(*set_, v), kProblemLineWidth);
    // The key's drawing of the variant: its exact solution as a chain on the load.
    DrawChainChart(grid_, Picture->Canvas, exercises::ConstructionOf(v.Problem),
                   v.Problem.LoadOhms);
}

void TExercisesForm::Check() {
    const exercises::TAsk ask = ReadExercisesAsk(*this);
    const int number = ReadCheckVariant(*this, ask.Count);
    std::vector<exercises::TVerdict> verdicts;
    exercises::TExerciseSet set = MakeOrExplain(ask);
    try {
        verdicts = exercises::CheckAnswers(set, number, exercises::ReadAnswers(AnswersEdit->Text));
    } catch (const exercises::TExerciseError& e) {
        throw tk::Exception("Ответы не проверены: " + e.Message + ".");
    }
    const exercises::TVariant& v = set.Variants[std::size_t(number - 1)];
    std::vector<tk::TRowList::TRow> rows;
    for (std::size_t i = 0; i < verdicts.size(); ++i)
        rows.push_back(VerdictRow(verdicts[i], v.Answers[i]));
    List(std::move(set), number - 1);
    VerdictList->SetRows(std::move(rows));
}

void TExercisesForm::SaveWorksheets() {
    Make();
    if (Application)
        Application->SaveText({"Сохранить листы заданий", "PDF (*.pdf)", "задания.pdf"},
                              Bytes(exercises::WorksheetsPdf(*set_)));
}

void TExercisesForm::SaveKey() {
    Make();
    if (Application)
        Application->SaveText({"Сохранить ключ", "PDF (*.pdf)", "ключ.pdf"},
                              Bytes(exercises::KeyPdf(*set_)));
}

void TExercisesForm::SaveMoodle() {
    Make();
    if (Application)
        Application->SaveText({"Сохранить тест Moodle", "Moodle XML (*.xml)", "тест.xml"},
                              exercises::MoodleXml(*set_));
}

void OpenZmatchExercisesWindow(tk::TForm& chartForm) {
    chartForm.Application->OpenWindow(std::make_unique<TExercisesForm>("zmatch"));
}

void OpenZlineExercisesWindow(tk::TForm& chartForm) {
    chartForm.Application->OpenWindow(std::make_unique<TExercisesForm>("zline"));
}

} // namespace chart
