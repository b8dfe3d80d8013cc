// The window as designed: every control's place, size, caption and tab order.
#include "zline/Unit1.h"

#include "chart/ChartForm.h"
#include "chart/ExercisesForm.h"

namespace zline {

using K = tk::TControlKind;

namespace {

// clang-format off
constexpr tk::TControlDesc kOwn[] = {
    // kind          name            parent       left top  width height caption                           tab
    {K::Label,       "Label4",       nullptr,       8, 139,  74,  13, "Расстояние l ="},
    {K::Edit,        "Edit5",        nullptr,      82, 136,  95,  21, "0",                                 5},
    {K::Label,       "Label5",       nullptr,       8, 168,  89,  13, "Длини волны (см)"},
    {K::Edit,        "Edit6",        nullptr,     104, 165,  73,  21, "1",                                 6},
    {K::Label,       "Label14",      nullptr,       8, 192, 169,  13, "Затухание на расстоянии равном"},
    {K::Label,       "Label15",      nullptr,       8, 211,  90,  13, "дилне волны (дБ)"},
    {K::Edit,        "Edit7",        nullptr,     104, 208,  73,  21, "0",                                 9},
    {K::CheckBox,    "CheckBox1",    nullptr,       8, 235, 169,  17, "отображать дополн.точки",          10},
    {K::GroupBox,    "GroupBox1",    nullptr,       8, 256, 169,  81, "Направление",                       8},
    {K::RadioButton, "RadioButton1", "GroupBox1",   3,  24, 113,  17, "К генератору",                      0, true},
    {K::RadioButton, "RadioButton2", "GroupBox1",   3,  47, 113,  17, "К нагрузке",                        1},
    {K::Button,      "Button2",      nullptr,       8, 343, 169,  25, "Определить новое R+jX",             7},
    {K::Label,       "Label7",       nullptr,       8, 380, 103,  13, "расст/длин. волн. ="},
    {K::Label,       "Label6",       nullptr,       8, 407,  38,  13, "R+jX = "},
    {K::Label,       "Label11",      nullptr,       8, 426, 101,  13, "Разнормированные:"},
    {K::Label,       "Label12",      nullptr,       8, 445,  38,  13, "R+jX = "},
    {K::Label,       "Label8",       nullptr,       8, 482,  28,  13, "|Г| = "},
    {K::Label,       "Label9",       nullptr,       8, 501,  34,  13, "КСВ = "},
    {K::Label,       "Label10",      nullptr,       8, 520,  33,  13, "КБВ = "},
};
// clang-format on

// The chart's actions and a teacher's exercises in a window of their own.
constexpr auto kActions = [] {
    std::array<tk::TActionDesc, std::size(chart::kChartActions) + 1> all{};
    std::size_t i = 0;
    for (const tk::TActionDesc& a : chart::kChartActions)
        all[i++] = a;
    all[i] = chart::kZlineExercisesAction;
    return all;
}();

constexpr auto kControls =
    chart::rows::Window(chart::rows::Picture(197, 811), kOwn, chart::rows::AuthorLink(684, 183));

} // namespace

const tk::TFormDesc kForm1Desc = chart::ChartFormDesc(kControls, kActions);

} // namespace zline
