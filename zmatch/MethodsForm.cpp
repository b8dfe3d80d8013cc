#include "zmatch/MethodsForm.h"

#include "zmatch/BandForm.h"
#include "zmatch/MethodChain.h"
#include "zmatch/methods/LoadLimits.h"

#include "chart/ChartActions.h"
#include "chart/ChartForm.h"
#include "chart/ExactText.h"
#include "chart/Grid.h"
#include "chart/Legend.h"
#include "chart/LoadSteps.h"
#include "chart/Marks.h"
#include "toolkit/Application.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace zmatch {

const char* const kMethodMatchedMessage =
    "Нагрузка согласована с линией: её |Г| меньше 10^-6 (обратные потери больше 120 дБ), "
    "такого отражения не различит ни одно измерение, и согласующая цепь не нужна.";
const char* const kNoSolutionForBandMessage =
    "Полоса согласования строится для найденных решений: сначала нажмите «Решить».";
const char* const kNoSolutionForChainMessage =
    "В цепь берётся найденное решение: сначала нажмите «Решить».";

std::string MethodsPictureTitle(const tk::TForm& form) {
    const auto& f = dynamic_cast<const TMethodsForm&>(form);
    return std::string(f.Method().Caption) + " — " + chart::LoadName(f.SolvedLoad());
}

namespace {

void OpenMethodsBand(tk::TForm& form);

// clang-format off
constexpr tk::TActionDesc kActions[] = {
    // caption                 keys                   what it does                    text
    {"Копировать рисунок",     tk::TShortcut::Copy,   tk::TActionKind::CopyPicture},
    {"Сохранить рисунок…",     tk::TShortcut::Save,   tk::TActionKind::SavePicture,   MethodsPictureTitle},
    {"Печать…",                tk::TShortcut::Print,  tk::TActionKind::PrintPicture,  MethodsPictureTitle},
    {"Копировать результаты",  tk::TShortcut::None,   tk::TActionKind::CopyText,      MethodsResultsText},
    {"Сетка проводимостей",    tk::TShortcut::Overlay, tk::TActionKind::ToggleOverlay},
    {"Построение по шагам",    tk::TShortcut::Steps,  tk::TActionKind::Command,       nullptr, chart::OpenStepsWindow},
    {"Полоса согласования…",   tk::TShortcut::Band,   tk::TActionKind::Command,       nullptr, OpenMethodsBand},
};
// clang-format on

} // namespace

std::string MethodsResultsText(const tk::TForm& form) {
    const auto& f = dynamic_cast<const TMethodsForm&>(form);
    const methods::TMethodOutcome* o = f.Outcome();
    if (!o) return {};
    const double lambda = f.SolvedWavelength();
    std::string text = std::string(f.Method().Caption) + ", " + chart::LoadName(f.SolvedLoad()) +
                       (lambda == 1 ? "" : ", λ = " + chart::ShortNumber(lambda)) + "\n";
    for (std::size_t i = 0; i < o->Solutions.size(); ++i) {
        const methods::TSolution& s = o->Solutions[i];
        text +=
            std::to_string(i + 1) + ". " + s.Name + ": " + s.Reading + "\n   точно: " + s.Exact +
            "\n   ответ диаграммы, если его построить: КСВ = " + chart::ExactNumber(s.BuiltVswr) +
            "\n";
    }
    for (const std::string& note : o->Notes)
        text += note + "\n";
    return text;
}

TMethodsForm::TMethodsForm(const chart::TChartForm& main, std::span<const methods::TMethod> list)
    : TMethodsForm(main, list, MethodsLayout(list)) {}

TMethodsForm::TMethodsForm(const chart::TChartForm& main, std::span<const methods::TMethod> list,
                           const TMethodsLayout& layout)
    : tk::TForm({"Другие способы согласования", 1181, 705, layout.Controls, kActions}), main_(main),
      list_(list), wavelength_(main.Get<tk::TEdit>("Edit6")) {
    for (std::size_t i = 0; i < list.size(); ++i)
        MethodButtons.push_back(Get<tk::TRadioButton>(MethodButtonName(i)));
    for (std::size_t i = 0; i < kSolutionRows; ++i)
        SolutionLabels[i] = Get<tk::TLabel>(SolutionLabelName(i));
    for (std::size_t i = 0; i < kNoteRows; ++i)
        NoteLabels[i] = Get<tk::TLabel>(NoteLabelName(i));
    const tk::TFormatSettings& format = tk::FormatSettings();
    for (const TOptionDesc& d : OptionKinds()) {
        tk::TEdit* field = d.Caption ? FieldOf(d.Kind) : nullptr;
        if (!field) continue;
        field->Hint = d.Hint;
        field->Text = d.Default;
        std::replace(field->Text.begin(), field->Text.end(), '.', format.DecimalSeparator);
        for (const TOptionPreset& p : d.Presets) {
            tk::TButton* button = Get<tk::TButton>(p.Name);
            if (d.Kind == methods::TOptionKind::Spacing) SpacingPresetButtons.push_back(button);
            button->OnClick = [field, v = p.Value](tk::TObject*) {
                field->Text = tk::FloatToStrF(v, 4, 3);
            };
        }
    }
    SolveButton->OnClick = [this](tk::TObject* sender) { SolveClick(sender); };
    ChainButton->OnClick = [this](tk::TObject*) { ChainClick(); };
    chart::DrawGrid(state_, Picture->Canvas);
}

const methods::TMethod& TMethodsForm::Method() const {
    for (std::size_t i = 0; i < MethodButtons.size(); ++i)
        if (MethodButtons[i]->Checked()) return list_[i];
    return list_.front();
}

void TMethodsForm::ChooseMethod(std::string_view key) {
    for (std::size_t i = 0; i < list_.size(); ++i)
        if (key == list_[i].Key) MethodButtons[i]->SetChecked(true);
}

tk::TEdit* TMethodsForm::FieldOf(methods::TOptionKind kind) const {
    if (kind == methods::TOptionKind::Wavelength) return wavelength_;
    const TOptionDesc& d = OptionOf(kind);
    return d.Choices.empty() ? Find<tk::TEdit>(d.Name) : nullptr;
}

void TMethodsForm::TypeOption(methods::TOptionKind kind, const std::string& text) {
    if (tk::TEdit* field = FieldOf(kind)) field->Text = text;
    for (const TOptionChoice& c : OptionOf(kind).Choices)
        if (text == c.Word)
            if (auto* button = Find<tk::TRadioButton>(c.Name)) button->SetChecked(true);
}

std::string_view TMethodsForm::Chosen(methods::TOptionKind kind) const {
    for (const TOptionChoice& c : OptionOf(kind).Choices)
        if (const auto* button = Find<tk::TRadioButton>(c.Name); button && button->Checked())
            return c.Word;
    return {};
}

methods::TMethodOptions TMethodsForm::ReadOptions() const {
    methods::TMethodOptions o;
    for (const TOptionDesc& d : OptionKinds()) {
        if (!Method().Options.Has(d.Kind)) continue;
        for (const TOptionChoice& c : d.Choices)
            if (Chosen(d.Kind) == c.Word) c.Set(o);
        if (!d.Read) continue;
        const tk::TEdit* field = FieldOf(d.Kind);
        try {
            o.*d.Value = d.Read(*field);
        } catch (const tk::Exception& e) {
            throw EOptionError(d.Kind, e.Message);
        }
    }
    return o;
}

void TMethodsForm::SolveClick(tk::TObject*) {
    // Everything read and planned before anything is drawn.
    const chart::TLoadPoint load = methods::BuiltLoadPoint(chart::PlanLoadPoint(main_.ReadLoad()));
    const methods::TMethodOptions options = ReadOptions();
    if (methods::IsMatched(load.Typed.Exact)) throw tk::Exception(kMethodMatchedMessage);
    if (const std::string why = methods::UnbuiltMessage(Method(), {load, options}); !why.empty())
        throw tk::Exception(why);
    methods::TMethodOutcome outcome = Method().Solve({load, options});

    tk::TCanvas& c = Picture->Canvas;
    chart::TStepMarks marks(c);
    chart::WipeChartDisc(c);
    chart::DrawGrid(state_, c);
    chart::DrawLoadPoint(c, load, marks);
    chart::LeaveLoadPoint(state_, load);
    outcome.Draw(c, marks);
    DrawLegend(outcome);
    ShowResults(outcome);

    chart::TConstructionSteps texts = chart::LoadPointSteps(load);
    for (chart::TConstructionStep& step : outcome.Steps)
        texts.push_back(std::move(step));
    steps_ = marks.Placed(std::move(texts));
    outcome.Steps.clear();
    solvedLoad_ = load.Typed.Exact;
    solvedWavelength_ = options.Wavelength;
    if (const chart::TMeasuredChoice* m = main_.Measured())
        solvedMeasured_ = *m;
    else
        solvedMeasured_.reset();
    solvedHz_ = options.Hz > 0 ? options.Hz : solvedMeasured_ ? solvedMeasured_->Hz : 0;
    outcome_ = std::move(outcome);
    if (OnStepsChanged) OnStepsChanged();
}

void TMethodsForm::ChainClick() {
    if (!outcome_ || outcome_->Solutions.empty()) throw tk::Exception(kNoSolutionForChainMessage);
    const std::size_t count = outcome_->Solutions.size();
    const double n = tk::ReadNumber(*ChainSolutionEdit, "Решение №");
    if (!(n >= 1 && n <= double(count) && n == std::floor(n)))
        throw tk::Exception("Решение №: " + (count == 1 ? std::string("решение одно, № 1.")
                                                        : "решения здесь с № 1 по № " +
                                                              std::to_string(count) + "."));
    const methods::TSolution& s = outcome_->Solutions[std::size_t(n) - 1];
    PutIntoChainWindow(*Application, main_, ChainOfSolution(s.ExactNetwork, solvedLoad_, solvedHz_));
}

void TMethodsForm::ShowResults(const methods::TMethodOutcome& outcome) {
    for (std::size_t i = 0; i < SolutionLabels.size(); ++i) {
        tk::TLabel* l = SolutionLabels[i];
        const bool has = i < outcome.Solutions.size();
        l->Caption = has ? std::to_string(i + 1) + ". " + outcome.Solutions[i].Reading : "";
        l->Hint = has ? "Точно (линия без потерь): " + outcome.Solutions[i].Exact : "";
        l->Font.Color = has ? outcome.Solutions[i].Color : tk::clBlack;
    }
    for (std::size_t i = 0; i < NoteLabels.size(); ++i)
        NoteLabels[i]->Caption = i < outcome.Notes.size() ? outcome.Notes[i] : "";
    std::string built;
    for (std::size_t i = 0; i < outcome.Solutions.size(); ++i)
        built += (i ? "; " : "") + tk::FloatToStrF(outcome.Solutions[i].BuiltVswr, 5, 3);
    BuiltLabel->Caption = "КСВ ответов диаграммы, если их построить: " + built;
}

// The legend of the solutions' colours, top left as the main window's.
void TMethodsForm::DrawLegend(const methods::TMethodOutcome& outcome) {
    tk::TCanvas& c = Picture->Canvas;
    c.Pen.Style = tk::TPenStyle::psSolid;
    c.Pen.Width = 2;
    c.Brush.Style = tk::TBrushStyle::bsSolid;
    for (std::size_t i = 0; i < outcome.Solutions.size(); ++i)
        chart::DrawLegendRow(c, int(i), outcome.Solutions[i].Color,
                             std::to_string(i + 1) + ". " + outcome.Solutions[i].Name);
    c.Pen.Width = 1;
}

namespace {

// The band of the method's solutions as line theory gives them, each in its colour.
void OpenMethodsBand(tk::TForm& form) {
    const auto& f = dynamic_cast<const TMethodsForm&>(form);
    const methods::TMethodOutcome* o = f.Outcome();
    if (!o) throw tk::Exception(kNoSolutionForBandMessage);
    TBandSource source;
    source.Load.Load = f.SolvedLoad().Load;
    source.Load.Line = f.SolvedLoad().Line;
    source.Measured = f.SolvedMeasured();
    for (std::size_t i = 0; i < o->Solutions.size(); ++i) {
        const methods::TSolution& s = o->Solutions[i];
        const std::string n = std::to_string(i + 1);
        source.Curves.push_back({"Решение " + n, "решения " + n, s.Color, 2, s.ExactNetwork});
    }
    ShowBand(form, std::move(source));
}

} // namespace

void OpenMethodsWindow(tk::TForm& chartForm) {
    const auto& main = dynamic_cast<const chart::TChartForm&>(chartForm);
    chartForm.Application->OpenWindow(std::make_unique<TMethodsForm>(main));
}

} // namespace zmatch
