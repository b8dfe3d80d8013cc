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
    // kind          name                   parent      left top  width height caption                     tab
    {K::Image,       "Picture",             nullptr,    216,   8, 700, 500, ""},
    {K::GroupBox,    "ModelBox",            nullptr,      8,   8, 200,  92, "Нагрузка вне f0",             0},
    {K::RadioButton, "SeriesModelButton",   "ModelBox",   8,  20, 186,  17, "R и L или C последовательно", 0, true},
    {K::RadioButton, "ConstantModelButton", "ModelBox",   8,  43, 186,  17, "Постоянное Zн",               1},
    {K::RadioButton, "MeasuredModelButton", "ModelBox",   8,  66, 186,  17, "Измеренная (из файла)",       2},
    {K::Label,       "F0Label",             nullptr,      8, 115,  24,  13, "f0 ="},
    {K::Edit,        "F0Edit",              nullptr,     40, 112, 168,  21, "",                            1},
    {K::Button,      "DrawButton",          nullptr,      8, 141, 200,  25, "Построить",                   2},
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
    F0Edit->Hint = "Частота f0, на которой сделано согласование: 2,4 ГГц, 433 МГц, 50e6.\n"
                   "Пусто: частота не задана, график только в f / f0.";
    MeasuredModelButton->Visible = false;
    const auto redraw = [this](tk::TObject*) { Redraw(); };
    SeriesModelButton->OnClick = redraw;
    ConstantModelButton->OnClick = redraw;
    MeasuredModelButton->OnClick = redraw;
    DrawButton->OnClick = redraw;
    Picture->OnReadout = [this](tk::TPoint pixel) {
        return chart::BandReadout(Plot(), f0Hz_, pixel, Picture->Canvas.Width(),
                                  Picture->Canvas.Height());
    };
}

void TBandForm::ShowMatch(TBandSource source) {
    source_ = std::move(source);
    MeasuredModelButton->Visible = source_.Measured.has_value();
    if (source_.Measured) {
        MeasuredModelButton->SetChecked(true);
        F0Edit->Text = measured::FrequencyText(source_.Measured->Hz);
    } else if (MeasuredModelButton->Checked()) {
        SeriesModelButton->SetChecked(true);
    }
    Redraw();
}

void TBandForm::Redraw() {
    theory::TBandLoad in = source_.Load;
    in.Model = ConstantModelButton->Checked()                       ? theory::TLoadModel::Constant
               : MeasuredModelButton->Checked() && source_.Measured ? theory::TLoadModel::Measured
                                                                    : theory::TLoadModel::Series;
    in.Measured = nullptr;
    in.F0Hz = 0;
    if (in.Model == theory::TLoadModel::Measured) {
        in.Measured = &source_.Measured->Load;
        in.F0Hz = source_.Measured->Hz;
    } else if (F0Edit->Text.find_first_not_of(' ') != std::string::npos) {
        in.F0Hz = measured::ReadFrequency(F0Edit->Text);
    }
    std::vector<theory::TNetwork> networks;
    for (const TBandCurveSource& c : source_.Curves)
        networks.push_back(c.Network);
    response_ = theory::NetworksBand(in, networks);
    f0Hz_ = in.F0Hz;
    chart::DrawBandPlot(Picture->Canvas, Plot(), f0Hz_);
}

chart::TBandPlot TBandForm::Plot() const {
    chart::TBandPlot plot{response_.Ratio, {}};
    for (std::size_t i = 0; i < response_.Curves.size() && i < source_.Curves.size(); ++i) {
        const TBandCurveSource& c = source_.Curves[i];
        plot.Curves.push_back({&response_.Curves[i], c.Name, c.ReadoutName, c.Color, c.Width});
    }
    return plot;
}

std::string TBandForm::Title(const tk::TForm&) {
    return "КСВ в полосе частот";
}

void ShowBand(tk::TForm& from, TBandSource source) {
    auto& band =
        dynamic_cast<TBandForm&>(from.Application->OpenWindow(std::make_unique<TBandForm>()));
    band.ShowMatch(std::move(source));
}

void OpenBandWindow(tk::TForm& chartForm) {
    const auto& form = dynamic_cast<const TForm1&>(chartForm);
    const TStubConstruction* match = form.LastMatch();
    if (!match) throw tk::Exception(kNoMatchForBandMessage);
    const theory::TStubKind kind = match->Kind;
    const auto stub = [kind](const theory::TStubMatch& m) {
        return theory::TNetwork{theory::Line(m.Distance), theory::ShuntStub(m.Stub, kind)};
    };
    const theory::TStubSolutions exact = theory::SolveStubMatch(match->Load.ZNorm(), match->Kind);
    const bool solved = exact.Case == theory::TMatchCase::Solved;
    TBandSource source;
    source.Load.Load = match->Load.Load;
    source.Load.Line = match->Load.Line;
    // The answer as its labels print it, as the command line builds it; the chart's answer
    // last and thinnest: it lies on the first solution near f0, and shows on it.
    source.Curves = {{"Ответ диаграммы", "ответа диаграммы", chart::kBandChartColor, 1,
                      stub(theory::AsPrinted({match->Distance(), match->BM, match->Stub()}))},
                     {"Первое решение", "первого решения", chart::kBandFirstColor, 2,
                      solved ? stub(exact.First) : theory::TNetwork{}},
                     {"Второе решение", "второго решения", chart::kBandSecondColor, 2,
                      solved ? stub(exact.Second) : theory::TNetwork{}}};
    if (const chart::TMeasuredChoice* measured = form.Measured()) source.Measured = *measured;
    ShowBand(chartForm, std::move(source));
}

} // namespace zmatch
