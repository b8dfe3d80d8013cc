// The window as designed: every control's place, size, caption and tab order.
#include "zmatch/Unit1.h"

#include "chart/AuthorPage.h"
#include "chart/ChartActions.h"

namespace zmatch {

using K = tk::TControlKind;

namespace {

// clang-format off
const tk::TControlDesc kControls[] = {
    // kind          name            parent       left top  width height caption                         tab
    {K::Image,       "Image1",       nullptr,     201,   8, 807, 689, ""},
    {K::Label,       "Label1",       nullptr,       8,  16, 103,  13, "Zн=                        +j"},
    {K::Edit,        "Edit1",        nullptr,      34,  13,  63,  21, "0",                               0},
    {K::Edit,        "Edit2",        nullptr,     117,  13,  60,  21, "0",                               1},
    {K::Label,       "Label2",       nullptr,       8,  43, 103,  13, "Zв=                        +j"},
    {K::Edit,        "Edit3",        nullptr,      34,  40,  63,  21, "0",                               2},
    {K::Edit,        "Edit4",        nullptr,     117,  40,  60,  21, "0",                               3},
    {K::Label,       "Label3",       nullptr,       8,  80,  26,  13, "Zнн="},
    {K::Button,      "Button1",      nullptr,       8,  99, 169,  25, "Показать точку",                  4},
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
    {K::Label,       "Label13",      nullptr,       8, 672, 187,  13, chart::kAuthorPage,                     -1, false, true},
};
// clang-format on

} // namespace

const tk::TFormDesc kForm1Desc{"Диаграмма сопротивлений", 1016, 734, kControls,
                               chart::kChartActions};

} // namespace zmatch
