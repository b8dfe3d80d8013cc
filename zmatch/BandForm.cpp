#include "zmatch/BandForm.h"

#include "zmatch/Unit1.h"

#include "chart/BandPlot.h"
#include "measured/Frequency.h"
#include "toolkit/Application.h"
#include "toolkit/Exceptions.h"

#include <memory>

namespace zmatch {

const char* const kNoMatchForBandMessage =
    "Полоса согласования строится для найденного шлейфа: сначала нажмите «Согласовать».";

namespace {

using K = tk::TControlKind;

// The column on the left, the plot beside it, as in the chart's window.
// clang-format off
constexpr tk::TControlDesc kControls[] = {
    // kind          name            parent       left top  width height caption                         tab
    {K::Image,       "Image1",       nullptr,     216,   8, 700, 500, ""},
    {K::GroupBox,    "GroupBox1",    nullptr,       8,   8, 200,  92, "Нагрузка вне f0",                 0},
    {K::RadioButton, "RadioButton1", "GroupBox1",   8,  20, 186,  17, "R и L или C последовательно",     0, true},
    {K::RadioButton, "RadioButton2", "GroupBox1",   8,  43, 186,  17, "Постоянное Zн",                   1},
    {K::RadioButton, "RadioButton3", "GroupBox1",   8,  66, 186,  17, "Измеренная (из файла)",           2},
    {K::Label,       "Label1",       nullptr,       8, 115,  24,  13, "f0 ="},
    {K::Edit,        "Edit1",        nullptr,      40, 112, 168,  21, "",                                1},
    {K::Button,      "Button1",      nullptr,       8, 141, 200,  25, "Построить",                       2},
};

constexpr tk::TActionDesc kActions[] = {
    // caption                 keys                   what it does                    text
    {"Копировать рисунок",     tk::TShortcut::Copy,   tk::TActionKind::CopyPicture},
    {"Сохранить рисунок…",     tk::TShortcut::Save,   tk::TActionKind::SavePicture,   TBandForm::Title},
    {"Печать…",                tk::TShortcut::Print,  tk::TActionKind::PrintPicture,  TBandForm::Title},
};
// clang-format on

constexpr tk::TFormDesc kBandFormDesc{"Полоса согласования", 924, 516, kControls, kActions};

} // namespace

TBandForm::TBandForm() : tk::TForm(kBandFormDesc) {
    Edit1->Hint = "Частота f0, на которой сделано согласование: 2,4 ГГц, 433 МГц, 50e6.\n"
                  "Пусто: частота не задана, график только в f / f0.";
    RadioButton3->Visible = false;
    const auto redraw = [this](tk::TObject*) { Redraw(); };
    RadioButton1->OnClick = redraw;
    RadioButton2->OnClick = redraw;
    RadioButton3->OnClick = redraw;
    Button1->OnClick = redraw;
    Image1->OnReadout = [this](tk::TPoint pixel) {
        return chart::BandReadout(response_, f0Hz_, pixel, Image1->Canvas.Width(),
                                  Image1->Canvas.Height());
    };
}

void TBandForm::ShowMatch(TBandSource source) {
    source_ = std::move(source);
    RadioButton3->Visible = source_.Measured.has_value();
    if (source_.Measured) {
        RadioButton3->SetChecked(true);
        Edit1->Text = measured::FrequencyText(source_.Measured->Hz);
    } else if (RadioButton3->Checked()) {
        RadioButton1->SetChecked(true);
    }
    Redraw();
}

void TBandForm::Redraw() {
    theory::TBandInput in = source_.Input;
    in.Model = RadioButton2->Checked()                       ? theory::TLoadModel::Constant
               : RadioButton3->Checked() && source_.Measured ? theory::TLoadModel::Measured
                                                             : theory::TLoadModel::Series;
    if (in.Model == theory::TLoadModel::Measured) {
        in.Measured = &source_.Measured->Load;
        in.F0Hz = source_.Measured->Hz;
    } else if (Edit1->Text.find_first_not_of(' ') != std::string::npos) {
        in.F0Hz = measured::ReadFrequency(Edit1->Text);
    }
    response_ = theory::MatchBand(in);
    f0Hz_ = in.F0Hz;
    chart::DrawBandPlot(Image1->Canvas, response_, f0Hz_);
}

std::string TBandForm::Title(const tk::TForm&) {
    return "КСВ в полосе частот";
}

void OpenBandWindow(tk::TForm& chartForm) {
    const auto& form = dynamic_cast<const TForm1&>(chartForm);
    const TStubConstruction* match = form.LastMatch();
    if (!match) throw tk::Exception(kNoMatchForBandMessage);
    TBandSource source;
    source.Input.Load = match->Load.Load;
    source.Input.Line = match->Load.Line;
    source.Input.Kind = match->Kind;
    // The answer as its labels print it, as the command line builds it.
    source.Input.Chart = theory::AsPrinted({match->Distance(), match->BM, match->Stub()});
    source.Input.Exact = theory::SolveStubMatch(match->Load.ZNorm(), match->Kind);
    if (const chart::TMeasuredChoice* measured = form.Measured()) source.Measured = *measured;
    auto& band =
        dynamic_cast<TBandForm&>(chartForm.Application->OpenWindow(std::make_unique<TBandForm>()));
    band.ShowMatch(std::move(source));
}

} // namespace zmatch
