// The window as designed: every control's place, size, caption and tab order.
#include "zmatch/Unit1.h"

#include "zmatch/BandForm.h"
#include "zmatch/ChooseForm.h"
#include "zmatch/MethodsForm.h"

#include "chart/ChartForm.h"
#include "chart/ExercisesForm.h"

namespace zmatch {

using K = tk::TControlKind;

namespace {

// clang-format off
constexpr tk::TControlDesc kOwn[] = {
    // kind          name            parent       left top  width height caption                         tab
    {K::Label,       "Label5",       nullptr,       8, 130,  61,  13, "Длин. волн."},
    {K::Edit,        "Edit6",        nullptr,      82, 127,  95,  21, "1",                               5},
    {K::GroupBox,    "GroupBox1",    nullptr,       8, 168, 169,  81, "Тип шлейфа",                      7},
    {K::RadioButton, "RadioButton1", "GroupBox1",   3,  24, 142,  17, "Коротко замкнутый",               0, true},
    {K::RadioButton, "RadioButton2", "GroupBox1",   3,  47, 113,  17, "Разомкнутый",                     1},
    {K::Button,      "Button2",      nullptr,       8, 255, 169,  25, "Согласовать",                     6},
    {K::Label,       "Label9",       nullptr,       8, 292,  71,  13, "Обратное Zнн"},
    {K::Label,       "Label6",       nullptr,       8, 311,  38,  13, "Y'вх. = "},
    {K::Label,       "Label8",       nullptr,       8, 335,  61,  13, "Расстояние "},
    {K::Label,       "Label4",       nullptr,       8, 354,  65,  13, "l. от нагр. = "},
    {K::Label,       "Label7",       nullptr,       8, 373,  75,  13, "l1 длин. шл. = "},
    {K::Label,       "Label10",      nullptr,       8, 392, 124,  13, "Значения в длинах волн"},
    {K::Label,       "Label11",      nullptr,       8, 411,  70,  13, "l. от нагрг. = "},
    {K::Label,       "Label12",      nullptr,       8, 430,  72,  13, "l1 длин. шл. ="},
};
// clang-format on

// The chart's actions, the band of the last match in a window of its own, the other ways of
// matching the load in another, the choice among all of them across a band in a third, and a
// teacher's exercises in a fourth.
constexpr auto kActions = [] {
    std::array<tk::TActionDesc, std::size(chart::kChartActions) + 4> all{};
    std::size_t i = 0;
    for (const tk::TActionDesc& a : chart::kChartActions)
        all[i++] = a;
    all[i++] = {"Полоса согласования…", tk::TShortcut::Band, tk::TActionKind::Command, nullptr,
                OpenBandWindow};
    all[i++] = {"Другие способы согласования…", tk::TShortcut::Methods, tk::TActionKind::Command,
                nullptr, OpenMethodsWindow};
    all[i++] = {"Подбор согласования…", tk::TShortcut::Choose, tk::TActionKind::Command, nullptr,
                OpenChooseWindow};
    all[i] = chart::kZmatchExercisesAction;
    return all;
}();

constexpr auto kControls =
    chart::rows::Window(chart::rows::Picture(201, 807), kOwn, chart::rows::AuthorLink(672, 187));

} // namespace

const tk::TFormDesc kForm1Desc = chart::ChartFormDesc(kControls, kActions);

} // namespace zmatch
