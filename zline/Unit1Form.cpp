// The window as designed: every control's place, size, caption and tab order.
#include "zline/Unit1.h"

#include "chart/AuthorPage.h"
#include "chart/ChartActions.h"

namespace zline {

using K = tk::TControlKind;

namespace {

// clang-format off
const tk::TControlDesc kControls[] = {
    // kind          name            parent       left top  width height caption                           tab
    // The picture comes first so that the link label, longer than its designed width, stays
    // readable where it runs over the picture's margin.
    {K::Image,       "Image1",       nullptr,     197,   8, 811, 689, ""},
    {K::Label,       "Label1",       nullptr,       8,  16, 103,  13, "Zн=                        +j"},
    {K::Edit,        "Edit1",        nullptr,      34,  13,  63,  21, "0",                                 0},
    {K::Edit,        "Edit2",        nullptr,     117,  13,  60,  21, "0",                                 1},
    {K::Label,       "Label2",       nullptr,       8,  43, 103,  13, "Zв=                        +j"},
    {K::Edit,        "Edit3",        nullptr,      34,  40,  63,  21, "0",                                 2},
    {K::Edit,        "Edit4",        nullptr,     117,  40,  60,  21, "0",                                 3},
    {K::Label,       "Label3",       nullptr,       8,  80,  26,  13, "Zнн="},
    {K::Button,      "Button1",      nullptr,       8,  99, 169,  25, "Показать точку",                    4},
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
    {K::Label,       "Label13",      nullptr,       8, 684, 183,  13, chart::kAuthorPage,                 -1, false, true},
};
// clang-format on

} // namespace

const tk::TFormDesc kForm1Desc{"Диаграмма сопротивлений", 1016, 734, kControls,
                               chart::kChartActions};

} // namespace zline
