#include "zmatch/MethodsForm.h"

#include "zmatch/BandForm.h"
#include "zmatch/StubMatch.h"
#include "zmatch/methods/DoubleStub.h"
#include "zmatch/methods/LSection.h"
#include "zmatch/methods/LoadLimits.h"

#include "chart/ChartActions.h"
#include "chart/ChartForm.h"
#include "chart/ExactText.h"
#include "chart/Grid.h"
#include "chart/LoadSteps.h"
#include "chart/Marks.h"
#include "measured/Frequency.h"
#include "toolkit/Application.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"

#include <cmath>
#include <memory>
#include <string>

namespace zmatch {

const char* const kMethodMatchedMessage =
    "Нагрузка согласована с линией: её |Г| меньше 10^-6 (обратные потери больше 120 дБ), "
    "такого отражения не различит ни одно измерение, и согласующая цепь не нужна.";
std::string SpacingMessage(double spacing) {
    return "Расстояние между шлейфами должно отстоять от целого числа полуволн (0, λ/2, λ …) "
           "не меньше чем на " +
           tk::FloatToStrF(methods::kClosestSpacing, 4, 2) +
           " λ: ближе второй шлейф стоит почти там же, где первый, и шлейфам нужны проводимости "
           "около 2/sin(2πs), десятки и больше, — диаграмма их не разрешает, а построенные "
           "длины не дают. Ближайшее расстояние, которое подходит: " +
           tk::FloatToStrF(methods::NearestResolvableSpacing(spacing), 15, 2) + " λ.";
}
const char* const kNoSolutionForBandMessage =
    "Полоса согласования строится для найденных решений: сначала нажмите «Решить».";
const char* const kFirstStubMessage =
    "Расстояние от нагрузки до первого шлейфа не может быть отрицательным: введите 0 (шлейф у "
    "самой нагрузки) или больше.";
const char* const kStubDistanceRangeMessage =
    "Расстояния до первого шлейфа и между шлейфами не должны превышать 10^6 λ: на линии без "
    "потерь решает только их остаток от целого числа полуволн, а у больших чисел его точно не "
    "сосчитать.";

namespace {

using K = tk::TControlKind;

// The column on the left, the chart beside it at its own size, as in the main window.
// clang-format off
constexpr tk::TControlDesc kControls[] = {
    // kind          name            parent       left top  width height caption                         tab
    {K::Image,       "Image1",       nullptr,     366,   8, 807, 689, ""},
    {K::GroupBox,    "GroupBox1",    nullptr,       8,   8, 350, 108, "Способ согласования",            0},
    {K::RadioButton, "RadioButton1", "GroupBox1",   8,  20, 330,  17, "Последовательный шлейф",         0},
    {K::RadioButton, "RadioButton2", "GroupBox1",   8,  42, 330,  17, "Два параллельных шлейфа",        1},
    {K::RadioButton, "RadioButton3", "GroupBox1",   8,  64, 330,  17, "Четвертьволновый трансформатор", 2, true},
    {K::RadioButton, "RadioButton4", "GroupBox1",   8,  86, 330,  17, "Г-образное звено из L и C",      3},
    {K::GroupBox,    "GroupBox2",    nullptr,       8, 122, 350,  46, "Тип шлейфа",                     1},
    {K::RadioButton, "RadioButton5", "GroupBox2",   8,  20, 160,  17, "Коротко замкнутый",              0, true},
    {K::RadioButton, "RadioButton6", "GroupBox2", 180,  20, 160,  17, "Разомкнутый",                    1},
    {K::Label,       "Label1",       nullptr,       8, 181, 200,  13, "Первый шлейф от нагрузки, λ"},
    {K::Edit,        "Edit1",        nullptr,     220, 178, 138,  21, "0",                              2},
    {K::Label,       "Label2",       nullptr,       8, 208, 200,  13, "Между шлейфами, λ"},
    {K::Edit,        "Edit2",        nullptr,     220, 205, 138,  21, "",                               3},
    {K::Button,      "Button2",      nullptr,     220, 231,  44,  23, "λ/8",                            4},
    {K::Button,      "Button3",      nullptr,     267, 231,  44,  23, "λ/4",                            5},
    {K::Button,      "Button4",      nullptr,     314, 231,  44,  23, "3λ/8",                           6},
    {K::Label,       "Label3",       nullptr,       8, 266, 200,  13, "Частота (для L и C)"},
    {K::Edit,        "Edit3",        nullptr,     220, 263, 138,  21, "",                               7},
    {K::Button,      "Button1",      nullptr,       8, 294, 350,  25, "Решить",                         8},
    {K::Label,       "Label4",       nullptr,       8, 332, 350,  13, "Решения по диаграмме:"},
    {K::Label,       "Label5",       nullptr,       8, 351, 350,  13, ""},
    {K::Label,       "Label6",       nullptr,       8, 370, 350,  13, ""},
    {K::Label,       "Label7",       nullptr,       8, 389, 350,  13, ""},
    {K::Label,       "Label8",       nullptr,       8, 408, 350,  13, ""},
    {K::Label,       "Label9",       nullptr,       8, 434, 350,  13, ""},
    {K::Label,       "Label10",      nullptr,       8, 453, 350,  13, ""},
    {K::Label,       "Label11",      nullptr,       8, 479, 350,  13, ""},
};
// clang-format on

} // namespace

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

constexpr tk::TFormDesc kMethodsFormDesc{"Другие способы согласования", 1181, 705, kControls,
                                         kActions};

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

namespace {

// The legend of the solutions' colours, top left as the main window's.
constexpr int kLegendLeft = 10, kLegendTop = 10, kLegendRow = 15, kLegendLine = 50;

} // namespace

TMethodsForm::TMethodsForm(const chart::TChartForm& main)
    : tk::TForm(kMethodsFormDesc), main_(main) {
    MethodButtons = {Get<tk::TRadioButton>("RadioButton1"), Get<tk::TRadioButton>("RadioButton2"),
                     Get<tk::TRadioButton>("RadioButton3"), Get<tk::TRadioButton>("RadioButton4")};
    SpacingButtons = {Get<tk::TButton>("Button2"), Get<tk::TButton>("Button3"),
                      Get<tk::TButton>("Button4")};
    SolutionLabels = {Get<tk::TLabel>("Label5"), Get<tk::TLabel>("Label6"),
                      Get<tk::TLabel>("Label7"), Get<tk::TLabel>("Label8")};
    NoteLabels = {Get<tk::TLabel>("Label9"), Get<tk::TLabel>("Label10")};
    Edit2->Text = tk::FloatToStrF(0.125, 4, 3);
    const double spacings[] = {0.125, 0.25, 0.375};
    for (std::size_t i = 0; i < SpacingButtons.size(); ++i)
        SpacingButtons[i]->OnClick = [this, s = spacings[i]](tk::TObject*) {
            Edit2->Text = tk::FloatToStrF(s, 4, 3);
        };
    Edit1->Hint = "Расстояние от нагрузки до первого шлейфа в длинах волн: 0 — шлейф у нагрузки.";
    Edit2->Hint = "Расстояние между шлейфами в длинах волн: λ/8 = 0,125, λ/4 = 0,25, 3λ/8 = 0,375.";
    Edit3->Hint = "Частота, на которой нужны L и C: 433,92 МГц, 2,4 ГГц. Пусто: реактивные "
                  "сопротивления и проводимости.";
    Button1->OnClick = [this](tk::TObject* sender) { Button1Click(sender); };
    chart::DrawGrid(state_, Image1->Canvas);
}

const methods::TMethod& TMethodsForm::Method() const {
    const auto all = methods::Methods();
    for (std::size_t i = 0; i < MethodButtons.size(); ++i)
        if (MethodButtons[i]->Checked()) return all[i];
    return all.front();
}

void TMethodsForm::ChooseMethod(std::string_view key) {
    const auto all = methods::Methods();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (key == all[i].Key) MethodButtons[i]->SetChecked(true);
}

namespace {

// An option read from its field; what refuses it names the field.
template <class TRead> double OptionOf(const tk::TEdit* field, TRead read) {
    try {
        return read();
    } catch (const tk::Exception& e) {
        throw EOptionError(field, e.Message);
    }
}

} // namespace

methods::TMethodOptions TMethodsForm::ReadOptions() const {
    methods::TMethodOptions o;
    o.Stub = RadioButton5->Checked() ? theory::TStubKind::Short : theory::TStubKind::Open;
    const std::string_view key = Method().Key;
    // The main window's «Длин. волн.», with its messages, for every method with lengths.
    if (key != "l-section") {
        const tk::TEdit* wavelength = main_.Get<tk::TEdit>("Edit6");
        o.Wavelength = OptionOf(wavelength, [&] { return ReadWavelength(*wavelength); });
    }
    if (key == "double-stub") {
        // Up to 10^6 λ what is left of a half wavelength is known to a billionth of one.
        constexpr double kLongest = 1e6;
        o.FirstStub = OptionOf(Edit1, [&] {
            const double d = tk::ReadNumber(*Edit1, "Первый шлейф от нагрузки");
            if (!(d >= 0)) throw tk::Exception(kFirstStubMessage);
            if (d > kLongest) throw tk::Exception(kStubDistanceRangeMessage);
            return d;
        });
        o.Spacing = OptionOf(Edit2, [&] {
            const double s = tk::ReadNumber(*Edit2, "Между шлейфами");
            if (s > kLongest) throw tk::Exception(kStubDistanceRangeMessage);
            if (!methods::ResolvableSpacing(s)) throw tk::Exception(SpacingMessage(s));
            return s;
        });
    }
    if (key == "l-section" && Edit3->Text.find_first_not_of(' ') != std::string::npos)
        o.Hz = OptionOf(Edit3, [&] {
            const double hz = measured::ReadFrequency(Edit3->Text);
            if (!methods::LSectionFrequencyInRange(hz))
                throw tk::Exception(methods::kLSectionFrequencyMessage);
            return hz;
        });
    return o;
}

void TMethodsForm::Button1Click(tk::TObject*) {
    // Everything read and planned before anything is drawn.
    const chart::TLoadPoint load = methods::BuiltLoadPoint(chart::PlanLoadPoint(
        chart::ReadLoadInput(*main_.Edit1, *main_.Edit2, *main_.Edit3, *main_.Edit4)));
    const methods::TMethodOptions options = ReadOptions();
    if (methods::IsMatched(load.Typed.Exact)) throw tk::Exception(kMethodMatchedMessage);
    if (const std::string why = methods::UnbuiltMessage(Method(), {load, options}); !why.empty())
        throw tk::Exception(why);
    methods::TMethodOutcome outcome = Method().Solve({load, options});

    tk::TCanvas& c = Image1->Canvas;
    chart::TStepMarks marks(c);
    chart::WipeChartDisc(c);
    chart::DrawGrid(state_, c);
    chart::DrawLoadPoint(c, load, marks);
    chart::LeaveLoadPoint(state_, load);
    outcome.Draw(c, marks);
    DrawLegend(outcome);

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
    Label11->Caption = "КСВ ответов диаграммы, если их построить: " + built;

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
    outcome_ = std::move(outcome);
    if (OnStepsChanged) OnStepsChanged();
}

void TMethodsForm::DrawLegend(const methods::TMethodOutcome& outcome) {
    tk::TCanvas& c = Image1->Canvas;
    c.Pen.Style = tk::TPenStyle::psSolid;
    c.Pen.Width = 2;
    c.Brush.Style = tk::TBrushStyle::bsSolid;
    for (std::size_t i = 0; i < outcome.Solutions.size(); ++i) {
        const int y = kLegendTop + kLegendRow * int(i);
        c.Pen.Color = outcome.Solutions[i].Color;
        c.MoveTo(kLegendLeft, y);
        c.LineTo(kLegendLeft + kLegendLine, y);
        c.TextOut(kLegendLeft + kLegendLine + 1, y - 6,
                  std::to_string(i + 1) + ". " + outcome.Solutions[i].Name);
    }
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
