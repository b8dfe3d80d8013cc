#include "chart/StepsForm.h"

#include "toolkit/Application.h"
#include "toolkit/Exceptions.h"

#include <memory>

namespace chart {

const char* const kNoConstructionForStepsMessage =
    "Построение по шагам показывает последнее построение: сначала нажмите «Показать точку».";

namespace {

using K = tk::TControlKind;

// Characters a row and a line of the chosen sentence hold in the window's font: its
// Cyrillic letters run at about six pixels.
constexpr std::size_t kRowWidth = 96;
constexpr std::size_t kLineWidth = 100;

// The list of steps, a row each, above the chosen step's sentence (six lines: the longest,
// with its exact value, takes five), the buttons and the count below.
// clang-format off
constexpr tk::TControlDesc kControls[] = {
    // kind     name             parent  left top  width height caption    tab
    {K::Label,  "StepRow1",      nullptr,   8,   8, 624,  13, ""},
    {K::Label,  "StepRow2",      nullptr,   8,  25, 624,  13, ""},
    {K::Label,  "StepRow3",      nullptr,   8,  42, 624,  13, ""},
    {K::Label,  "StepRow4",      nullptr,   8,  59, 624,  13, ""},
    {K::Label,  "StepRow5",      nullptr,   8,  76, 624,  13, ""},
    {K::Label,  "StepRow6",      nullptr,   8,  93, 624,  13, ""},
    {K::Label,  "StepRow7",      nullptr,   8, 110, 624,  13, ""},
    {K::Label,  "StepRow8",      nullptr,   8, 127, 624,  13, ""},
    {K::Label,  "StepRow9",      nullptr,   8, 144, 624,  13, ""},
    {K::Label,  "StepRow10",     nullptr,   8, 161, 624,  13, ""},
    {K::Label,  "SentenceLabel", nullptr,   8, 184, 624,  78, ""},
    {K::Button, "BackButton",    nullptr,   8, 270,  90,  25, "Назад",      0},
    {K::Button, "ForwardButton", nullptr, 104, 270,  90,  25, "Далее",      1},
    {K::Label,  "CountLabel",    nullptr, 208, 276, 424,  13, ""},
};
// clang-format on

constexpr tk::TFormDesc kStepsFormDesc{"Построение по шагам", 640, 303, kControls};

// Characters, not bytes: a byte that continues a UTF-8 sequence starts none.
std::size_t Length(std::string_view s) {
    std::size_t n = 0;
    for (const char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string Sentence(const TConstructionStep& step) {
    return step.Exact.empty() ? step.Text : step.Text + " (точно: " + step.Exact + ")";
}

} // namespace

std::string Wrapped(const std::string& sentence, std::size_t width) {
    std::string out, line;
    std::size_t from = 0;
    while (from < sentence.size()) {
        std::size_t to = sentence.find(' ', from);
        if (to == std::string::npos) to = sentence.size();
        const std::string word = sentence.substr(from, to - from);
        if (!line.empty() && Length(line) + 1 + Length(word) > width) {
            out += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        from = to + 1;
    }
    return out + line;
}

std::string RowText(const std::string& sentence, std::size_t width) {
    std::string head = sentence.substr(0, sentence.find(':'));
    if (Length(head) <= width) return head;
    std::string cut;
    std::size_t from = 0;
    while (true) {
        const std::size_t to = head.find(' ', from);
        const std::string longer = head.substr(0, to);
        if (to == std::string::npos || Length(longer) + 1 > width) break;
        cut = longer;
        from = to + 1;
    }
    return cut + "…";
}

TStepsForm::TStepsForm(TStepsSource& chart) : tk::TForm(kStepsFormDesc), chart_(&chart) {
    for (std::size_t i = 0; i < kRows; ++i) {
        Rows[i] = Get<tk::TLabel>("StepRow" + std::to_string(i + 1));
        Rows[i]->OnClick = [this, i](tk::TObject*) { Choose(i); };
    }
    BackButton->OnClick = [this](tk::TObject*) { Back(); };
    ForwardButton->OnClick = [this](tk::TObject*) { Forward(); };
    BackButton->Hint = "Предыдущий шаг (стрелка влево или вверх)";
    ForwardButton->Hint = "Следующий шаг (стрелка вправо или вниз)";
    OnArrowKey = [this](tk::TArrowKey key) {
        if (key == tk::TArrowKey::Left || key == tk::TArrowKey::Up)
            Back();
        else
            Forward();
    };
    // Only the window that opens follows the chart: a second one, dropped by OpenWindow
    // because this kind is open already, never takes the chart's notice from it.
    OnCreate = [this](tk::TObject*) {
        following_ = true;
        chart_->OnStepsChanged = [this] { Follow(); };
        chart_->OnGone = [this] {
            following_ = false;
            chart_ = nullptr;
            chosen_.reset();
            ShowChosen();
        };
        Follow();
    };
    OnClose = [this](tk::TObject*) { Release(); };
}

TStepsForm::~TStepsForm() {
    Release();
}

void TStepsForm::Release() {
    if (!following_) return;
    following_ = false;
    chart_->OnStepsChanged = nullptr;
    chart_->OnGone = nullptr;
    chart_->StepsPicture().ShowOwn();
    chart_ = nullptr;
}

void TStepsForm::Choose(std::size_t k) {
    if (!chart_ || k >= chart_->Steps().size()) return;
    chosen_ = k;
    tk::TImage& picture = chart_->StepsPicture();
    picture.ShowInstead(PictureAfterStep(picture.Canvas, chart_->Steps(), k, true));
    ShowChosen();
}

void TStepsForm::Back() {
    if (chosen_ && *chosen_ > 0) Choose(*chosen_ - 1);
}

void TStepsForm::Forward() {
    Choose(chosen_ ? *chosen_ + 1 : 0);
}

void TStepsForm::Follow() {
    chosen_.reset();
    if (chart_) chart_->StepsPicture().ShowOwn();
    ShowChosen();
}

void TStepsForm::ShowChosen() {
    const TConstructionSteps none;
    const TConstructionSteps& steps = chart_ ? chart_->Steps() : none;
    for (std::size_t i = 0; i < kRows; ++i) {
        Rows[i]->Visible = i < steps.size();
        if (!Rows[i]->Visible) continue;
        Rows[i]->Caption = std::string(chosen_ == i ? "» " : "    ") + std::to_string(i + 1) +
                           ". " + RowText(steps[i].Text, kRowWidth);
    }
    if (chosen_) {
        SentenceLabel->Caption = Wrapped(Sentence(steps[*chosen_]), kLineWidth);
        CountLabel->Caption =
            "Шаг " + std::to_string(*chosen_ + 1) + " из " + std::to_string(steps.size());
    } else {
        SentenceLabel->Caption =
            "На диаграмме всё построение. Выберите шаг в списке или нажмите "
            "«Далее»:\nдиаграмма покажет, какой она была после него, линии шага "
            "выделены оранжевым.";
        CountLabel->Caption = "Шагов: " + std::to_string(steps.size());
    }
}

bool TStepsForm::SameWindow(const tk::TForm& other) const {
    const auto* steps = dynamic_cast<const TStepsForm*>(&other);
    return steps && steps->chart_ == chart_;
}

void OpenStepsWindow(tk::TForm& chartForm) {
    auto& chart = dynamic_cast<TStepsSource&>(chartForm);
    if (chart.Steps().empty()) throw tk::Exception(kNoConstructionForStepsMessage);
    auto& steps = dynamic_cast<TStepsForm&>(
        chartForm.Application->OpenWindow(std::make_unique<TStepsForm>(chart)));
    if (!steps.Chosen()) steps.Choose(0);
}

} // namespace chart
