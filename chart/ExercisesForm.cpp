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

// The fields and lists in a column on the left, the chart on the right.
// clang-format off
constexpr tk::TControlDesc kControls[] = {
    // kind      name                parent   left top  width height caption                       tab
    {K::Label,   "KindLabel",        nullptr,   8,   8, 420,  13, "Вид задачи:"},
    {K::RowList, "KindList",         nullptr,   8,  24, 420, 150, "Вид",                            0},
    {K::Label,   "CountLabel",       nullptr,   8, 186, 200,  13, "Вариантов (от 1 до 200):"},
    {K::Edit,    "CountEdit",        nullptr, 220, 182,  80,  21, "30",                             1},
    {K::Label,   "GroupLabel",       nullptr,   8, 212, 200,  13, "Группа (любой текст):"},
    {K::Edit,    "GroupEdit",        nullptr, 220, 208, 208,  21, "",                               2},
    {K::Label,   "SpacingLabel",     nullptr,   8, 238, 210,  13, "Расстояние между шлейфами, λ:"},
    {K::Edit,    "SpacingEdit",      nullptr, 220, 234,  80,  21, "",                               3},
    {K::Label,   "FrequencyLabel",   nullptr,   8, 264, 200,  13, "Частота Г-звена, МГц:"},
    {K::Edit,    "FrequencyEdit",    nullptr, 220, 260,  80,  21, "500",                            4},
    {K::Label,   "RadiusLabel",      nullptr,   8, 290, 210,  13, "Радиус диаграммы на листе, мм:"},
    {K::Edit,    "RadiusEdit",       nullptr, 220, 286,  80,  21, "80",                             5},
    {K::Button,  "MakeButton",       nullptr, 308, 284, 120,  25, "Сделать",                        6},
    {K::RowList, "VariantList",      nullptr,   8, 318, 420, 140, "№\tЗадача",                      7},
    {K::Label,   "ProblemLabel",     nullptr,   8, 464, 420,  92, ""},
    {K::Button,  "WorksheetsButton", nullptr,   8, 560, 136,  25, "Листы заданий, PDF…",            8},
    {K::Button,  "KeyButton",        nullptr, 150, 560, 136,  25, "Ключ, PDF…",                     9},
    {K::Button,  "MoodleButton",     nullptr, 292, 560, 136,  25, "Тест Moodle, XML…",              10},
    {K::Label,   "CheckVariantLabel", nullptr,  8, 598,  60,  13, "Вариант:"},
    {K::Edit,    "CheckVariantEdit", nullptr,  68, 594,  44,  21, "1",                              11},
    {K::Label,   "AnswersLabel",     nullptr, 120, 598,  50,  13, "Ответы:"},
    {K::Edit,    "AnswersEdit",      nullptr, 170, 594, 258,  21, "",                               12},
    {K::Button,  "CheckButton",      nullptr, 308, 620, 120,  25, "Проверить",                      14},
    {K::Label,   "CheckNote",        nullptr,   8, 626, 296,  13, "Например: d=0,198 l=0,126"},
    {K::RowList, "VerdictList",      nullptr,   8, 650, 420, 104,
     "Ответ\tОценка\tОтклонение\tмм\tпикс.",                                                       15},
    {K::Image,   "Picture",          nullptr, 436,   8, kChainChartWidth, kChainChartHeight, "",   16},
};
// clang-format on

constexpr tk::TFormDesc kExercisesFormDesc{
    "Задания", 436 + kChainChartWidth + 8, 762, kControls};

// Characters a line of the problem's text holds in the window's font.
constexpr std::size_t kProblemLineWidth = 66;

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
